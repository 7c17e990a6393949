// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/UndoStep.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

class CNoticeBar;
class QWidget;

// Offers to take back the window's last change to a stored file, for half a minute: in the notice
// bar, whose text says what was done and is clicked to undo, and with Ctrl+Z (a text box keeps
// Ctrl+Z for its own text). Undone means the file holds exactly what it held before; a file
// another writer changed meanwhile is left alone and said so (UndoStep).
class UndoOffer : public QObject
{
    Q_OBJECT

public:
    static constexpr int OfferMilliseconds = 30000;

    // `restored` is called once an undo is done, with the files it put back or tried to, to
    // show them again.
    using Restored = std::function<void(const std::vector<std::filesystem::path> &)>;
    UndoOffer(CNoticeBar *bar, QWidget *window, Restored restored);

    using Steps = std::vector<std::shared_ptr<const UndoStep>>;
    void offer(const std::shared_ptr<const UndoStep> &step, const QString &what);
    // A change to several files, taken back in order; a refusal stops it there, unless the
    // files are `independent` of each other (an import's days): then each other one is still
    // taken back.
    void offerAll(const Steps &steps, const QString &what, bool independent = false);
    bool canUndo() const { return !m_steps.empty(); }
    void undo();

private:
    void withdraw();

    CNoticeBar *m_bar = nullptr;
    Restored m_restored;
    Steps m_steps;
    bool m_independent = false;
    QTimer m_expiry;
};
