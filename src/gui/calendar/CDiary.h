#pragma once

#include "controls/BackgroundSlice.h"

#include <QWidget>
#include <filesystem>

class QPlainTextEdit;

// The Diary page: a free-text note for the selected day. There is no Save button: every change
// of the text rewrites the day's note file at once, so nothing is lost when the day changes.
class CDiary : public QWidget
{
    Q_OBJECT

public:
    // The note edit box's control id.
    static constexpr int NoteEditId = 1021;

    explicit CDiary(QWidget *parent = nullptr);

    // Shows the note of another day.
    void SetNotePath(const std::filesystem::path &path);
    // Fills the edit box from the note file; showing a note never writes it.
    void LoadNote();
    // Writes the edit box's text to the note file.
    void SaveNote();

    QPlainTextEdit *editor() const { return m_edit; }

    std::filesystem::path m_notePath;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    BackgroundSlice m_background;
    QPlainTextEdit *m_edit = nullptr;
};
