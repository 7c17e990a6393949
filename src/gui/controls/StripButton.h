// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/ResourceImage.h"

#include <QAbstractButton>

class FocusRing;

// A push button drawn from an image strip of three equal frames side by side: normal, hover,
// pressed. It takes the size of one frame, lights up while the mouse rests on it and shows a
// tooltip. Subclasses paint what lies behind the frame and the disabled look. It takes the
// keyboard focus by Tab only, so a click leaves the focus where the user was working.
class StripButton : public QAbstractButton
{
    Q_OBJECT

public:
    enum class Frame { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    explicit StripButton(QWidget *parent = nullptr);

    // Loads the strip and sizes the button to one frame, keeping its top-left corner.
    bool LoadStrip(int imageId, const char *type);
    void SetToolTipText(const QString &text, bool activate);

    int frameWidth() const { return m_frameWidth; }
    int frameHeight() const { return m_frameHeight; }
    bool isHovering() const { return m_hover; }

    // The button of the page on show: assistive tools hear it as the selected one.
    void setCurrent(bool current);
    bool isCurrent() const { return m_current; }

    // The look the button shows now; the first match of disabled, pressed, hover wins.
    Frame currentFrame() const;

    QSize sizeHint() const override { return {m_frameWidth, m_frameHeight}; }

protected:
    const QImage &strip() const { return m_strip.image(); }
    // Draws frame 0, 1 or 2 of the strip at the origin.
    void drawFrame(QPainter &painter, int frame) const;
    // Frame 0, 1 or 2 of the strip or of an image made from it, at its device pixel ratio.
    QImage frameImage(const QImage &image, int frame) const;
    // The images have no focus look of their own: a ring over them while the keyboard is here.
    void drawFocusRing(QPainter &painter) const;
    // The strip with a colour transform applied once, for the disabled look.
    static QImage transformed(const QImage &strip, int (*channel)(int value, int which));

    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QRect framePixels(const QImage &image, int frame) const;

    bool m_hover = false;
    bool m_current = false;
    FocusRing *m_focusRing = nullptr;
    ResourceImage m_strip;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
};
