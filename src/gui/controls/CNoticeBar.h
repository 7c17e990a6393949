// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QVector>
#include <QWidget>

// A strip that tells the user what could not be saved, without stopping them: hidden until a
// notice comes, it shows the latest one (elided, the whole text in the tooltip) on an amber
// plate with a small close cross. Each notice has a key, the file it is about, so that a later
// successful save of that file clears it. It never takes the keyboard focus.
class CNoticeBar : public QWidget
{
    Q_OBJECT

public:
    explicit CNoticeBar(QWidget *parent = nullptr);

    // Shows `text` under `key`, replacing an earlier notice of the same key. A `tail` (what a
    // click does, say) follows the text after a space and is always shown whole: the text is cut
    // short before it.
    void showNotice(const QString &key, const QString &text, const QString &tail = {});
    // Removes the notice of `key`; the bar goes back to the one before, or hides.
    void clearNotice(const QString &key);
    void clearAll();

    bool hasNotice(const QString &key) const;
    int noticeCount() const { return int(m_notices.size()); }
    // The latest notice in full, and as much of it as the bar shows.
    QString text() const;
    QString displayedText() const;
    // Where the close cross is, in the bar's coordinates.
    QRect closeRect() const;

    QSize sizeHint() const override;

    // A click on the notice of `key` does something, which `hint` (the tooltip) says.
    void setActionable(const QString &key, const QString &hint);
    // The latest notice's key, empty without one.
    QString currentKey() const;

signals:
    // The user closed the bar with its cross.
    void dismissed();
    // The user clicked the latest notice's text, to act on it (notices that offer something
    // say so in their text).
    void activated(const QString &key);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    struct Notice
    {
        QString key;
        QString text;
        QString tail;

        QString whole() const { return tail.isEmpty() ? text : text + QLatin1Char(' ') + tail; }
    };

    QRect markRect() const;
    QRect textRect() const;
    void refresh();

    QVector<Notice> m_notices; // oldest first
    QHash<QString, QString> m_actionHints;
    QFont m_font;
    bool m_closeHover = false;
};
