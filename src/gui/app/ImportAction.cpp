// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ImportAction.h"

#include "app/ImportForm.h"
#include "app/UndoOffer.h"
#include "controls/CNoticeBar.h"
#include "store/DayStore.h"

#include <QFileDialog>
#include <memory>

namespace ImportAction {

namespace {

std::function<QStringList()> s_importFileChooser;

const QString kImportNotice = QStringLiteral("import");

} // namespace

void setFileChooserForTesting(std::function<QStringList()> chooser)
{
    s_importFileChooser = std::move(chooser);
}

void open(const Window &window)
{
    const QStringList files = s_importFileChooser
        ? s_importFileChooser()
        : QFileDialog::getOpenFileNames(window.parent, ImportForm::tr("Import which files?"),
                                        QString(),
                                        ImportForm::tr("CSV files (*.csv *.CSV);;All files (*)"));
    if (!files.isEmpty())
        importFiles(window, files);
}

void importFiles(const Window &window, const QStringList &files)
{
    if (window.flushTyping)
        window.flushTyping();
    window.store->Rescan();
    std::vector<std::filesystem::path> paths;
    for (const QString &file : files)
        paths.emplace_back(file.toStdU16String());
    ImportForm form(
        *window.store,
        ImportPlan::Make(*window.store, ImportPlan::ReadFiles(paths, &ImportForm::translate)),
        window.parent);
    if (form.exec() != QDialog::Accepted)
        return;
    const ImportPlan::Outcome &outcome = form.outcome();
    QString text = ImportForm::tr("Imported entries: %1, weights: %2, notes: %3.")
                       .arg(outcome.entries)
                       .arg(outcome.weights)
                       .arg(outcome.notes);
    if (!outcome.ok()) {
        QStringList problems;
        for (const std::string &problem : outcome.problems)
            problems << QString::fromStdString(problem);
        text =
            ImportForm::tr("Import not complete: %1 %2").arg(problems.join(QLatin1Char(' ')), text);
    }
    window.notice->showNotice(kImportNotice, text);
    window.store->Rescan();
    if (window.reload)
        window.reload();
    if (window.undo && !outcome.changed.empty()) {
        UndoOffer::Steps steps;
        for (const UndoStep &step : outcome.changed)
            steps.push_back(std::make_shared<const UndoStep>(step));
        window.notice->clearNotice(kImportNotice);
        window.undo->offerAll(steps, text, true);
    }
}

} // namespace ImportAction
