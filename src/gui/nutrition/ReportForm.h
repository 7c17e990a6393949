// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinForm.h"
#include "goals/NutrientGoals.h"
#include "nutrition/PeriodReport.h"

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;

// The report of the days the chart shows: how many were logged, the average per logged day of
// the panel's ten, the days each goal was met, the foods that gave the most calories, and the
// weight at the start and the end. "Count only days marked complete" leaves the others out.
class ReportForm : public SkinForm
{
    Q_OBJECT

public:
    // Makes the report of the range, counting only complete days when asked.
    using Make = std::function<std::unique_ptr<PeriodReport>(bool completeOnly)>;

    // addBurned: each day's calorie goal is raised by what it burned (the Settings page's
    // choice).
    ReportForm(const DayFiles::LocalDate &first, int dayCount, Make make,
               const NutrientGoals &goals, bool addBurned, QWidget *parent = nullptr);

    QCheckBox *completeOnlyBox() const { return m_completeOnly; }
    QString reportText() const;

protected:
    bool commit() override { return true; }

private:
    void fill();
    QString html(const PeriodReport &report) const;

    Make m_make;
    NutrientGoals m_goals;
    bool m_addBurned = false;
    QLabel *m_summary = nullptr;
    QCheckBox *m_completeOnly = nullptr;
    QLabel *m_report = nullptr;
};
