// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProfileGroup.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

// The person in one box, so the closed box can say it whole.
enum Who { NoOne, Woman, Man, Pregnant, Breastfeeding };

} // namespace

ProfileGroup::ProfileGroup(QWidget *parent) : QWidget(parent)
{
    m_who = new QComboBox(this);
    m_who->addItems(
        {tr("No one"), tr("Woman"), tr("Man"), tr("Woman, pregnant"), tr("Woman, breastfeeding")});
    m_who->setGeometry(0, 0, 150, 22);
    m_who->setAccessibleName(tr("Nutrient targets for"));

    m_age = new QSpinBox(this);
    m_age->setRange(1, 120);
    m_age->setValue(30);
    m_age->setGeometry(154, 0, 44, 22);
    m_age->setAccessibleName(tr("Age in years"));
    m_age->setToolTip(tr("Age in years"));

    connect(m_who, &QComboBox::activated, this, &ProfileGroup::changed);
    connect(m_age, &QSpinBox::valueChanged, this, &ProfileGroup::changed);
    setProfile(std::nullopt);
}

void ProfileGroup::setProfile(const std::optional<ReferenceIntakes::Profile> &profile)
{
    const QSignalBlocker quietWho(m_who), quietAge(m_age);
    if (!profile) {
        m_who->setCurrentIndex(NoOne);
    } else {
        m_age->setValue(profile->age);
        m_who->setCurrentIndex(profile->sex == ReferenceIntakes::Sex::Male ? Man
                                   : profile->pregnant                     ? Pregnant
                                   : profile->breastfeeding                ? Breastfeeding
                                                                           : Woman);
    }
    m_age->setEnabled(m_who->currentIndex() != NoOne);
}

std::optional<ReferenceIntakes::Profile> ProfileGroup::profile() const
{
    const int who = m_who->currentIndex();
    if (who == NoOne)
        return std::nullopt;
    ReferenceIntakes::Profile profile;
    profile.sex = who == Man ? ReferenceIntakes::Sex::Male : ReferenceIntakes::Sex::Female;
    profile.age = m_age->value();
    profile.pregnant = who == Pregnant;
    profile.breastfeeding = who == Breastfeeding;
    return profile;
}

void ProfileGroup::changed()
{
    const std::optional<ReferenceIntakes::Profile> chosen = profile();
    setProfile(chosen);
    emit profileChanged(chosen);
}

#include "moc_ProfileGroup.cpp"
