// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "platform/FileIo.h"
#include "store/UnsavedTexts.h"

#include <QObject>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

class CNoticeBar;
class DayStore;
class QLineEdit;

// The Food page's weight box: typing is saved shortly after its first key, one write for a burst
// of keys, to the day the box shows. A weight that cannot be saved stays as typed until a save
// succeeds; one typed over a weight stored elsewhere meanwhile is refused and said.
class WeightField : public QObject
{
    Q_OBJECT

public:
    WeightField(QLineEdit *box, DayStore &store, CNoticeBar *notice, QObject *parent = nullptr);

    // Fills the box from the day's weight; empty when it has none. Showing a weight never
    // writes it.
    void show(const DayFiles::LocalDate &day);
    // Saves what waits for the save timer, at once.
    void flush();
    // Shows the weight the file holds now when another writer changed it and nothing typed is
    // waiting.
    void refreshFromFile();
    // Saves again the weights that could not be saved.
    std::vector<FileIo::Result> retry();
    bool hasUnsaved() const { return !m_unsaved.empty(); }
    // The weights not saved, one line each, for the user to keep.
    std::string unsavedText() const;

signals:
    void saved(const FileIo::Result &result);

private:
    void save();

    static constexpr int SaveDelay = 250; // ms

    QLineEdit *m_box;
    DayStore &m_store;
    CNoticeBar *m_notice;
    DayFiles::LocalDate m_day;
    UnsavedTexts m_unsaved;
    // What the file held as far as the box knows: the weight it was filled with, or last saved.
    std::optional<float> m_shown;
    QTimer m_timer;
};
