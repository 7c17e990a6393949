// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class CMealsList;
class QLineEdit;

// A meal list row's amount edited in place: a line edit over the row's framed cell, showing the
// amount with one decimal. Enter keeps what was typed, and so does a click elsewhere; Escape drops
// it. An edit begun from the keyboard ends with the keyboard back on its row.
class MealAmountEditor : public QObject
{
    Q_OBJECT

public:
    explicit MealAmountEditor(CMealsList *list);

    QLineEdit *lineEdit() const { return m_edit; }
    // The row being edited; -1 when none.
    int row() const { return m_row; }

    // Edits the amount of entry `index`, shown in the viewport's row `visibleRow`.
    void Begin(int index, int visibleRow, bool fromKeys);
    // Drops an open edit: a reload under it would leave it pointing at a row that is gone.
    void Close();

signals:
    // The user changed the row's amount to one that can be logged.
    void changed(int index, float amount);
    // The text typed is no amount that can be logged; the row keeps its old one.
    void refused(const QString &typed);
    // An edit is over, kept or dropped.
    void ended();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class CommitOn { Enter, FocusLoss };

    void Commit(CommitOn reason);
    void backToEditedRow(int index);

    CMealsList *m_list;
    QLineEdit *m_edit;
    int m_row = -1;
    bool m_fromKeys = false;
};
