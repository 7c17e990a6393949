// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "controls/PaintedTexts.h"

#include <QThreadPool>
#include <QWidget>
#include <atomic>
#include <functional>

class QLabel;
class QLineEdit;
class DayStore;
class QProgressBar;
class SkinButton;

// The Settings page's export: a range of days written out as CSV files into a folder the user
// picks. They are read and written on a worker of the group's own, straight from the diary's
// folder, so a long range never holds the window; typing and saving go on meanwhile.
class ExportGroup : public QWidget
{
    Q_OBJECT

public:
    explicit ExportGroup(const DayStore *store, QWidget *parent = nullptr);
    // A running export is cancelled and waited for: it never leaves a partial file.
    ~ExportGroup() override;

    QLineEdit *fromBox() const { return m_from; }
    QLineEdit *toBox() const { return m_to; }
    SkinButton *exportButton() const { return m_button; }
    // Made when first needed: null before the first export or message.
    QProgressBar *progressBar() const { return m_progress; }
    QLabel *statusLabel() const { return m_status; }
    bool running() const { return m_running; }

    // The four weeks up to `last`, as the day strip shows them.
    void setRange(const DayFiles::LocalDate &last);
    // Exports the typed range into `folder`; what the button does once a folder is chosen.
    void exportTo(const QString &folder);

    // Tests answer the folder question themselves; an empty answer is a cancelled choice.
    static void setFolderChooserForTesting(std::function<QString()> chooser);

signals:
    void finished(bool ok);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buttonPressed();
    void makeProgressBar();
    void showProgress(int done, int total);
    void done(bool ok, bool cancelled, int days, const QString &folder,
              const QStringList &problems);
    void say(const QString &text, bool problem);
    static QString dayCount(int days);

    const DayStore *m_store;
    PaintedTexts m_texts;
    QLineEdit *m_from = nullptr;
    QLineEdit *m_to = nullptr;
    SkinButton *m_button = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_status = nullptr;
    bool m_running = false;
    std::atomic_bool m_cancel = false;
    QThreadPool m_worker;
};
