// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/MealAmountEditor.h"

#include "meals/CMealsList.h"
#include "meals/MealEntry.h"
#include "platform/NumberText.h"
#include "platform/ShownNumber.h"
#include "platform/Text8.h"
#include "platform/TypedNumber.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr int MinimumEditorLength = 7;

// Out of range doubles become infinities instead of undefined behaviour.
float toStoredAmount(double value)
{
    if (std::isfinite(value) && std::abs(value) > std::numeric_limits<float>::max())
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

QFont editorFont()
{
    // Arial's cell is 2288/2048 of its em, so the 19-pixel cell the editor is laid out for is
    // a 17-pixel em.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(17);
    return font;
}

} // namespace

MealAmountEditor::MealAmountEditor(CMealsList *list)
    : QObject(list), m_list(list), m_edit(new QLineEdit(list->viewport()))
{
    m_edit->setObjectName(QStringLiteral("amountEditor"));
    m_edit->setFrame(false);
    m_edit->setAlignment(Qt::AlignCenter);
    m_edit->setMaxLength(MinimumEditorLength);
    m_edit->setFont(editorFont());
    m_edit->hide();
    m_edit->installEventFilter(this);
}

void MealAmountEditor::Close()
{
    if (m_row != -1) {
        m_row = -1;
        m_edit->hide();
    }
}

void MealAmountEditor::backToEditedRow(int index)
{
    if (std::exchange(m_fromKeys, false) && index >= 0 && index < m_list->count())
        m_list->setCurrentRow(index);
}

bool MealAmountEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit)
        return QObject::eventFilter(watched, event);

    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int edited = m_row;
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Commit(CommitOn::Enter);
            // Back to the list before hiding, so the focus does not wander off to another
            // control; the editor's focus loss then finds no edit open.
            m_list->setFocus(Qt::OtherFocusReason);
            m_edit->hide();
            backToEditedRow(edited);
            return true;
        }
        if (key == Qt::Key_Escape) {
            // Cancels the edit only; left to travel on, it would close the window and save
            // what was half typed on the way out.
            m_row = -1;
            m_list->setFocus(Qt::OtherFocusReason);
            m_edit->hide();
            m_list->viewport()->update();
            backToEditedRow(edited);
            emit ended();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // The editor's own context menu takes the focus only for a moment.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            Commit(CommitOn::FocusLoss);
    }
    return false;
}

void MealAmountEditor::Begin(int index, int visibleRow, bool fromKeys)
{
    m_fromKeys = fromKeys;
    const MealRowLayout::Box box = m_list->rowLayout().editorBox(visibleRow);
    m_edit->setGeometry(box.x, box.y, box.width, box.height);
    m_edit->raise();
    m_edit->show();
    m_edit->setFocus(Qt::MouseFocusReason);
    m_row = index;

    // Always one decimal, also where the row shows none. The length limit is for typing: a
    // longer stored amount is shown whole, not cut into another number.
    const QString text = ShownNumber::fixed(m_list->entries()[std::size_t(index)].amount, 1);
    m_edit->setMaxLength(std::max<int>(MinimumEditorLength, text.size()));
    m_edit->setText(text);
    m_edit->selectAll();
}

void MealAmountEditor::Commit(CommitOn reason)
{
    // Closed before anything else: saving reloads the list and moves the focus, and neither
    // may commit this edit a second time.
    const int index = std::exchange(m_row, -1);
    if (index < 0 || index >= m_list->count()) {
        m_list->viewport()->update();
        return;
    }
    const QString text = m_edit->text();
    if (reason == CommitOn::FocusLoss)
        m_edit->hide();

    // The editor shows one decimal, so its text is only a rounded view of the amount: store
    // it only when the user has changed it. Compared in double precision: a value single
    // precision cannot hold (12.3) always counts as a change and rewrites the same value.
    // An amount that cannot be logged (no number, zero, negative, too large) is refused: the
    // entry keeps its old one.
    const TypedNumber number = TypedNumber::read(Text8::fromQString(text));
    const double typed = number.kind == TypedNumber::Kind::Number ? number.value : 0.0;
    if (m_edit->isModified() && typed != double(m_list->entries()[std::size_t(index)].amount)) {
        if (!IsTypedAmount(typed))
            emit refused(text);
        else
            emit changed(index, toStoredAmount(typed));
    }
    emit ended();
    m_list->viewport()->update();
}

#include "moc_MealAmountEditor.cpp"
