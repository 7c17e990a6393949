// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "controls/BackgroundSlice.h"
#include "platform/FileIo.h"
#include "store/BackgroundWriter.h"
#include "store/DayStore.h"
#include "store/UnsavedTexts.h"

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QPlainTextEdit;

// The Diary page: a free-text note for the selected day. There is no Save button: typing is
// handed to the store at most SaveDelay after the first unsaved key, and at once when the day
// changes or the page goes away, so a long note does not rewrite its file on every key. The
// file is written on a thread of its own, so a long note never stops the typing; a day change,
// a load and a flush wait for it, and come after the note is on disk (or kept as unsaved).
class CDiary : public QWidget
{
    Q_OBJECT

public:
    // The note edit box's control id.
    static constexpr int NoteEditId = 1021;

    explicit CDiary(QWidget *parent = nullptr);

    // Where the notes are kept; not owned.
    void setStore(DayStore *store) { m_store = store; }

    // Shows the note of another day.
    void SetNoteDay(const DayFiles::LocalDate &day);
    // Fills the edit box from the day's note; showing a note never writes it.
    void LoadNote();
    // Hands the edit box's text to the store, to be written in the background. What could not
    // be saved stays in the box and is kept, also across day changes, until a later save
    // succeeds.
    void SaveNote();
    // Saves typing that is still waiting for its timer, and returns once every save asked for
    // has been written and its outcome told.
    void FlushNote();
    bool hasUnsaved() const { return !m_unsaved.empty(); }
    // Each note kept unsaved, under its date, as plain text.
    std::string unsavedText() const;
    // Saves the kept texts again, in the background.
    void RetryUnsaved();
    // Shows the note the file holds now when another writer changed it and nothing typed here
    // is waiting: typing is never replaced (its save keeps the other text aside instead).
    void RefreshFromFile();

    QPlainTextEdit *editor() const { return m_edit; }

    // The shown day's note file.
    std::filesystem::path m_notePath;

signals:
    // The outcome of every save, and of every load.
    void saved(const FileIo::Result &result);
    // Another writer's note was found in the file at a save, and kept in `copy` beside it.
    void keptAside(const DayFiles::LocalDate &day, const std::filesystem::path &copy);
    void opened(const FileIo::Result &result);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    BackgroundSlice m_background;
    QPlainTextEdit *m_edit = nullptr;
    DayStore *m_store = nullptr;
    DayFiles::LocalDate m_day;
    UnsavedTexts m_unsaved;

    // A crash loses at most this much typing; the file is rewritten whole, so not per key.
    // The write of a long note takes its own time on top of this: together within a quarter
    // of a second.
    static constexpr int SaveDelay = 150; // ms
    void noteEdited();
    QTimer m_saveTimer;
    bool m_pending = false;

    // Queues a save of the day's note; `text` makes the text on the writer's thread.
    void queueSave(const DayFiles::LocalDate &day, std::function<std::string()> text);
    // Back on this thread: the store learns of the write, the user of its outcome.
    void noteWritten(const DayFiles::LocalDate &day, std::uint64_t ticket,
                     const DayStore::NoteWrite &write, const std::string &text);
    // The latest save asked for each file, until its outcome is in.
    std::map<std::filesystem::path, std::uint64_t> m_saving;
    // What each note file held when it was last read or written here (NoteFile::Fingerprint).
    std::map<std::filesystem::path, std::uint64_t> m_known;
    // The same, as the writer's thread learns it from its own writes: only it touches this.
    std::shared_ptr<std::map<std::filesystem::path, std::uint64_t>> m_written =
        std::make_shared<std::map<std::filesystem::path, std::uint64_t>>();
    std::uint64_t m_lastTicket = 0;
    // Last: its thread has ended before anything it posts to goes.
    BackgroundWriter m_writer;
};
