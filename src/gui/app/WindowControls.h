// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QRect>

class CNoticeBar;
class CTimCalentar;
class QWidget;

// The main window's controls by id (DialogLayout::ControlId, or PageTable's page windows), each
// at its place from the dialog layout, created in declaration order: the day strip, the Food
// page's controls and the skinned buttons. A page's controls show with their page, so one built
// while the window is up never flashes.
class WindowControls
{
public:
    explicit WindowControls(QWidget *window) : m_window(window) { }

    // The controls on every page (base) and those of the Food page (food), for `page` shown.
    void create(bool base, bool food, int page);
    // The skin's images and texts on the buttons just created.
    void setUpButtons(bool base, bool food);
    // A control made elsewhere (a page window), at its place and shown with its page.
    void add(int id, QWidget *widget, int page);
    // A page window, hidden until its page is shown.
    void addPage(int id, QWidget *page);

    QWidget *control(int id) const { return m_controls.value(id); }
    template<typename Control> Control *as(int id) const
    {
        return static_cast<Control *>(control(id));
    }
    CTimCalentar *strip() const { return m_strip; }
    CNoticeBar *notice() const { return m_notice; }

    static QRect rectOf(int id);
    // The page area: the day strip's width, from its bottom edge to the window's.
    static QRect pageRect();

private:
    QWidget *m_window;
    QHash<int, QWidget *> m_controls;
    CTimCalentar *m_strip = nullptr;
    CNoticeBar *m_notice = nullptr;
};
