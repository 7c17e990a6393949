// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinForm.h"

#include <functional>
#include <string>

class QComboBox;

// Asked before the window closes while something typed is still not saved (a full disk, a
// read-only file): try again, save the typing to a file of the user's choice, or close without
// it. Cancel keeps the window open.
class UnsavedForm : public SkinForm
{
    Q_OBJECT

public:
    struct Actions
    {
        // Tries every unsaved text again; the reason when something is still not saved.
        std::function<QString()> retry;
        // Every unsaved text, as plain text to keep in a file.
        std::function<std::string()> texts;
    };

    UnsavedForm(const QString &reason, Actions actions, QWidget *parent = nullptr);

    // Tests answer the file dialog.
    static void setFileChooserForTesting(std::function<QString()> chooser);

protected:
    bool commit() override;

private:
    Actions m_actions;
    QComboBox *m_choice = nullptr;
};
