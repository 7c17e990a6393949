// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/BackgroundSlice.h"
#include "controls/StripButton.h"

// A skin button that sits directly on the main window: it paints the window's background behind
// its frame. Disabled, it shows its pressed frame in red tones only (the current page's button).
class CPNGButton : public StripButton
{
    Q_OBJECT

public:
    explicit CPNGButton(QWidget *parent = nullptr);

    // Tooltip from the string table, the strip from the resources.
    void SetupButton(int stringId, int imageId, const char *type);

protected:
    void paintEvent(QPaintEvent *event) override;
    // A double click is one click, not two.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    BackgroundSlice m_background;
    QImage m_disabledFrame;
};
