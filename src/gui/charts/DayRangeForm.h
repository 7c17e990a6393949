// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinForm.h"

#include <QDate>

class QDateEdit;

// Asks for the first and the last day the chart and its report show. The last day is today
// unless the user chose another before.
class DayRangeForm : public SkinForm
{
    Q_OBJECT

public:
    DayRangeForm(QDate first, QDate last, QWidget *parent = nullptr);

    QDate first() const;
    QDate last() const;
    QDateEdit *firstBox() const { return m_first; }
    QDateEdit *lastBox() const { return m_last; }

protected:
    bool commit() override;

private:
    QDateEdit *m_first = nullptr;
    QDateEdit *m_last = nullptr;
};
