// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/ResourceImage.h"

class QPainter;
class QWidget;

// Views on the main window look transparent by painting the part of the main background that
// lies under them: the view colour, then the background image shifted by the view's position.
// The painter is left scaling the skin's images smoothly where the screen needs that.
class BackgroundSlice
{
public:
    BackgroundSlice();

    void paint(QPainter &painter, const QWidget *view) const;

private:
    ResourceImage m_background;
};
