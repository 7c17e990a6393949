// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowControls.h"

#include "calendar/CTimCalentar.h"
#include "controls/CHoverButton.h"
#include "controls/CNoticeBar.h"
#include "controls/CPNGButton.h"
#include "controls/NamedComboBox.h"
#include "food/FoodListView.h"
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"
#include "meals/CElements.h"
#include "meals/CMealsList.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <span>

namespace {

// The band above the page buttons, right of the longest month caption: free on every page.
const QRect kNoticeRect(256, 1, 356, 17);

struct ButtonSkin
{
    DialogLayout::ControlId id;
    int stringId;
    int imageId;
};

// In the order the buttons are declared and set up.
constexpr ButtonSkin kButtonSkins[] = {
    {DialogLayout::CloseButton, 133, 140},          {DialogLayout::FoodButton, 134, 141},
    {DialogLayout::ChartsButton, 135, 142},         {DialogLayout::DiaryButton, 136, 143},
    {DialogLayout::OvulationButton, 137, 144},      {DialogLayout::SettingsButton, 138, 145},
    {DialogLayout::DeleteSelectedButton, 139, 146}, {DialogLayout::ClearListButton, 140, 147},
    {DialogLayout::CommunityButton, 141, 148},
};

constexpr bool onFoodPage(int id)
{
    return id == DialogLayout::DeleteSelectedButton || id == DialogLayout::ClearListButton;
}

} // namespace

QRect WindowControls::rectOf(int id)
{
    const DialogLayout::Rect r = DialogLayout::pixelRect(static_cast<DialogLayout::ControlId>(id));
    return {r.x, r.y, r.width, r.height};
}

QRect WindowControls::pageRect()
{
    const QRect strip = rectOf(DialogLayout::DayStrip);
    return {strip.left(), strip.bottom() + 1, strip.width(),
            DialogLayout::WindowHeight - strip.bottom() - 1};
}

void WindowControls::add(int id, QWidget *widget, int page)
{
    widget->setObjectName(QStringLiteral("control%1").arg(id));
    widget->setGeometry(rectOf(id));
    const auto onPage = [id](std::span<const int> ids) {
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    };
    widget->setVisible(
        onPage(PageTable::AllPageControls)
            ? onPage(PageTable::ControlsOf(page))
            : DialogLayout::control(static_cast<DialogLayout::ControlId>(id)).visibleAtStart);
    m_controls.insert(id, widget);
}

void WindowControls::addPage(int id, QWidget *page)
{
    m_controls.insert(id, page);
    page->setGeometry(pageRect());
    page->hide();
}

void WindowControls::create(bool base, bool food, int page)
{
    QWidget *window = m_window;
    if (food)
        add(DialogLayout::WeightBox, new QLineEdit(window), page);
    if (base) {
        m_strip = new CTimCalentar(window);
        add(DialogLayout::DayStrip, m_strip, page);
    }
    if (food) {
        add(DialogLayout::MealList, new CMealsList(window), page);
        add(DialogLayout::SearchBox, new QLineEdit(window), page);
        add(DialogLayout::FoodList, new FoodListView(window), page);
        add(DialogLayout::AmountBox, new QLineEdit(window), page);
        add(DialogLayout::NutrientPanel, new CElements(window), page);
        auto *unitBox = new NamedComboBox(window);
        add(DialogLayout::UnitBox, unitBox, page);
        // A drop-down list: the template's height is that of the open list.
        unitBox->setFixedHeight(rectOf(DialogLayout::AmountBox).height() + 2);
        add(DialogLayout::AddButton, new CHoverButton(window), page);
    }
    if (base) {
        m_notice = new CNoticeBar(window);
        m_notice->setObjectName(QStringLiteral("noticeBar"));
        m_notice->setGeometry(kNoticeRect);
    }
    for (const ButtonSkin &skin : kButtonSkins) {
        if (onFoodPage(skin.id) ? food : base)
            add(skin.id, new CPNGButton(window), page);
    }
}

void WindowControls::setUpButtons(bool base, bool food)
{
    for (const ButtonSkin &skin : kButtonSkins) {
        if (onFoodPage(skin.id) ? food : base)
            as<CPNGButton>(skin.id)->SetupButton(skin.stringId, skin.imageId, "BUTTONS");
    }
    if (food)
        as<CHoverButton>(DialogLayout::AddButton)->SetupButton(143, 155, "BUTTONS");
}
