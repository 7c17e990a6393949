// SPDX-License-Identifier: GPL-3.0-or-later
#include "nutrition/TargetEditor.h"

#include "platform/CoreText.h"
#include "platform/Text8.h"
#include "platform/TypedNumber.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolTip>

namespace {

QString nameOf(const NutrientInfo &info)
{
    return QCoreApplication::translate("NutrientCatalogue", std::string(info.name).c_str());
}

QString unitOf(const NutrientInfo &info)
{
    return QString::fromUtf8(info.unit.data(), qsizetype(info.unit.size()));
}

// As typed back: no thousands separators, no trailing zeros.
QString numberText(double value)
{
    return QString::number(value, 'f', 4).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

} // namespace

TargetEditor::TargetEditor(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(tr("Your target"));
    m_label = new QLabel(tr("Your target:"), this);
    m_label->setGeometry(0, 0, 92, 22);
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_box = new QLineEdit(this);
    m_box->setGeometry(96, 0, 64, 22);
    m_box->setAlignment(Qt::AlignRight);
    m_box->setPlaceholderText(tr("none"));
    m_label->setBuddy(m_box);
    m_unit = new QLabel(this);
    m_unit->setGeometry(164, 0, 30, 22);
    m_default = new QPushButton(tr("Default"), this);
    m_default->setGeometry(196, 0, 64, 22);
    connect(m_box, &QLineEdit::editingFinished, this, &TargetEditor::typed);
    connect(m_default, &QPushButton::clicked, this, [this]() {
        if (m_id >= 0)
            emit targetReset(m_id);
    });
    setNutrient(-1, {}, std::nullopt);
}

void TargetEditor::setNutrient(int id, const PersonalTargets &targets,
                               const std::optional<ReferenceIntakes::Profile> &profile)
{
    m_id = id;
    setEnabled(id >= 0);
    if (id < 0) {
        m_shown.reset();
        m_box->clear();
        m_unit->clear();
        m_default->setEnabled(false);
        return;
    }
    const NutrientInfo &info = NutrientCatalogue::info(id);
    m_shown = targets.intake(profile, id).target;
    m_box->setText(m_shown ? numberText(*m_shown) : QString());
    m_unit->setText(unitOf(info));
    m_box->setAccessibleName(tr("Your target for %1, in %2").arg(nameOf(info), unitOf(info)));
    m_box->setToolTip(tr("Leave empty for no target"));
    const std::optional<double> standard =
        profile ? ReferenceIntakes::of(*profile, id).target : std::nullopt;
    m_default->setEnabled(targets.isSet(id));
    m_default->setToolTip(standard ? tr("Back to %1 %2, the target for the chosen person")
                                         .arg(QLocale().toString(*standard), unitOf(info))
                                   : tr("Back to no target, as for the chosen person"));
    m_default->setAccessibleDescription(m_default->toolTip());
}

void TargetEditor::typed()
{
    if (m_id < 0)
        return;
    const TypedNumber typed = TypedNumber::read(Text8::fromQString(m_box->text().trimmed()));
    std::optional<double> target;
    if (typed.kind == TypedNumber::Kind::Number) {
        if (!PersonalTargets::IsTarget(typed.value)) {
            QToolTip::showText(m_box->mapToGlobal(QPoint(0, m_box->height())),
                               tr("A target is a number above 0, or none"), m_box);
            m_box->setText(m_shown ? numberText(*m_shown) : QString());
            return;
        }
        target = typed.value;
    } else if (typed.kind == TypedNumber::Kind::NotANumber) {
        const QString comma = CoreText::thousandsProblem(m_box->text());
        QToolTip::showText(
            m_box->mapToGlobal(QPoint(0, m_box->height())),
            comma.isEmpty() ? tr("Type a number, or leave the box empty for no target") : comma,
            m_box);
        m_box->setText(m_shown ? numberText(*m_shown) : QString());
        return;
    }
    if (target == m_shown)
        return; // left without a change
    m_shown = target;
    emit targetChosen(m_id, target);
}

#include "moc_TargetEditor.cpp"
