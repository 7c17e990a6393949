// SPDX-License-Identifier: GPL-3.0-or-later
#include "activity/ActivityForm.h"

#include "activity/ActivityList.h"
#include "controls/SkinButton.h"
#include "platform/CoreText.h"
#include "platform/TypedNumber.h"
#include "store/SaveProblem.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

ActivityForm::ActivityForm(ActivityList &activities, QWidget *parent)
    : SkinForm(tr("Activity"), tr("Add"), parent), m_activities(activities)
{
    cancelButton()->setText(tr("Close"));
    QGridLayout *grid = body();
    m_list = new QListWidget(this);
    m_list->setAccessibleName(tr("Activities of the day"));
    m_list->setFixedHeight(92);
    m_list->setMinimumWidth(300);
    m_burned = makeLabel(QString());
    m_remove = new SkinButton(tr("Remove"), this);
    m_remove->setAccessibleName(tr("Remove the chosen activity"));
    m_remove->setCaptionPoints(9);
    m_name = new QLineEdit(this);
    m_name->setAccessibleName(tr("Activity name"));
    m_minutes = makeNumberBox();
    m_minutes->setAccessibleName(tr("Minutes"));
    m_calories = makeNumberBox();
    m_calories->setAccessibleName(tr("Calories burned"));

    grid->addWidget(m_list, 0, 0, 1, 3);
    grid->addWidget(m_burned, 1, 0, 1, 2);
    grid->addWidget(m_remove, 1, 2, Qt::AlignRight);
    grid->addWidget(makeLabel(tr("Name")), 2, 0);
    grid->addWidget(m_name, 2, 1, 1, 2);
    grid->addWidget(makeLabel(tr("Minutes")), 3, 0);
    grid->addWidget(m_minutes, 3, 1);
    grid->addWidget(makeLabel(QStringLiteral("min"), false), 3, 2);
    grid->addWidget(makeLabel(tr("Calories burned")), 4, 0);
    grid->addWidget(m_calories, 4, 1);
    grid->addWidget(makeLabel(QStringLiteral("kcal"), false), 4, 2);
    grid->setColumnStretch(2, 1);

    connect(m_remove, &QAbstractButton::clicked, this, &ActivityForm::removeChosen);
    connect(m_list, &QListWidget::currentRowChanged, this,
            [this](int row) { m_remove->setEnabled(row >= 0); });
    m_list->installEventFilter(this);
    connect(&m_activities, &ActivityList::changed, this, &ActivityForm::fill);
    fill();
    fitToContents();
    m_name->setFocus(Qt::OtherFocusReason);
}

void ActivityForm::fill()
{
    m_list->clear();
    for (const Activity &activity : m_activities.day().activities())
        m_list->addItem(ActivityList::rowText(activity));
    m_remove->setEnabled(false);
    m_burned->setText(tr("Burned: %1 kcal")
                          .arg(QString::fromStdString(ActivityDay::Figure(m_activities.burned()))));
}

bool ActivityForm::eventFilter(QObject *watched, QEvent *event)
{
    // Delete in the list removes the chosen one, as Remove does.
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        removeChosen();
        return true;
    }
    return SkinForm::eventFilter(watched, event);
}

void ActivityForm::removeChosen()
{
    const int row = m_list->currentRow();
    const std::vector<Activity> &held = m_activities.day().activities();
    if (row < 0 || std::size_t(row) >= held.size())
        return;
    const Activity chosen = held[std::size_t(row)];
    const FileIo::Result removed = m_activities.remove(chosen);
    showProblem(removed.ok() ? QString()
                             : tr("Not removed: %1")
                                   .arg(QString::fromStdString(SaveProblem::Reason(
                                       removed, SaveProblem::Action::Save, CoreText::problem))),
                m_list);
}

std::optional<double> ActivityForm::typedNumber(QLineEdit *box, const Said &said, double most)
{
    const QString text = box->text().trimmed();
    if (text.isEmpty()) {
        showProblem(said.empty, box);
        return std::nullopt;
    }
    const TypedNumber typed = TypedNumber::read(text.toStdString());
    if (typed.kind != TypedNumber::Kind::Number) {
        showProblem(tr("%1: %2").arg(said.name, CoreText::numberProblem(typed, text)), box);
        return std::nullopt;
    }
    const std::optional<double> value = typed.value;
    if (*value < 0.0 || *value > most) {
        showProblem(said.range, box);
        return std::nullopt;
    }
    return value;
}

bool ActivityForm::commit()
{
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) {
        showProblem(tr("Type what you did, like Cycling."), m_name);
        return false;
    }
    if (name.contains(QLatin1Char('\t'))) {
        showProblem(tr("The name may not hold tabs."), m_name);
        return false;
    }
    const std::optional<double> minutes = typedNumber(
        m_minutes, {tr("Minutes"), tr("Type the minutes."), tr("Minutes go from 0 to 1440.")},
        ActivityDay::MostMinutes);
    if (!minutes)
        return false;
    const std::optional<double> calories =
        typedNumber(m_calories,
                    {tr("Calories burned"), tr("Type the calories burned."),
                     tr("Calories burned go from 0 to 20000.")},
                    ActivityDay::MostCalories);
    if (!calories)
        return false;
    const FileIo::Result added = m_activities.add({name.toStdString(), *minutes, *calories});
    if (!added.ok()) {
        showProblem(tr("Not saved: %1")
                        .arg(QString::fromStdString(SaveProblem::Reason(
                            added, SaveProblem::Action::Save, CoreText::problem))),
                    m_name);
        return false;
    }
    showProblem(QString());
    for (QLineEdit *box : {m_name, m_minutes, m_calories})
        box->clear();
    m_name->setFocus(Qt::OtherFocusReason);
    // Open for the next one; Close ends.
    return false;
}

#include "moc_ActivityForm.cpp"
