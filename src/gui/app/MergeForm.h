// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinForm.h"
#include "store/ConflictMerge.h"
#include "store/DayMerge.h"

#include <vector>

class QComboBox;
class QListWidget;
class QPlainTextEdit;

// Joins a conflict copy that a sync engine made of a day (or of the own foods) with the file it
// is a copy of. Both sides are shown with a preview of the result: every meal of both sides,
// each to untick; one weight or the other; both notes or one; both food tables. "Keep mine" and
// "Keep theirs" are offered too. The copy is removed only once the result is safely written.
class MergeForm : public SkinForm
{
    Q_OBJECT

public:
    MergeForm(const ConflictMerge::Found &found, const QString &dayName, QWidget *parent = nullptr);

    // What the merge wrote (or failed to), once the form is accepted or refused.
    const FileIo::Result &result() const { return m_result; }
    // The bytes the original would hold with the choices made now.
    std::string merged() const;

protected:
    bool commit() override;

private:
    enum Choice { Join = 0, Mine = 1, Theirs = 2, JoinTheirs = 3 };
    void fillMeals();
    void showPreview();

    ConflictMerge::Found m_found;
    ConflictMerge::Sides m_sides;
    std::vector<DayMerge::MealRow> m_rows;
    QComboBox *m_choice = nullptr;
    QListWidget *m_meals = nullptr;
    QPlainTextEdit *m_preview = nullptr;
    FileIo::Result m_result;
};
