#include "app/SkinStyle.h"

namespace SkinStyle {

QString styleSheet()
{
    return QStringLiteral(R"(
QLineEdit, QComboBox {
    background: #ffffff;
    color: #12325a;
    border: 1px solid #8cc8ff;
    border-radius: 3px;
    padding: 0px 3px;
    selection-background-color: #2f8cff;
    font-family: Arial;
    font-size: 12px;
}
QLineEdit:focus, QComboBox:focus { border: 1px solid #ffffff; }
QComboBox::drop-down { border: none; width: 16px; }
QComboBox QAbstractItemView {
    background: #ffffff;
    color: #12325a;
    selection-background-color: #2f8cff;
    selection-color: #ffffff;
}
QTableView {
    background: #ffffff;
    color: #12325a;
    gridline-color: #d6e8ff;
    border: 1px solid #8cc8ff;
    selection-background-color: #2f8cff;
    selection-color: #ffffff;
    font-family: Arial;
    font-size: 12px;
}
QToolTip {
    background: #fffbe6;
    color: #12325a;
    border: 1px solid #8cc8ff;
}
)");
}

} // namespace SkinStyle
