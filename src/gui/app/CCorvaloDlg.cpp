// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CCorvaloDlg.h"

#include "app/DiaryConnection.h"
#include "app/DiaryFolderGroup.h"
#include "app/ExportGroup.h"
#include "app/FileNotices.h"
#include "app/FoodPage.h"
#include "app/MainWindowAccess.h"
#include "app/SettingsPage.h"
#include "app/SettingsWiring.h"
#include "app/SkinStyle.h"
#include "app/UndoOffer.h"
#include "app/UnsavedForm.h"
#include "app/WeightField.h"
#include "calendar/CDiary.h"
#include "calendar/CTimCalentar.h"
#include "charts/CCharts.h"
#include "controls/CNoticeBar.h"
#include "controls/CPNGButton.h"
#include "controls/FieldFocusFrame.h"
#include "controls/StripButton.h"
#include "food/FoodDatabaseResource.h"
#include "food/FoodListActions.h"
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"
#include "links/BrowserLauncher.h"
#include "links/CNewVerWarng.h"
#include "links/NewVersionCheck.h"
#include "meals/CMealsList.h"
#include "nutrition/NutrientsPage.h"
#include "platform/AppFolders.h"
#include "platform/AppSettings.h"
#include "platform/Clock.h"
#include "platform/DiaryLocation.h"
#include "platform/FontSetUp.h"
#include "platform/Resources.h"
#include "platform/SkinFont.h"
#include "platform/Text8.h"
#include "skin/SkinColors.h"
#include "store/CompleteDays.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

// The title strip where the month caption is painted.
const QRect kTitleRect(0, 0, 350, 36);

} // namespace

CCorvaloDlg::CCorvaloDlg(QWidget *parent, Build build)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), m_page(AppSettings::readTabs()),
      m_background(129, "LAYOUT"), m_overlay(154, "LAYOUT")
{
    const int shown = PageTable::Normalized(m_page);
    const bool whole = build == Build::Whole;
    // The diary first: its folder holds the goals and the order the pages show.
    const FileIo::Result folder = openDiary();
    m_foodLoader = new FoodDatabaseLoader(m_foods, this);

    setWindowTitle(QStringLiteral("Corvalo"));
    setWindowIcon(QIcon(QPixmap::fromImage(ResourceImage(128, "ICON").image())));
    setFixedSize(DialogLayout::WindowWidth, DialogLayout::WindowHeight);
    setStyleSheet(SkinStyle::styleSheet());
    FieldFocusFrame::install();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    if (!whole) {
        // Mapped at once; the shown page is built before the window's first paint.
        setModal(true);
        show();
    }
    // The food list is not needed before the window is up: the database loads meanwhile. When
    // the list is not shown, not before the first paint either (BuildRest).
    if (whole || shown == PageTable::Food)
        m_foodLoader->start();
    FontSetUp::wait();

    const bool food = whole || shown == PageTable::Food;
    m_parts.create(true, food, m_page);
    m_dayStrip = m_parts.strip();
    m_notice = m_parts.notice();
    m_pages.notice = m_notice;
    m_files = new FileNotices(m_notice, m_store,
                              {[this] { retryUnsaved(); },
                               [this] {
                                   return hasUnsaved();
                               }},
                              this);
    m_parts.setUpButtons(true, food);
    connectButtons();
    if (whole || shown == PageTable::Charts)
        createChartsPage();
    if (whole || shown == PageTable::Diary)
        createDiaryPage();
    if (whole || shown == PageTable::Settings)
        createSettingsPage();
    if (whole || shown == PageTable::Nutrients)
        createNutrientsPage();
    m_dayStrip->setStore(&m_store);
    // A session that ends may not close the window first.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &CCorvaloDlg::FlushTyping);
    if (control(DialogLayout::MealList))
        wireFoodPage();
    MainWindowAccess::setUp(*this);

    m_dayStrip->m_page = m_page;
    m_stripPage = m_page;
    m_files->reportFolder(folder);
    connect(m_foodLoader, &FoodDatabaseLoader::userFoodsRead, this,
            [this](const FileIo::Result &read, const QString &skipped) {
                m_files->reportOpen(read);
                if (!skipped.isEmpty())
                    m_notice->showNotice(QStringLiteral("myfoods"), skipped);
            });
    m_foodLoader->mergeUserFoods(m_store.OwnFoodsFile(), m_store.RecipesFile());
    m_monthTitle = Text8::toQString(m_dayStrip->MonthCaption());
    DiaryConnection::Window window;
    window.flushTyping = [this] {
        FlushTyping();
    };
    window.loadDay = [this] {
        LoadDay();
    };
    window.reopen = [this] {
        return openDiary();
    };
    window.location = [this]() -> const DiaryLocation::Resolved & {
        return m_location;
    };
    window.offerUndo = [this](const UndoOffer::Steps &steps, const QString &what) {
        if (m_undo)
            m_undo->offerAll(steps, what);
    };
    m_connection =
        new DiaryConnection(m_store, m_pages, m_files, m_dayStrip, std::move(window), this);
    m_connection->showFolder();
    LoadDay();
    showPage(m_page);
    m_dayStrip->setFocus();
}

void CCorvaloDlg::BuildRest()
{
    const bool food = m_pages.food == nullptr;
    const bool charts = m_pages.charts == nullptr;
    const bool diary = m_pages.diary == nullptr;
    const bool settings = m_pages.settings == nullptr;
    const bool nutrients = m_pages.nutrients == nullptr;
    if (!food && !charts && !diary && !settings && !nutrients)
        return;
    m_foodLoader->start();
    if (food) {
        m_parts.create(false, true, m_page);
        m_parts.setUpButtons(false, true);
        wireFoodPage();
    }
    if (charts)
        createChartsPage();
    if (diary)
        createDiaryPage();
    if (settings)
        createSettingsPage();
    if (nutrients)
        createNutrientsPage();
    // The selected day, as LoadDay gives it to these pages.
    if (food)
        m_pages.food->show(selectedDay());
    if (diary)
        m_pages.diary->SetNoteDay(selectedDay());
    if (charts)
        m_pages.charts->UpdateCharts();
    if (nutrients)
        m_pages.nutrients->UpdatePage();
    MainWindowAccess::setUp(*this);
    // Ready for the first switch to the Food page.
    m_overlay.image();
}

CCorvaloDlg::~CCorvaloDlg()
{
    FlushTyping();
    AppSettings::writeTabs(m_page);
    // The children go after this object's own part: a list losing the focus as it goes must not
    // call back into it.
    for (QObject *child : children())
        disconnect(child, nullptr, this, nullptr);
}

DayFiles::LocalDate CCorvaloDlg::selectedDay() const
{
    return m_dayStrip->selectedDay();
}

PortionEntry *CCorvaloDlg::portionEntry() const
{
    return m_pages.food ? m_pages.food->portion() : nullptr;
}

FoodListActions *CCorvaloDlg::foodActions() const
{
    return m_pages.food ? m_pages.food->actions() : nullptr;
}

const FoodDatabase &CCorvaloDlg::foods() const
{
    m_foodLoader->finish();
    return m_foods;
}

void CCorvaloDlg::connectButtons()
{
    connect(m_dayStrip, &CTimCalentar::dayChosen, this, &CCorvaloDlg::onDayChosen);
    connect(m_dayStrip, &CTimCalentar::copyMealsRequested, this, &CCorvaloDlg::CopyMeals);
    connect(m_dayStrip, &CTimCalentar::completeRequested, this,
            [this](const DayFiles::LocalDate &day, bool on) {
                m_files->reportSave(CompleteDays::Mark(m_store, day, on));
            });
    connect(static_cast<CPNGButton *>(control(DialogLayout::CloseButton)),
            &QAbstractButton::clicked, this,
            [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });
    for (int page = PageTable::Food; page <= PageTable::Settings; ++page) {
        auto *button = static_cast<CPNGButton *>(control(PageTable::ButtonOf(page)));
        connect(button, &QAbstractButton::clicked, this, [this, page] { SwitchPage(page); });
    }
    connect(static_cast<CPNGButton *>(control(DialogLayout::CommunityButton)),
            &QAbstractButton::clicked, this, &CCorvaloDlg::OnCommunity);
}

void CCorvaloDlg::SelectFood(int row)
{
    m_pages.food->SelectFood(row);
}

void CCorvaloDlg::CopyMeals(const DayFiles::LocalDate &from, const DayFiles::LocalDate &to)
{
    // The list orders every read and write of the days it hands to its worker.
    BuildRest();
    m_pages.food->meals()->CopyMeals(from, to);
}

void CCorvaloDlg::showCopied()
{
    m_dayStrip->RefreshMarkers();
    // The strip's menu works on the Charts page too: its bars follow at once.
    if (m_pages.charts)
        m_pages.charts->UpdateCharts();
}

int CCorvaloDlg::OpenInBrowser(const QString &address, int)
{
    return BrowserLauncher::OpenInBrowser(address) ? 1 : 0;
}

bool CCorvaloDlg::CheckForNewVersion()
{
    if (!NewVersionCheck::ShouldPrompt(Clock::now()))
        return false;
    CNewVerWarng prompt(this);
    if (prompt.exec() == QDialog::Accepted)
        OpenInBrowser(QString::fromLatin1(NewVersionCheck::DownloadPage), 5);
    return true;
}

void CCorvaloDlg::OnCommunity()
{
    const QString address = Resources::string(142);
    if (!OpenInBrowser(address, 5))
        m_notice->showNotice(QStringLiteral("browser"),
                             tr("No web browser could be started to open %1.").arg(address));
}

void CCorvaloDlg::SwitchPage(int page)
{
    BuildRest();
    showPage(page);
}

void CCorvaloDlg::showPage(int page)
{
    page = PageTable::Normalized(page);
    m_page = page;
    m_stripPage = page;
    m_dayStrip->m_page = page;
    m_dayStrip->InvalidateWithErase();
    m_dayStrip->repaint();

    for (int p = PageTable::Food; p <= PageTable::Settings; ++p) {
        control(PageTable::ButtonOf(p))->setEnabled(true);
        if (auto *button = qobject_cast<StripButton *>(control(PageTable::ButtonOf(p))))
            button->setCurrent(p == page);
    }
    // Pages not built yet have nothing to hide.
    for (int id : PageTable::AllPageControls) {
        if (QWidget *widget = control(id))
            widget->hide();
    }
    control(PageTable::ButtonOf(page))->setEnabled(false);
    for (int id : PageTable::ControlsOf(page))
        control(id)->show();
    update();
}

void CCorvaloDlg::onDayChosen(const DayFiles::LocalDate &day, int page)
{
    (void)day;
    FlushTyping();
    m_stripPage = page;
    LoadDay();
}

FileIo::Result CCorvaloDlg::openDiary()
{
    m_location =
        DiaryLocation::Resolve({}, AppFolders::executableFolder(), AppFolders::installedCopy(),
                               AppFolders::diaryEnvironment());
    const FileIo::Result writable = m_store.UseFolder(m_location.folder, m_location.writable);
    (void)AppSettings::useDiary(m_location.folder);
    return writable;
}

void CCorvaloDlg::ShowDay(const DayFiles::LocalDate &day)
{
    m_dayStrip->SelectDay(day);
    onDayChosen(m_dayStrip->selectedDay(), m_page);
}

void CCorvaloDlg::bringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void CCorvaloDlg::LoadDay()
{
    // Files added or replaced by hand since the store last looked are picked up here.
    m_store.Refresh();
    if (m_connection)
        m_connection->follow();
    m_monthTitle = Text8::toQString(m_dayStrip->MonthCaption());
    // A page not built yet takes the day when it is built (BuildRest).
    if (m_pages.food)
        m_pages.food->show(selectedDay());
    update(kTitleRect);
    if (m_pages.diary)
        m_pages.diary->SetNoteDay(selectedDay());
    if (m_pages.charts)
        m_pages.charts->UpdateCharts();
    if (m_pages.nutrients)
        m_pages.nutrients->UpdatePage();
    if (m_stripPage != m_page) {
        m_page = m_stripPage;
        SwitchPage(m_page);
    }
}

void CCorvaloDlg::FlushTyping()
{
    if (m_pages.food)
        m_pages.food->weight()->flush();
    if (m_pages.diary)
        m_pages.diary->FlushNote();
}

void CCorvaloDlg::hideEvent(QHideEvent *event)
{
    FlushTyping();
    QDialog::hideEvent(event);
}

void CCorvaloDlg::retryUnsaved()
{
    if (m_pages.diary)
        m_pages.diary->RetryUnsaved();
    if (m_pages.food) {
        for (const FileIo::Result &result : m_pages.food->weight()->retry())
            m_files->reportSave(result);
    }
}

void CCorvaloDlg::done(int result)
{
    FlushTyping();
    if (hasUnsaved()) {
        UnsavedForm::Actions actions;
        actions.retry = [this] {
            retryUnsaved();
            FlushTyping();
            return hasUnsaved() ? m_notice->text() : QString();
        };
        actions.texts = [this] {
            return (m_pages.diary ? m_pages.diary->unsavedText() : std::string()) +
                (m_pages.food ? m_pages.food->weight()->unsavedText() : std::string());
        };
        UnsavedForm ask(m_notice->text(), std::move(actions), this);
        if (ask.exec() != QDialog::Accepted)
            return;
    }
    QDialog::done(result);
}

bool CCorvaloDlg::hasUnsaved() const
{
    return (m_pages.diary && m_pages.diary->hasUnsaved()) ||
        (m_pages.food && m_pages.food->weight()->hasUnsaved());
}

void CCorvaloDlg::paintEvent(QPaintEvent *)
{
    if (!m_painted) {
        m_painted = true;
        // Right after this paint reaches the screen.
        QTimer::singleShot(0, this, &CCorvaloDlg::firstPainted);
        QTimer::singleShot(0, this, &CCorvaloDlg::BuildRest);
    }
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgba(SkinColors::WindowFill));
    ResourceImage::smoothWhenScaled(painter, m_background.image());
    painter.drawImage(QPoint(0, 0), m_background.image());
    if (m_page == PageTable::Food)
        painter.drawImage(QPoint(0, 0), m_overlay.image());
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(skinFont(QStringLiteral("Arial"), 24));
    painter.setPen(QColor::fromRgba(SkinColors::Text));
    painter.drawText(QRect(6, 0, width() - 6, height()), Qt::AlignLeft | Qt::AlignTop,
                     m_monthTitle);
}

void CCorvaloDlg::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    // Let the window system move the window; do it by hand where it refuses.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CCorvaloDlg::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragOffset && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - *m_dragOffset);
    else
        QDialog::mouseMoveEvent(event);
}

void CCorvaloDlg::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragOffset.reset();
    QDialog::mouseReleaseEvent(event);
}

#include "moc_CCorvaloDlg.cpp"
