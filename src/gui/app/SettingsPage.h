// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/BackgroundSlice.h"
#include "controls/PaintedTexts.h"
#include "goals/NutrientGoals.h"
#include "nutrition/ReferenceIntakes.h"

#include <QList>
#include <QRect>
#include <QWidget>
#include <array>
#include <optional>

class DiaryFolderGroup;
class ExportGroup;
class ProfileGroup;
class QAbstractButton;
class QComboBox;
class QLineEdit;

// The Settings page: a daily goal for each nutrient and the food list's order. It keeps nothing
// itself: every change goes out at once as a signal, for the window to store and apply.
class SettingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPage(QWidget *parent = nullptr);

    // Fill the page from the stored settings; no signal.
    void setGoals(const NutrientGoals &goals);
    void setBestMatchesFirst(bool on);
    void setAddBurned(bool on);
    const NutrientGoals &goals() const { return m_goals; }

    QLineEdit *goalBox(int nutrient) const;
    // Null for a nutrient whose kind is fixed.
    QComboBox *kindBox(int nutrient) const;
    QAbstractButton *bestMatchesBox() const { return m_bestMatches; }
    QAbstractButton *addBurnedBox() const { return m_addBurned; }
    // The page's controls in reading order, for the window's Tab chain.
    QList<QWidget *> tabOrder() const;

    // The export group takes the page's free area, below the food list's order.
    void setExportGroup(ExportGroup *group);
    ExportGroup *exportGroup() const { return m_export; }
    // "Import…", at the right of the export group's title; null until the group is there.
    QAbstractButton *importButton() const { return m_import; }
    DiaryFolderGroup *diaryFolderGroup() const { return m_folderGroup; }
    ProfileGroup *profileGroup() const { return m_profile; }

signals:
    void goalsChanged(const NutrientGoals &goals);
    void bestMatchesFirstChanged(bool on);
    void addBurnedChanged(bool on);
    void profileChanged(const std::optional<ReferenceIntakes::Profile> &profile);
    void importRequested();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void goalTyped(int nutrient);
    void kindChosen(int nutrient, int index);
    // A box whose text gives no goal says so, rather than dropping the goal silently.
    void markGoalBox(int nutrient);

    BackgroundSlice m_background;
    PaintedTexts m_texts;
    NutrientGoals m_goals;
    std::array<QLineEdit *, Nutrient::Count> m_goalBoxes {};
    std::array<QComboBox *, Nutrient::Count> m_kindBoxes {};
    QAbstractButton *m_bestMatches = nullptr;
    QAbstractButton *m_addBurned = nullptr;
    ExportGroup *m_export = nullptr;
    QAbstractButton *m_import = nullptr;
    DiaryFolderGroup *m_folderGroup = nullptr;
    ProfileGroup *m_profile = nullptr;
};
