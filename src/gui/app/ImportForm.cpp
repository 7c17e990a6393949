// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ImportForm.h"

#include "controls/SkinButton.h"
#include "import/ImportPreview.h"
#include "platform/CoreText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

ImportForm::ImportForm(DayStore &store, ImportPlan::Plan plan, QWidget *parent)
    : SkinForm(tr("Import from another diary"), tr("Import"), parent), m_store(store),
      m_plan(std::move(plan))
{
    QGridLayout *grid = body();
    grid->addWidget(makeLabel(tr("What the files hold")), 0, 0);
    m_preview = new QPlainTextEdit(this);
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_preview->setAccessibleName(tr("What the import would write"));
    m_preview->setMinimumSize(440, 210);
    QStringList lines;
    for (const ImportPreview::Line &line : ImportPreview::Lines(m_plan, &ImportForm::translate))
        lines << QString::fromStdString(line.text);
    m_preview->setPlainText(lines.join(QLatin1Char('\n')));
    grid->addWidget(m_preview, 1, 0);
    commitButton()->setEnabled(m_plan.canApply());
    fitToContents();
    (m_plan.canApply() ? static_cast<QWidget *>(commitButton()) : cancelButton())
        ->setFocus(Qt::OtherFocusReason);
}

std::string ImportForm::translate(const char *phrase)
{
    const QString translated = QCoreApplication::translate("ImportFile", phrase);
    if (translated != QString::fromUtf8(phrase))
        return translated.toStdString();
    return CoreText::problem(phrase);
}

bool ImportForm::commit()
{
    if (!m_plan.canApply())
        return false;
    // Ten years of days take a second or two on a slow disk.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_outcome = ImportPlan::Apply(m_store, m_plan, &ImportForm::translate);
    QApplication::restoreOverrideCursor();
    return true;
}

#include "moc_ImportForm.cpp"
