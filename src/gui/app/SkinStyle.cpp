// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SkinStyle.h"

#include "skin/SkinColors.h"

namespace SkinStyle {

namespace {

QString hex(std::uint32_t argb)
{
    return QStringLiteral("#%1").arg(argb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

// The unit box's drop-down part and the scroll bars look like the skin's buttons. The scroll bar
// rules name no list: a scroll area makes its bars while it is still being constructed, before
// a selector by its own class could match.
QString skinnedParts()
{
    return QStringLiteral(R"(
QComboBox { padding-right: 18px; }
QComboBox::drop-down {
    subcontrol-origin: border;
    subcontrol-position: top right;
    width: 16px;
    border: none;
    border-left: 1px solid %3;
    border-top-right-radius: 3px;
    border-bottom-right-radius: 3px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2);
}
QComboBox::down-arrow { image: url(:/STYLE/1); width: 10px; height: 7px; }
QComboBox::down-arrow:on { top: 1px; }
QScrollBar:vertical {
    background: %4;
    width: 14px;
    margin: 0px;
    border: none;
    border-radius: 4px;
}
QScrollBar::handle:vertical {
    background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %1, stop:1 %2);
    border: 1px solid %3;
    border-radius: 4px;
    min-height: 20px;
}
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical {
    height: 0px;
    border: none;
    background: none;
}
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical {
    background: none;
}
)")
        .arg(hex(SkinColors::ButtonTop), hex(SkinColors::ButtonBottom), hex(SkinColors::PanelEdge),
             hex(SkinColors::DeepBlue));
}

} // namespace

QString styleSheet()
{
    // %1 field, %2 ink, %3 edge, %4 selection, %5 focus, %6 grid, %7 tooltip. The skinned parts
    // come last: they refine the rules above. The focused box's edge is dark against its white;
    // FieldFocusFrame lays the light outer ring over it.
    return QStringLiteral(R"(
QLineEdit, QComboBox, QDateEdit {
    background: %1;
    color: %2;
    border: 1px solid %3;
    border-radius: 3px;
    padding: 0px 3px;
    selection-background-color: %4;
    font-family: Arial;
    font-size: 12px;
}
QLineEdit:focus, QComboBox:focus, QDateEdit:focus { border: 1px solid %5; }
QComboBox QAbstractItemView {
    background: %1;
    color: %2;
    selection-background-color: %4;
    selection-color: %1;
}
QTableView, QTreeView {
    background: %1;
    color: %2;
    gridline-color: %6;
    border: 1px solid %3;
    selection-background-color: %4;
    selection-color: %1;
    font-family: Arial;
    font-size: 12px;
}
QToolTip {
    background: %7;
    color: %2;
    border: 1px solid %3;
}
)")
               .arg(hex(SkinColors::White), hex(SkinColors::FieldText), hex(SkinColors::PanelEdge),
                    hex(SkinColors::FieldSelection), hex(SkinColors::FocusRingInner),
                    hex(SkinColors::TableGrid), hex(SkinColors::TooltipPlate)) +
        skinnedParts();
}

} // namespace SkinStyle
