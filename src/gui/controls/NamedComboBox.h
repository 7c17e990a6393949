// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// A drop-down list that assistive tools call by its accessible name ("Unit") whatever item it
// shows; the item is its value. A plain one is named by its item on Linux, so a reader hears
// "tbsp, combo box" and never what the box is for.
class NamedComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit NamedComboBox(QWidget *parent = nullptr);
};
