// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>

// WCAG 2 contrast of red text against what lies behind it, measured on rendered pixels.
namespace Contrast {

inline double luminance(QColor c)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

inline double ratio(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The reddest pixel in `area` is the text; the commonest pixel that is not reddish is what it
// stands on.
inline double ofRedText(const QImage &image, const QRect &area)
{
    const auto redness = [](QColor c) {
        return c.red() - std::max(c.green(), c.blue());
    };
    QColor text;
    QHash<QRgb, int> behind;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (!text.isValid() || redness(c) > redness(text))
                text = c;
            if (redness(c) < 40)
                ++behind[c.rgb()];
        }
    }
    QRgb commonest = 0;
    int most = 0;
    for (auto it = behind.cbegin(); it != behind.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            commonest = it.key();
        }
    }
    return ratio(text, QColor::fromRgb(commonest));
}

} // namespace Contrast
