// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExportGroup.h"

#include "app/SettingsPanels.h"
#include "controls/SkinButton.h"
#include "export/DiaryExport.h"
#include "food/FoodDatabaseResource.h"
#include "food/UserFoodTable.h"
#include "nutrition/NutrientLookup.h"
#include "platform/Clock.h"
#include "platform/CoreText.h"
#include "platform/SkinFont.h"
#include "recipes/RecipeBook.h"
#include "skin/SkinColors.h"
#include "store/DayStore.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QProgressBar>

namespace {

constexpr int kBoxLeft = 64;
constexpr int kBoxWidth = 100;

std::function<QString()> s_exportFolderChooser;

QString isoText(const DayFiles::LocalDate &day)
{
    return QString::fromStdString(DiaryExport::IsoDate(day));
}

} // namespace

ExportGroup::ExportGroup(const DayStore *store, QWidget *parent) : QWidget(parent), m_store(store)
{
    m_worker.setMaxThreadCount(1);
    const QFont titleFont = skinFont(QStringLiteral("Arial"), 12, QFont::Bold);
    const QFont labelFont = skinFont(QStringLiteral("Arial"), 10, QFont::Bold);
    const QFont hintFont = skinFont(QStringLiteral("Arial"), 9);
    const int width = 222 - 2 * SettingsPanels::Padding;

    m_texts.add(QRect(SettingsPanels::Padding, 8, width, 22), tr("Export"), titleFont,
                SkinColors::Text);
    m_texts.add(QRect(SettingsPanels::Padding, 30, width, 30),
                tr("Days as CSV files: the meals, the day totals and the notes."), hintFont,
                SkinColors::PromptSubtext, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);

    const auto dateRow = [&](const QString &caption, int top, const QString &name) {
        m_texts.add(QRect(SettingsPanels::Padding, top, kBoxLeft - SettingsPanels::Padding - 4,
                          SettingsPanels::BoxHeight),
                    caption, labelFont, SkinColors::Text);
        auto *box = new QLineEdit(this);
        box->setObjectName(name);
        box->setGeometry(kBoxLeft, top, kBoxWidth, SettingsPanels::BoxHeight);
        box->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
        box->setMaxLength(10);
        return box;
    };
    m_from = dateRow(tr("From"), 64, QStringLiteral("exportFrom"));
    m_from->setAccessibleName(tr("Export from"));
    m_to = dateRow(tr("To"), 90, QStringLiteral("exportTo"));
    m_to->setAccessibleName(tr("Export to"));

    m_button = new SkinButton(tr("Export…"), this);
    m_button->setObjectName(QStringLiteral("exportButton"));
    m_button->setGeometry(QRect(QPoint(kBoxLeft, 118), m_button->sizeHint())
                              .united(QRect(kBoxLeft, 118, kBoxWidth, 1)));
    connect(m_button, &QAbstractButton::clicked, this, &ExportGroup::buttonPressed);

    setRange(DayFiles::LocalDateOf(Clock::now()));
}

ExportGroup::~ExportGroup()
{
    m_cancel = true;
    m_worker.waitForDone();
}

void ExportGroup::setFolderChooserForTesting(std::function<QString()> chooser)
{
    s_exportFolderChooser = std::move(chooser);
}

void ExportGroup::setRange(const DayFiles::LocalDate &last)
{
    m_to->setText(isoText(last));
    m_from->setText(isoText(DiaryExport::FromDayNumber(DiaryExport::DayNumber(last) - 28)));
}

void ExportGroup::buttonPressed()
{
    if (m_running) {
        m_cancel = true;
        return;
    }
    const QString folder = s_exportFolderChooser
        ? s_exportFolderChooser()
        : QFileDialog::getExistingDirectory(this, tr("Export to which folder?"));
    if (!folder.isEmpty())
        exportTo(folder);
}

void ExportGroup::exportTo(const QString &folder)
{
    if (m_running)
        return;
    const auto from = DiaryExport::ParseIsoDate(m_from->text().trimmed().toStdString());
    const auto to = DiaryExport::ParseIsoDate(m_to->text().trimmed().toStdString());
    if (!from || !to || DiaryExport::DayNumber(*from) > DiaryExport::DayNumber(*to)) {
        say(tr("Type the first and the last day as YYYY-MM-DD, the first not after the last."),
            true);
        return;
    }
    m_running = true;
    m_cancel = false;
    m_button->setText(tr("Cancel"));
    if (m_status)
        m_status->hide();
    if (!m_progress)
        makeProgressBar();
    m_progress->setRange(0, 0);
    m_progress->show();

    const std::filesystem::path target = folder.toStdU16String();
    // The store's folders are relative to the current folder until a folder is chosen.
    const std::filesystem::path root = m_store->absoluteRootDirectory();
    m_worker.start([this, root, from = *from, to = *to, target, folder] {
        // The foods of its own, as the command line's export: the window's may change meanwhile.
        FoodDatabase foods;
        LoadFoodDatabase(foods);
        UserFoodTable ownFoods;
        (void)ownFoods.load(root / UserFoodTable::FileName);
        foods.addUserFoods(ownFoods.records());
        const QByteArray sideTable = NutrientResource();
        NutrientData data;
        NutrientLookup lookup(foods, data);
        if (!data.load({reinterpret_cast<const std::uint8_t *>(sideTable.constData()),
                        std::size_t(sideTable.size())}) ||
            !lookup.matchesDatabase())
            data.clear();
        lookup.setOwnFoods(NutrientLookup::ownFoodsOf(ownFoods));
        RecipeBook recipes;
        (void)recipes.load(root / RecipeBook::FileName);
        lookup.setRecipes(recipes);
        int shown = -1;
        // Numbers as the computer's spreadsheets read them: 1,5 where the comma is the point.
        const DiaryExport::Format format {QLocale().decimalPoint() == QStringLiteral(",") ? ','
                                                                                          : '.'};
        const DiaryExport::Result result = DiaryExport::Write(
            root, from, to, target,
            [&](int done, int total) {
                // A few hundred steps are enough for the bar; more would flood the window.
                const int step = total > 0 ? int(qint64(done) * 200 / total) : 0;
                if (step != shown) {
                    shown = step;
                    QMetaObject::invokeMethod(
                        this, [this, done, total] { showProgress(done, total); },
                        Qt::QueuedConnection);
                }
                return !m_cancel.load();
            },
            CoreText::problem, &lookup, format);
        QStringList problems;
        for (const std::string &problem : result.problems)
            problems << QString::fromStdString(problem);
        const int days = int(DiaryExport::DayNumber(to) - DiaryExport::DayNumber(from)) + 1;
        QMetaObject::invokeMethod(
            this,
            [this, ok = result.ok, cancelled = result.cancelled, days, folder, problems] {
                done(ok, cancelled, days, folder, problems);
            },
            Qt::QueuedConnection);
    });
}

void ExportGroup::makeProgressBar()
{
    m_progress = new QProgressBar(this);
    m_progress->setGeometry(SettingsPanels::Padding, 152, width() - 2 * SettingsPanels::Padding,
                            12);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(tr("Export progress"));
    m_progress->setStyleSheet(
        QStringLiteral("QProgressBar { border: 1px solid %1; border-radius: 4px; background: %2; }"
                       "QProgressBar::chunk { border-radius: 3px; background: %3; }")
            .arg(QColor::fromRgba(SkinColors::PanelEdge).name(),
                 QColor::fromRgba(SkinColors::DeepBlue).name(),
                 QColor::fromRgba(SkinColors::ButtonTop).name()));
}

void ExportGroup::showProgress(int done, int total)
{
    m_progress->setRange(0, total);
    m_progress->setValue(done);
}

void ExportGroup::done(bool ok, bool cancelled, int days, const QString &folder,
                       const QStringList &problems)
{
    m_running = false;
    m_button->setText(tr("Export…"));
    m_progress->hide();
    if (cancelled)
        say(tr("Export cancelled; no file was written."), false);
    else if (!ok)
        say(tr("Export not complete: %1").arg(problems.join(QLatin1Char(' '))), true);
    else if (!problems.isEmpty())
        say(tr("Exported %1 to %2, but: %3")
                .arg(dayCount(days), QDir::toNativeSeparators(folder),
                     problems.join(QLatin1Char(' '))),
            true);
    else
        say(tr("Exported %1 to %2.").arg(dayCount(days), QDir::toNativeSeparators(folder)), false);
    emit finished(ok);
}

QString ExportGroup::dayCount(int days)
{
    // Plural forms come from a translation, which English runs without.
    return days == 1 ? tr("1 day") : tr("%1 days").arg(days);
}

void ExportGroup::say(const QString &text, bool problem)
{
    if (!m_status) {
        m_status = new QLabel(this);
        m_status->setFont(skinFont(QStringLiteral("Arial"), 9));
        m_status->setWordWrap(true);
        m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_status->setGeometry(SettingsPanels::Padding, 150, width() - 2 * SettingsPanels::Padding,
                              height() - 154);
        m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_status->setStyleSheet(
        QStringLiteral("color: %1;")
            .arg(QColor::fromRgba(problem ? SkinColors::WarningAmber : SkinColors::Text).name()));
    m_status->setText(text);
    m_status->setToolTip(text);
    m_status->show();
}

void ExportGroup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgba(SkinColors::PanelFrostEdge), 1));
    painter.setBrush(QColor::fromRgba(SkinColors::PanelFrost));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), SettingsPanels::Radius,
                            SettingsPanels::Radius);
    m_texts.paint(painter);
}

#include "moc_ExportGroup.cpp"
