// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/SearchOrderSwitch.h"

#include "controls/SkinButton.h"

#include <QEvent>
#include <QLineEdit>
#include <algorithm>

SearchOrderSwitch::SearchOrderSwitch(QLineEdit *searchBox, QWidget *page)
    : QObject(page), m_searchBox(searchBox)
{
    m_button = new SkinButton(QString(), page);
    m_button->setObjectName(QStringLiteral("searchOrderButton"));
    m_button->setCheckable(true);
    m_button->setChecked(true);
    m_button->setCaptionPoints(8);
    m_button->setAccessibleName(tr("Best matches first"));
    const QString hint = tr("Best matches first, or all foods A to Z: click to switch");
    m_button->setToolTip(hint);
    m_button->setAccessibleDescription(hint);

    // As wide as the longer caption, so the box beside it keeps one width.
    int width = 0;
    for (const QString &caption : {tr("Best first"), tr("A\u2013Z")}) {
        m_button->setText(caption);
        width = std::max(width, m_button->sizeHint().width());
    }
    constexpr int Gap = 4;
    const QRect box = searchBox->geometry();
    searchBox->resize(box.width() - width - Gap, box.height());
    m_button->setGeometry(box.right() + 1 - width, box.top() - 1, width, box.height() + 2);
    m_button->setVisible(searchBox->isVisible());
    searchBox->installEventFilter(this);
    showOrder();

    connect(m_button, &QAbstractButton::toggled, this, [this](bool on) {
        showOrder();
        emit bestMatchesFirstChosen(on);
    });
}

void SearchOrderSwitch::setBestMatchesFirst(bool on)
{
    const QSignalBlocker quiet(m_button);
    m_button->setChecked(on);
    showOrder();
}

QAbstractButton *SearchOrderSwitch::button() const
{
    return m_button;
}

void SearchOrderSwitch::showOrder()
{
    m_button->setText(m_button->isChecked() ? tr("Best first") : tr("A\u2013Z"));
}

bool SearchOrderSwitch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_searchBox && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        m_button->setVisible(event->type() == QEvent::Show);
    return QObject::eventFilter(watched, event);
}

#include "moc_SearchOrderSwitch.cpp"
