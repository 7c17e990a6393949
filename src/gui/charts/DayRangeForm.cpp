// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/DayRangeForm.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>

namespace {

QDateEdit *makeDayRangeBox(QDate date, const QString &name, QWidget *parent)
{
    auto *box = new QDateEdit(date, parent);
    box->setCalendarPopup(true);
    // The years a day file's name can hold.
    box->setDateRange(QDate(1000, 1, 1), QDate(9999, 12, 31));
    box->setAccessibleName(name);
    box->setMinimumWidth(140);
    return box;
}

} // namespace

DayRangeForm::DayRangeForm(QDate first, QDate last, QWidget *parent)
    : SkinForm(tr("Days shown"), tr("Show"), parent)
{
    QGridLayout *grid = body();
    m_first = makeDayRangeBox(first, tr("First day"), this);
    m_last = makeDayRangeBox(last, tr("Last day"), this);
    grid->addWidget(makeLabel(tr("From")), 0, 0);
    grid->addWidget(m_first, 0, 1);
    grid->addWidget(makeLabel(tr("To")), 1, 0);
    grid->addWidget(m_last, 1, 1);
    grid->setColumnStretch(2, 1);
    fitToContents();
    m_first->setFocus(Qt::OtherFocusReason);
}

QDate DayRangeForm::first() const
{
    return m_first->date();
}

QDate DayRangeForm::last() const
{
    return m_last->date();
}

bool DayRangeForm::commit()
{
    if (first() > last()) {
        showProblem(tr("The first day comes after the last."), m_first);
        return false;
    }
    return true;
}

#include "moc_DayRangeForm.cpp"
