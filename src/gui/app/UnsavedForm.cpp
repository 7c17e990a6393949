// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UnsavedForm.h"

#include "platform/CoreText.h"
#include "platform/FileIo.h"
#include "store/SaveProblem.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QStandardPaths>

namespace {

std::function<QString()> s_fileChooser;

enum Choice { Retry, SaveElsewhere, Discard };

} // namespace

void UnsavedForm::setFileChooserForTesting(std::function<QString()> chooser)
{
    s_fileChooser = std::move(chooser);
}

UnsavedForm::UnsavedForm(const QString &reason, Actions actions, QWidget *parent)
    : SkinForm(tr("Not everything is saved"), tr("Continue"), parent), m_actions(std::move(actions))
{
    QLabel *text = makeLabel(tr("Some of what you typed is not saved: %1").arg(reason), false);
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    body()->addWidget(text, 0, 0, 1, 2);
    m_choice = makeChoice({tr("Try saving it again"), tr("Save what I typed in a file\u2026"),
                           tr("Close without it")});
    m_choice->setAccessibleName(tr("What to do"));
    body()->addWidget(m_choice, 1, 0, 1, 2);
    fitToContents();
    m_choice->setFocus(Qt::OtherFocusReason);
}

bool UnsavedForm::commit()
{
    switch (m_choice->currentIndex()) {
    case Retry:
        if (const QString still = m_actions.retry(); !still.isEmpty()) {
            showProblem(tr("Still not saved: %1").arg(still), m_choice);
            return false;
        }
        return true;
    case SaveElsewhere: {
        const QString file = s_fileChooser
            ? s_fileChooser()
            : QFileDialog::getSaveFileName(
                  this, tr("Save what you typed"),
                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                      QStringLiteral("/corvalo-unsaved.txt"));
        if (file.isEmpty())
            return false;
        const FileIo::Result written =
            FileIo::writeAtomically(file.toStdString(), m_actions.texts());
        if (!written.ok()) {
            showProblem(QString::fromStdString(SaveProblem::Describe(
                            written, {}, SaveProblem::Action::Save, CoreText::problem)),
                        m_choice);
            return false;
        }
        return true;
    }
    default:
        return true;
    }
}

#include "moc_UnsavedForm.cpp"
