#pragma once

#include "calendar/DayFiles.h"
#include "controls/BackgroundSlice.h"
#include "platform/FileIo.h"
#include "store/UnsavedTexts.h"

#include <QWidget>
#include <filesystem>

class DayStore;
class QPlainTextEdit;

// The Diary page: a free-text note for the selected day. There is no Save button: every change
// of the text is handed to the store at once, so nothing is lost when the day changes.
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
    // Hands the edit box's text to the store. What could not be saved stays in the box and is
    // kept, also across day changes, until a later save succeeds.
    void SaveNote();
    bool hasUnsaved() const { return !m_unsaved.empty(); }
    // Saves the kept texts again.
    void RetryUnsaved();

    QPlainTextEdit *editor() const { return m_edit; }

    // The shown day's note file.
    std::filesystem::path m_notePath;

signals:
    // The outcome of every save, and of every load.
    void saved(const FileIo::Result &result);
    void opened(const FileIo::Result &result);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    BackgroundSlice m_background;
    QPlainTextEdit *m_edit = nullptr;
    DayStore *m_store = nullptr;
    DayFiles::LocalDate m_day;
    UnsavedTexts m_unsaved;
};
