// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <functional>

class CNoticeBar;
class DayStore;
class QWidget;
class UndoOffer;

// Settings' "Import…": the files chosen (several at once), read into a plan that the import form
// shows, and written when the user says so; what was imported, or what failed, is said in the
// notice bar, with the offer to take it back.
namespace ImportAction {

struct Window
{
    QWidget *parent = nullptr;
    DayStore *store = nullptr;
    CNoticeBar *notice = nullptr;
    std::function<void()> flushTyping; // typing still waiting for its save goes first
    std::function<void()> reload; // the shown day and the strip, as the files now are
    UndoOffer *undo = nullptr; // offers to take the import back
};

void open(const Window &window);
// The files of a choice made already.
void importFiles(const Window &window, const QStringList &files);

// Tests answer the file question themselves; an empty answer is a cancelled choice.
void setFileChooserForTesting(std::function<QStringList()> chooser);

} // namespace ImportAction
