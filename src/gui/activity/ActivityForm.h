// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinForm.h"

#include <optional>

class ActivityList;
class QLineEdit;
class QListWidget;

// The day's activities over the Food page: the list with what the day burned, Remove for the
// one chosen, and a name, minutes and calories burned to add, all as typed: the program guesses
// none of them. Add keeps the form open for the next one; a failed write is said in the form
// and the typing stays.
class ActivityForm : public SkinForm
{
    Q_OBJECT

public:
    ActivityForm(ActivityList &activities, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    QLineEdit *nameBox() const { return m_name; }
    QLineEdit *minutesBox() const { return m_minutes; }
    QLineEdit *caloriesBox() const { return m_calories; }
    SkinButton *removeButton() const { return m_remove; }

protected:
    bool commit() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill();
    void removeChosen();
    struct Said
    {
        QString name; // of the box, in a problem
        QString empty; // when nothing is typed
        QString range; // when the number is out of its range
    };
    // The box's number from 0 to `most`, or nothing with the problem shown.
    std::optional<double> typedNumber(QLineEdit *box, const Said &said, double most);

    ActivityList &m_activities;
    QListWidget *m_list = nullptr;
    QLabel *m_burned = nullptr;
    SkinButton *m_remove = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_minutes = nullptr;
    QLineEdit *m_calories = nullptr;
};
