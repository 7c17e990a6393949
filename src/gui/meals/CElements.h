// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/BackgroundSlice.h"
#include "goals/NutrientGoals.h"
#include "meals/MealEntry.h"

#include <QFont>
#include <QWidget>

// The nutrient panel: the day's ten totals, and beside them what the portion being entered would
// add ("+") or what the selected meal row contributes ("-"). With daily goals, a nutrient that
// has one shows its total against the goal and a thin bar under it, the preview's share of the
// bar lighter. It computes nothing itself and takes no input: a press on it goes to the window
// underneath.
class CElements : public QWidget
{
    Q_OBJECT

public:
    enum PreviewMode { PreviewNone = 0, PreviewRemove = 1, PreviewAdd = 2 };

    explicit CElements(QWidget *parent = nullptr);

    // New day totals; any preview ends.
    void SetTotals(const Nutrients &values);
    void SetAddPreview(const Nutrients &values);
    void SetRemovePreview(const Nutrients &values);
    // Hides the preview figures; the values stay.
    void EndPreview();
    void SetGoals(const NutrientGoals &goals);

    PreviewMode previewMode() const { return m_previewMode; }
    const Nutrients &totals() const { return m_totals; }
    const NutrientGoals &goals() const { return m_goals; }

    // The texts a nutrient's row shows.
    QString totalText(int nutrient) const;
    QString previewText(int nutrient) const;
    // "515 of 2000", "45 of 70 g"; empty without a goal.
    QString progressText(int nutrient) const;
    // A nutrient's row as a reader says it: "Fat: 8.5 g (+1.2)", in the window's language.
    QString spokenRow(int nutrient) const;
    QRect rowRect(int nutrient) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void drawNutrient(QPainter &painter, int nutrient, const QRect &row) const;
    void drawGoalBar(QPainter &painter, int nutrient, const QRect &row) const;
    // What the preview shown would add to the nutrient's total (negative: take away).
    double previewChange(int nutrient) const;
    // What the panel shows, row by row, for assistive tools.
    void describe();

    BackgroundSlice m_background;
    QFont m_labelFont;
    QFont m_totalFont;
    QFont m_previewFont;
    Nutrients m_totals {};
    Nutrients m_addPreview {};
    Nutrients m_removePreview {};
    PreviewMode m_previewMode = PreviewNone;
    NutrientGoals m_goals;
};
