#include "links/CNewVerWarng.h"

#include "controls/CHoverButton.h"
#include "layout/DialogLayout.h"

#include <QPainter>

namespace {

// Dialog units of the prompt's template: the dialog and its two buttons.
constexpr DialogLayout::Rect DialogUnits {0, 0, 216, 117};
constexpr DialogLayout::Rect NoThanksUnits {69, 94, 75, 14};
constexpr DialogLayout::Rect DownloadUnits {18, 80, 177, 15};

QPoint topLeft(DialogLayout::Rect units)
{
    const DialogLayout::Rect pixels = DialogLayout::toPixels(units);
    return {pixels.x, pixels.y};
}

} // namespace

CNewVerWarng::CNewVerWarng(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_picture(157, "LAYOUT")
{
    const DialogLayout::Rect size = DialogLayout::toPixels(DialogUnits);
    setFixedSize(size.width, size.height);
    setWindowTitle(QStringLiteral("Corvalo"));

    // The buttons keep their places and take the size of one frame of their strips.
    m_noThanks = new CHoverButton(this);
    m_noThanks->move(topLeft(NoThanksUnits));
    m_noThanks->SetupButton(144, 158, "BUTTONS");
    m_download = new CHoverButton(this);
    m_download->move(topLeft(DownloadUnits));
    m_download->SetupButton(145, 159, "BUTTONS");
    connect(m_download, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(m_noThanks, &QAbstractButton::clicked, this, &QDialog::reject);
}

void CNewVerWarng::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture.image());
}
