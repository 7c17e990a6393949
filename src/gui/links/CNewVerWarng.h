// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/ResourceImage.h"

#include <QDialog>

class CHoverButton;

// The start-up prompt saying that this version is outdated: a picture filling the borderless
// dialog, "Click to download" (accepts) and "No, thanks" (rejects, as Escape does).
class CNewVerWarng : public QDialog
{
    Q_OBJECT

public:
    static constexpr int NoThanksId = 1022;
    static constexpr int DownloadId = 1023;

    explicit CNewVerWarng(QWidget *parent = nullptr);

    CHoverButton *noThanksButton() const { return m_noThanks; }
    CHoverButton *downloadButton() const { return m_download; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ResourceImage m_picture;
    CHoverButton *m_noThanks = nullptr;
    CHoverButton *m_download = nullptr;
};
