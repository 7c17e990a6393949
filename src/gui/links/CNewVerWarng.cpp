// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/CNewVerWarng.h"

#include "controls/CHoverButton.h"
#include "layout/DialogLayout.h"

#include <QPainter>

namespace {

QPoint topLeft(DialogLayout::Rect units)
{
    const DialogLayout::Rect pixels = DialogLayout::toPixels(units);
    return {pixels.x, pixels.y};
}

} // namespace

CNewVerWarng::CNewVerWarng(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_picture(157, "LAYOUT")
{
    const DialogLayout::Rect size = DialogLayout::toPixels(DialogLayout::PromptUnits);
    setFixedSize(size.width, size.height);
    setWindowTitle(QStringLiteral("Corvalo"));

    // The buttons keep their places and take the size of one frame of their strips.
    m_noThanks = new CHoverButton(this);
    m_noThanks->move(topLeft(DialogLayout::PromptNoThanksUnits));
    m_noThanks->SetupButton(144, 158, "BUTTONS");
    m_download = new CHoverButton(this);
    m_download->move(topLeft(DialogLayout::PromptDownloadUnits));
    m_download->SetupButton(145, 159, "BUTTONS");
    m_noThanks->setAccessibleName(tr("No, thanks"));
    m_download->setAccessibleName(tr("Download the new version"));
    setAccessibleName(tr("A new version of Corvalo is out"));
    connect(m_download, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(m_noThanks, &QAbstractButton::clicked, this, &QDialog::reject);
}

void CNewVerWarng::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    ResourceImage::smoothWhenScaled(painter, m_picture.image());
    painter.drawImage(QPoint(0, 0), m_picture.image());
}

#include "moc_CNewVerWarng.cpp"
