// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

class FocusRing;

// A push button painted in the skin's button look (the face of Delete Selected and Clear List,
// or the green of Add) with its caption as text, for buttons whose captions are translated and
// so cannot come from the button images. It takes its size from the caption unless given one.
class SkinButton : public QAbstractButton
{
    Q_OBJECT

public:
    enum class Look { Blue, Green };

    explicit SkinButton(const QString &caption, QWidget *parent = nullptr, Look look = Look::Blue);

    // Points of the caption's bold Arial.
    void setCaptionPoints(double points);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    Look m_look;
    bool m_hover = false;
    FocusRing *m_focusRing = nullptr;
};
