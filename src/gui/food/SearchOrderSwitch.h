// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAbstractButton;
class QLineEdit;
class SkinButton;

// The switch at the right end of the search box between best matches first and A to Z. It
// takes its room from the box, and comes and goes with it.
class SearchOrderSwitch : public QObject
{
    Q_OBJECT

public:
    SearchOrderSwitch(QLineEdit *searchBox, QWidget *page);

    // Shows the order without telling anyone.
    void setBestMatchesFirst(bool on);
    QAbstractButton *button() const;

signals:
    // The user switched.
    void bestMatchesFirstChosen(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showOrder();

    QLineEdit *m_searchBox = nullptr;
    SkinButton *m_button = nullptr;
};
