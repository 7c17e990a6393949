// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinButton.h"
#include "controls/SkinForm.h"

#include <QGridLayout>
#include <QLabel>

// Asks before something goes for good; the keyboard starts on Cancel.
class ConfirmForm : public SkinForm
{
public:
    ConfirmForm(const QString &title, const QString &question, const QString &commitCaption,
                QWidget *parent)
        : SkinForm(title, commitCaption, parent)
    {
        QLabel *text = makeLabel(question, false);
        text->setWordWrap(true);
        text->setMinimumWidth(300);
        body()->addWidget(text, 0, 0);
        fitToContents();
        cancelButton()->setFocus(Qt::OtherFocusReason);
    }

protected:
    bool commit() override { return true; }
};
