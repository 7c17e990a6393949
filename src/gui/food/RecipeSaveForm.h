// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinForm.h"

#include <functional>

class QLineEdit;

// Asks for the name and the servings of a recipe made of the day's meals. Save checks what was
// typed and hands it to `store`, which answers why the recipe cannot be stored in words (empty
// when it was); the form stays open and says so when it cannot.
class RecipeSaveForm : public SkinForm
{
    Q_OBJECT

public:
    using Store = std::function<QString(const QString &name, double servings)>;

    RecipeSaveForm(int meals, Store store, QWidget *parent = nullptr);

    QLineEdit *nameBox() const { return m_name; }
    QLineEdit *servingsBox() const { return m_servings; }

protected:
    bool commit() override;

private:
    Store m_store;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_servings = nullptr;
};
