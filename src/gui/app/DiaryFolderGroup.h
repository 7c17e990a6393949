// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/PaintedTexts.h"

#include <QWidget>
#include <filesystem>
#include <functional>

class QLabel;
class SkinButton;

// The Settings page's diary folder: where the diary is kept, and a button to choose another
// folder (one inside a synced folder, say), either moving the diary there or opening the diary
// that is already there. The window does the move and switches to the folder.
class DiaryFolderGroup : public QWidget
{
    Q_OBJECT

public:
    explicit DiaryFolderGroup(QWidget *parent = nullptr);

    // Shows the folder the diary is in, and why it is that one ("chosen in Settings").
    void setFolder(const std::filesystem::path &folder, const QString &why);
    SkinButton *chooseButton() const { return m_choose; }
    QLabel *folderLabel() const { return m_folder; }

    // Tests answer the folder question and the move-or-open question themselves.
    static void setChooserForTesting(std::function<QString()> folder, std::function<bool()> move);

signals:
    // The user chose `folder`, to move the diary into it, or else to open the diary there.
    void chosen(const std::filesystem::path &folder, bool move);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void choose();

    PaintedTexts m_texts;
    QLabel *m_folder = nullptr;
    SkinButton *m_choose = nullptr;
    std::filesystem::path m_current;
};
