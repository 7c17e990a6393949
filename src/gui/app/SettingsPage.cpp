// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsPage.h"

#include "app/DiaryFolderGroup.h"
#include "app/ExportGroup.h"
#include "app/ProfileGroup.h"
#include "app/SettingsPanels.h"
#include "controls/FocusRing.h"
#include "controls/ResourceImage.h"
#include "controls/SkinButton.h"
#include "meals/NutrientText.h"
#include "platform/CoreText.h"
#include "platform/SkinFont.h"
#include "platform/Text8.h"
#include "platform/TypedNumber.h"
#include "skin/SkinColors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

// Frosted panels as on the Diary page: the goals on the left, the food list's order at the
// top right, the export (a panel of its own) below it.
const QRect kGoalsPanel(12, 10, 380, 362);
const QRect kSearchPanel(404, 10, 222, 86);
const QRect kFolderPanel(404, 104, 222, 70);
const QRect kExportPanel(404, 182, 222, 190);

constexpr int kFirstRowTop = 62;
constexpr int kRowHeight = 30;
constexpr int kGoalLeft = 156;
constexpr int kGoalWidth = 76;
constexpr int kUnitLeft = kGoalLeft + kGoalWidth + 6;
constexpr int kKindLeft = 268;
constexpr int kKindWidth = 112;

QString colourName(std::uint32_t argb)
{
    return QColor::fromRgba(argb).name();
}

QString kindText(NutrientGoals::Kind kind)
{
    return kind == NutrientGoals::Kind::Target
        ? QCoreApplication::translate("SettingsPage", "at least")
        : QCoreApplication::translate("SettingsPage", "at most");
}

// The meal list's tick images, so the page's one check box looks like the skin's.
class SkinCheckBox : public QCheckBox
{
public:
    SkinCheckBox(const QString &text, QWidget *parent)
        : QCheckBox(text, parent), m_on(135, "LAYOUT"), m_off(136, "LAYOUT"),
          m_focusRing(FocusRing::follow(this, this))
    {
        setFont(skinFont(QStringLiteral("Arial"), 10, QFont::Bold));
        setCursor(Qt::PointingHandCursor);
    }

    QSize sizeHint() const override
    {
        return {kInset + kTick.width() + kGap + fontMetrics().horizontalAdvance(text()) + 6,
                kTick.height() + 4};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        const QRect tick(QPoint(kInset, (height() - kTick.height()) / 2), kTick);
        const QImage &image = (isChecked() ? m_on : m_off).image();
        ResourceImage::smoothWhenScaled(painter, image);
        painter.drawImage(tick, image);
        painter.setPen(QColor::fromRgba(SkinColors::Text));
        painter.drawText(rect().adjusted(tick.right() + kGap, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, text());
        if (m_focusRing->visible())
            FocusRing::paint(painter, QRectF(rect()));
    }

    // The whole row takes the click, text included.
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    static constexpr QSize kTick {24, 22};
    static constexpr int kGap = 6;
    // Room for the focus ring round the tick.
    static constexpr int kInset = 5;
    ResourceImage m_on;
    ResourceImage m_off;
    FocusRing *m_focusRing;
};

} // namespace

SettingsPage::SettingsPage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QFont titleFont = skinFont(QStringLiteral("Arial"), 12, QFont::Bold);
    const QFont labelFont = skinFont(QStringLiteral("Arial"), 10, QFont::Bold);
    const QFont hintFont = skinFont(QStringLiteral("Arial"), 9);
    const int goalsLeft = kGoalsPanel.left() + SettingsPanels::Padding;

    const int goalsWidth = kGoalsPanel.width() - 2 * SettingsPanels::Padding;
    m_texts.add(QRect(goalsLeft, kGoalsPanel.top() + 8, goalsWidth, 22), tr("Daily goals"),
                titleFont, SkinColors::Text);
    m_texts.add(QRect(goalsLeft, kGoalsPanel.top() + 30, goalsWidth, 16),
                tr("Leave a box empty for no goal."), hintFont, SkinColors::PromptSubtext);

    // The panel's order, top to bottom.
    std::array<int, Nutrient::Count> byRow {};
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient)
        byRow[NutrientText::ScreenRow(nutrient)] = nutrient;

    for (int row = 0; row < Nutrient::Count; ++row) {
        const int nutrient = byRow[row];
        const int top = kFirstRowTop + row * kRowHeight;
        const QString name = CoreText::nutrientName(nutrient);

        m_texts.add(
            QRect(goalsLeft, top, kGoalLeft - goalsLeft - 4, SettingsPanels::BoxHeight),
            QCoreApplication::translate("NutrientText", NutrientText::Label(nutrient).data()),
            labelFont, SkinColors::Text);

        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("goal%1").arg(nutrient));
        box->setGeometry(kGoalLeft, top, kGoalWidth, SettingsPanels::BoxHeight);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setAccessibleName(tr("Daily goal for %1").arg(name));
        connect(box, &QLineEdit::textEdited, this, [this, nutrient] { goalTyped(nutrient); });
        m_goalBoxes[nutrient] = box;

        const QString unit = Text8::toQString(NutrientText::Unit(nutrient));
        if (!unit.isEmpty())
            m_texts.add(QRect(kUnitLeft, top, kKindLeft - kUnitLeft - 4, SettingsPanels::BoxHeight),
                        unit, hintFont, SkinColors::Text);

        if (NutrientGoals::kindIsChoosable(nutrient)) {
            auto *kind = new QComboBox(this);
            kind->setObjectName(QStringLiteral("kind%1").arg(nutrient));
            kind->addItem(kindText(NutrientGoals::Kind::Target));
            kind->addItem(kindText(NutrientGoals::Kind::Limit));
            kind->setGeometry(kKindLeft, top - 1, kKindWidth, SettingsPanels::BoxHeight + 2);
            kind->setAccessibleName(tr("Kind of the goal for %1").arg(name));
            connect(kind, &QComboBox::activated, this,
                    [this, nutrient](int index) { kindChosen(nutrient, index); });
            m_kindBoxes[nutrient] = kind;
        } else {
            m_texts.add(QRect(kKindLeft + 4, top, kKindWidth - 4, SettingsPanels::BoxHeight),
                        kindText(NutrientGoals::defaultKind(nutrient)), hintFont, SkinColors::Text);
        }
    }

    // At the right of the panel's title, above the calorie goal it raises.
    m_addBurned = new SkinCheckBox(tr("+ calories burned"), this);
    m_addBurned->setObjectName(QStringLiteral("addBurned"));
    const int addBurnedWidth = m_addBurned->sizeHint().width();
    m_addBurned->setGeometry(kGoalsPanel.right() - SettingsPanels::Padding + 5 - addBurnedWidth,
                             kGoalsPanel.top() + 6, addBurnedWidth, 26);
    connect(m_addBurned, &QAbstractButton::toggled, this, &SettingsPage::addBurnedChanged);
    const QString addBurnedHint = tr("A day's calorie goal grows by the calories its activities "
                                     "burned. What you ate is counted as it is.");
    m_addBurned->setToolTip(addBurnedHint);
    m_addBurned->setAccessibleName(tr("Add calories burned to the calorie goal"));
    m_addBurned->setAccessibleDescription(addBurnedHint);

    const int searchLeft = kSearchPanel.left() + SettingsPanels::Padding;
    const int searchWidth = kSearchPanel.width() - 2 * SettingsPanels::Padding;
    m_bestMatches = new SkinCheckBox(tr("Best matches first"), this);
    m_bestMatches->setObjectName(QStringLiteral("bestMatchesFirst"));
    m_bestMatches->setGeometry(searchLeft - 5, kSearchPanel.top() + 6, searchWidth + 5, 26);
    connect(m_bestMatches, &QAbstractButton::toggled, this, &SettingsPage::bestMatchesFirstChanged);
    // Room for the diary folder below: what the switch does is told on demand.
    const QString bestMatchesHint = tr("The plain food named by what you type comes first, "
                                       "before brands, dishes and baby food. Off: in "
                                       "alphabetical order.");
    m_bestMatches->setToolTip(bestMatchesHint);
    m_bestMatches->setAccessibleDescription(bestMatchesHint);

    m_texts.add(QRect(searchLeft, kSearchPanel.top() + 36, searchWidth, 18),
                tr("Nutrient targets for"), labelFont, SkinColors::Text);
    m_profile = new ProfileGroup(this);
    m_profile->setGeometry(searchLeft, kSearchPanel.top() + 56, searchWidth, 22);
    connect(m_profile, &ProfileGroup::profileChanged, this, &SettingsPage::profileChanged);

    m_folderGroup = new DiaryFolderGroup(this);
    m_folderGroup->setGeometry(kFolderPanel);
}

void SettingsPage::setExportGroup(ExportGroup *group)
{
    m_export = group;
    group->setParent(this);
    group->setGeometry(kExportPanel);
    group->show();
    // Bringing days in sits with taking them out.
    auto *import = new SkinButton(tr("Import…"), this);
    import->setObjectName(QStringLiteral("importButton"));
    const QSize size = import->sizeHint();
    import->setGeometry(kExportPanel.right() + 1 - SettingsPanels::Padding - size.width(),
                        kExportPanel.top() + 6, size.width(), size.height());
    const QString hint = tr("Adds the days of another diary's export files: Cronometer's, "
                            "MyFitnessPal's or Corvalo's own. You see what they hold first.");
    import->setToolTip(hint);
    import->setAccessibleDescription(hint);
    import->raise();
    import->show();
    connect(import, &QAbstractButton::clicked, this, &SettingsPage::importRequested);
    m_import = import;
}

QLineEdit *SettingsPage::goalBox(int nutrient) const
{
    return nutrient >= 0 && nutrient < Nutrient::Count ? m_goalBoxes[nutrient] : nullptr;
}

QComboBox *SettingsPage::kindBox(int nutrient) const
{
    return nutrient >= 0 && nutrient < Nutrient::Count ? m_kindBoxes[nutrient] : nullptr;
}

QList<QWidget *> SettingsPage::tabOrder() const
{
    QList<QWidget *> order;
    for (int row = 0; row < Nutrient::Count; ++row) {
        for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient) {
            if (NutrientText::ScreenRow(nutrient) != row)
                continue;
            order.append(m_goalBoxes[nutrient]);
            if (m_kindBoxes[nutrient])
                order.append(m_kindBoxes[nutrient]);
        }
    }
    order << m_addBurned << m_bestMatches << m_profile->whoBox() << m_profile->ageBox();
    order.append(m_folderGroup->chooseButton());
    if (m_export)
        order << m_import << m_export->fromBox() << m_export->toBox() << m_export->exportButton();
    return order;
}

void SettingsPage::setGoals(const NutrientGoals &goals)
{
    m_goals = goals;
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient) {
        m_goalBoxes[nutrient]->setText(QString::fromStdString(goals.goalText(nutrient)));
        markGoalBox(nutrient);
        if (QComboBox *kind = m_kindBoxes[nutrient])
            kind->setCurrentIndex(goals.kind(nutrient) == NutrientGoals::Kind::Target ? 0 : 1);
    }
}

void SettingsPage::setAddBurned(bool on)
{
    const QSignalBlocker quiet(m_addBurned);
    m_addBurned->setChecked(on);
}

void SettingsPage::setBestMatchesFirst(bool on)
{
    const QSignalBlocker quiet(m_bestMatches);
    m_bestMatches->setChecked(on);
}

void SettingsPage::goalTyped(int nutrient)
{
    // A goal typed with a decimal comma is kept with the point; text that is no number is none.
    const std::string typed = Text8::fromQString(m_goalBoxes[nutrient]->text());
    m_goals.setGoalText(nutrient,
                        TypedNumber::read(typed).kind == TypedNumber::Kind::Number
                            ? TypedNumber::withPoint(typed)
                            : std::string());
    markGoalBox(nutrient);
    emit goalsChanged(m_goals);
}

void SettingsPage::kindChosen(int nutrient, int index)
{
    m_goals.setKind(nutrient,
                    index == 0 ? NutrientGoals::Kind::Target : NutrientGoals::Kind::Limit);
    emit goalsChanged(m_goals);
}

void SettingsPage::markGoalBox(int nutrient)
{
    QLineEdit *box = m_goalBoxes[nutrient];
    const bool refused = !box->text().trimmed().isEmpty() && !m_goals.hasGoal(nutrient);
    if (refused == box->property("refused").toBool())
        return;
    box->setProperty("refused", refused);
    box->setStyleSheet(refused ? QStringLiteral("QLineEdit { border: 2px solid %1; }")
                                     .arg(colourName(SkinColors::WarningAmber))
                               : QString());
    const QString why = refused ? tr("No goal: type a number above zero") : QString();
    box->setToolTip(why);
    box->setAccessibleDescription(why);
}

void SettingsPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_background.paint(painter, this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgba(SkinColors::PanelFrostEdge), 1));
    painter.setBrush(QColor::fromRgba(SkinColors::PanelFrost));
    for (const QRect &panel : {kGoalsPanel, kSearchPanel})
        painter.drawRoundedRect(QRectF(panel).adjusted(0.5, 0.5, -0.5, -0.5),
                                SettingsPanels::Radius, SettingsPanels::Radius);
    m_texts.paint(painter);
}

#include "moc_SettingsPage.cpp"
