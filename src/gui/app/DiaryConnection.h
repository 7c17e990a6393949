// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/WindowPages.h"
#include "platform/DiaryLocation.h"
#include "platform/FileIo.h"
#include "store/ConflictMerge.h"
#include "store/UndoStep.h"

#include <QObject>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

class CTimCalentar;
class DayStore;
class DiaryFollower;
class FileNotices;
class QWidget;

// The diary folder the window has open: moving it or opening another, showing what other
// writers change in it, and merging the conflict copies a sync engine leaves there.
class DiaryConnection : public QObject
{
    Q_OBJECT

public:
    struct Window
    {
        std::function<void()> flushTyping;
        std::function<void()> loadDay;
        // Opens the diary where the remembered location says; whether it can be written.
        std::function<FileIo::Result()> reopen;
        std::function<const DiaryLocation::Resolved &()> location;
        // A change to the files that can be taken back (UndoOffer).
        std::function<void(const std::vector<std::shared_ptr<const UndoStep>> &, const QString &)>
            offerUndo;
    };

    DiaryConnection(DayStore &store, const WindowPages &pages, FileNotices *files,
                    CTimCalentar *strip, Window window, QWidget *parent);

    // The diary moved to `folder` (or the one there opened), and shown from there.
    void move(const std::filesystem::path &folder, bool move);
    // Where the diary is, on the Settings page.
    void showFolder();
    // Follows the selected day and the strip's days.
    void follow();
    void openMerge(const ConflictMerge::Found &found);
    DiaryFollower *follower() const { return m_follower; }

private:
    DayStore &m_store;
    const WindowPages &m_pages;
    FileNotices *m_files;
    CTimCalentar *m_strip;
    Window m_window;
    QWidget *m_parent;
    DiaryFollower *m_follower = nullptr;
};
