// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// Fonts are given in points at 96 dpi, as pixel sizes, so layouts do not follow the screen's dpi.
inline QFont skinFont(const QString &family, double points, QFont::Weight weight = QFont::Normal,
                      bool italic = false)
{
    QFont font(family);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setWeight(weight);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
