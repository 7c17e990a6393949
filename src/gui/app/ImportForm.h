// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinForm.h"
#include "import/ImportPlan.h"

class DayStore;
class QPlainTextEdit;

// What an import of other diaries' files would write, shown before anything is written: each
// file and what it is, the rows left out, the days, entries, weights and notes, the date range
// and the days that already have data. Import writes the plan; a plan that cannot be written
// (a file refused, nothing in the files) offers only Cancel.
class ImportForm : public SkinForm
{
    Q_OBJECT

public:
    ImportForm(DayStore &store, ImportPlan::Plan plan, QWidget *parent = nullptr);

    QPlainTextEdit *preview() const { return m_preview; }
    // What the import wrote, once the form is accepted.
    const ImportPlan::Outcome &outcome() const { return m_outcome; }

    // The import's phrases in the user's language.
    static std::string translate(const char *phrase);

protected:
    bool commit() override;

private:
    DayStore &m_store;
    ImportPlan::Plan m_plan;
    QPlainTextEdit *m_preview = nullptr;
    ImportPlan::Outcome m_outcome;
};
