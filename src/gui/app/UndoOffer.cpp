// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UndoOffer.h"

#include "controls/CNoticeBar.h"
#include "platform/CoreText.h"
#include "store/SaveProblem.h"

#include <QShortcut>
#include <QWidget>

namespace {

const QString kUndoKey = QStringLiteral("undo");

} // namespace

UndoOffer::UndoOffer(CNoticeBar *bar, QWidget *window, Restored restored)
    : QObject(window), m_bar(bar), m_restored(std::move(restored))
{
    m_expiry.setSingleShot(true);
    m_expiry.setInterval(OfferMilliseconds);
    connect(&m_expiry, &QTimer::timeout, this, &UndoOffer::withdraw);
    connect(m_bar, &CNoticeBar::activated, this, [this](const QString &key) {
        if (key == kUndoKey)
            undo();
    });
    auto *shortcut = new QShortcut(QKeySequence::Undo, window);
    connect(shortcut, &QShortcut::activated, this, &UndoOffer::undo);
}

void UndoOffer::offer(const std::shared_ptr<const UndoStep> &step, const QString &what)
{
    offerAll({step}, what);
}

void UndoOffer::offerAll(const Steps &steps, const QString &what, bool independent)
{
    if (steps.empty())
        return;
    m_steps = steps;
    m_independent = independent;
    m_bar->showNotice(kUndoKey, what, tr("Click to undo (Ctrl+Z)."));
    m_bar->setActionable(kUndoKey, tr("Undo"));
    m_expiry.start();
}

void UndoOffer::undo()
{
    if (m_steps.empty())
        return;
    const Steps steps = std::move(m_steps);
    m_steps.clear();
    m_expiry.stop();
    m_bar->clearNotice(kUndoKey);
    std::vector<std::filesystem::path> files;
    for (const std::shared_ptr<const UndoStep> &step : steps) {
        const FileIo::Result result = step->restore();
        files.push_back(step->file());
        const QString name = QString::fromStdString(step->file().filename().string());
        if (result.problem == FileIo::Problem::Changed) {
            m_bar->showNotice(QString::fromStdString(step->file().string()),
                              tr("Not undone: %1 was changed meanwhile by another program, and "
                                 "its change is kept.")
                                  .arg(name));
        } else if (!result.ok()) {
            m_bar->showNotice(QString::fromStdString(step->file().string()),
                              tr("Not undone: %1")
                                  .arg(QString::fromStdString(SaveProblem::Reason(
                                      result, SaveProblem::Action::Save, CoreText::problem))));
        }
        if (!result.ok() && !m_independent)
            break;
    }
    if (m_restored)
        m_restored(files);
}

void UndoOffer::withdraw()
{
    m_steps.clear();
    m_bar->clearNotice(kUndoKey);
}

#include "moc_UndoOffer.cpp"
