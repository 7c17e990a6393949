#include "app/CCorvaloDlg.h"

#include "app/DiaryFolderGroup.h"
#include "app/DiaryFollower.h"
#include "app/ExportGroup.h"
#include "app/MainWindowAccess.h"
#include "app/MergeForm.h"
#include "app/SettingsPage.h"
#include "app/SkinStyle.h"
#include "app/UnsavedForm.h"
#include "calendar/CDiary.h"
#include "calendar/CTimCalentar.h"
#include "charts/CCharts.h"
#include "controls/CHoverButton.h"
#include "controls/CNoticeBar.h"
#include "controls/CPNGButton.h"
#include "export/DiaryExport.h"
#include "food/FoodDatabaseResource.h"
#include "food/FoodListActions.h"
#include "food/FoodListView.h"
#include "food/FoodSearchController.h"
#include "food/PortionEntry.h"
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"
#include "links/BrowserLauncher.h"
#include "links/CNewVerWarng.h"
#include "links/NewVersionCheck.h"
#include "meals/CElements.h"
#include "meals/CMealsList.h"
#include "platform/AppFolders.h"
#include "platform/AppSettings.h"
#include "platform/Clock.h"
#include "platform/CoreText.h"
#include "platform/DiaryLocation.h"
#include "platform/FontSetUp.h"
#include "platform/NumberText.h"
#include "platform/Resources.h"
#include "platform/SkinFont.h"
#include "platform/Text8.h"
#include "skin/SkinColors.h"
#include "store/DiaryMove.h"
#include "store/DiarySettings.h"
#include "store/SaveProblem.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <span>

namespace {

QRect qRectOf(int id)
{
    const DialogLayout::Rect r = DialogLayout::pixelRect(static_cast<DialogLayout::ControlId>(id));
    return {r.x, r.y, r.width, r.height};
}

// The title strip where the month caption is painted.
const QRect kTitleRect(0, 0, 350, 36);
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

    createControls(true, whole || shown == PageTable::Food);
    setupButtons(true, m_meals != nullptr);
    if (whole || shown == PageTable::Charts)
        createChartsPage();
    if (whole || shown == PageTable::Diary)
        createDiaryPage();
    if (whole || shown == PageTable::Settings)
        createSettingsPage();
    m_dayStrip->setStore(&m_store);
    m_retryTimer.setInterval(RetryInterval);
    m_weightTimer.setSingleShot(true);
    m_weightTimer.setInterval(WeightSaveDelay);
    connect(&m_weightTimer, &QTimer::timeout, this, &CCorvaloDlg::OnWeightChanged);
    // A session that ends may not close the window first.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &CCorvaloDlg::FlushTyping);
    connect(&m_retryTimer, &QTimer::timeout, this, &CCorvaloDlg::retryUnsaved);
    if (m_meals)
        wireFoodPage();
    MainWindowAccess::setUp(*this);

    m_dayStrip->m_page = m_page;
    m_stripPage = m_page;
    m_day = m_dayStrip->selectedDay();
    reportFolder(folder);
    connect(m_foodLoader, &FoodDatabaseLoader::userFoodsRead, this,
            [this](const FileIo::Result &read, const QString &skipped) {
                reportOpen(read);
                if (!skipped.isEmpty())
                    m_notice->showNotice(QStringLiteral("myfoods"), skipped);
            });
    m_foodLoader->mergeUserFoods(m_store.OwnFoodsFile());
    m_monthTitle = Text8::toQString(m_dayStrip->MonthCaption());
    followDiary();
    LoadDay();
    showPage(m_page);
    m_dayStrip->setFocus();
}

void CCorvaloDlg::BuildRest()
{
    const bool food = m_meals == nullptr;
    const bool charts = m_charts == nullptr;
    const bool diary = m_diary == nullptr;
    const bool settings = m_settings == nullptr;
    if (!food && !charts && !diary && !settings)
        return;
    m_foodLoader->start();
    if (food) {
        createControls(false, true);
        setupButtons(false, true);
        wireFoodPage();
    }
    if (charts)
        createChartsPage();
    if (diary)
        createDiaryPage();
    if (settings)
        createSettingsPage();
    // The selected day, as LoadDay gives it to these pages.
    if (food)
        m_meals->LoadMeals(m_day);
    if (charts) {
        m_charts->m_dayCount = m_dayStrip->m_dayCount;
        m_charts->m_firstDay = m_dayStrip->m_firstDay;
    }
    if (food)
        LoadDayWeight();
    if (diary)
        m_diary->SetNoteDay(m_day);
    if (charts)
        m_charts->UpdateCharts();
    orderTabs();
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

const FoodDatabase &CCorvaloDlg::foods() const
{
    m_foodLoader->finish();
    return m_foods;
}

void CCorvaloDlg::registerControl(int id, QWidget *widget)
{
    widget->setObjectName(QStringLiteral("control%1").arg(id));
    widget->setGeometry(qRectOf(id));
    // A page's controls show with their page, so one built while the window is up never flashes.
    const auto onPage = [id](std::span<const int> ids) {
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    };
    widget->setVisible(
        onPage(PageTable::AllPageControls)
            ? onPage(PageTable::ControlsOf(m_page))
            : DialogLayout::control(static_cast<DialogLayout::ControlId>(id)).visibleAtStart);
    m_controls.insert(id, widget);
}

void CCorvaloDlg::createControls(bool base, bool food)
{
    // Declaration order is the tab order.
    if (food) {
        m_weightBox = new QLineEdit(this);
        registerControl(DialogLayout::WeightBox, m_weightBox);
        // There is no Save button: typing is saved shortly after, one write for a burst of keys.
        connect(m_weightBox, &QLineEdit::textChanged, this, [this] {
            if (!m_weightTimer.isActive())
                m_weightTimer.start();
        });
    }

    if (base) {
        m_dayStrip = new CTimCalentar(this);
        registerControl(DialogLayout::DayStrip, m_dayStrip);
        connect(m_dayStrip, &CTimCalentar::dayChosen, this, &CCorvaloDlg::onDayChosen);
        connect(m_dayStrip, &CTimCalentar::copyMealsRequested, this, &CCorvaloDlg::CopyMeals);
    }

    if (food) {
        m_meals = new CMealsList(this);
        registerControl(DialogLayout::MealList, m_meals);

        m_searchBox = new QLineEdit(this);
        registerControl(DialogLayout::SearchBox, m_searchBox);

        m_foodList = new FoodListView(this);
        registerControl(DialogLayout::FoodList, m_foodList);

        m_amountBox = new QLineEdit(this);
        registerControl(DialogLayout::AmountBox, m_amountBox);

        m_panel = new CElements(this);
        registerControl(DialogLayout::NutrientPanel, m_panel);

        m_unitBox = new QComboBox(this);
        registerControl(DialogLayout::UnitBox, m_unitBox);
        // A drop-down list: the template's height is that of the open list.
        m_unitBox->setFixedHeight(qRectOf(DialogLayout::AmountBox).height() + 2);

        m_addButton = new CHoverButton(this);
        registerControl(DialogLayout::AddButton, m_addButton);
    }

    if (base) {
        m_notice = new CNoticeBar(this);
        m_notice->setObjectName(QStringLiteral("noticeBar"));
        m_notice->setGeometry(kNoticeRect);
    }

    for (const ButtonSkin &skin : kButtonSkins) {
        if (onFoodPage(skin.id) ? food : base) {
            auto *button = new CPNGButton(this);
            registerControl(skin.id, button);
        }
    }
}

void CCorvaloDlg::setupButtons(bool base, bool food)
{
    for (const ButtonSkin &skin : kButtonSkins) {
        if (onFoodPage(skin.id) ? food : base)
            static_cast<CPNGButton *>(control(skin.id))
                ->SetupButton(skin.stringId, skin.imageId, "BUTTONS");
    }
    if (food)
        m_addButton->SetupButton(143, 155, "BUTTONS");
    if (!base)
        return;

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

void CCorvaloDlg::wireFoodPage()
{
    // The page's own copy: a change the settings file refused still counts until the end.
    m_panel->SetGoals(m_settings ? m_settings->goals() : AppSettings::readGoals());
    m_meals->setPanel(m_panel);
    m_meals->setStore(&m_store);
    connect(m_meals, &CMealsList::saved, this, &CCorvaloDlg::reportSave);
    connect(m_meals, &CMealsList::opened, this, &CCorvaloDlg::reportOpen);
    connect(m_meals, &CMealsList::amountRefused, this, [this](const QString &typed) {
        m_notice->showNotice(
            QStringLiteral("amount"),
            tr("Not changed: \u201c%1\u201d is no amount above zero").arg(typed.trimmed()));
    });
    connect(m_meals, &CMealsList::copied, this, &CCorvaloDlg::showCopied);
    m_addButton->setEnabled(false);
    connectFoodPage();
    // A merge after the hand-over replaces the records a current food points into.
    connect(m_foodLoader, &FoodDatabaseLoader::loaded, m_portion, &PortionEntry::ClearCurrentFood);
    m_search->setLoader(m_foodLoader);
    MainWindowAccess::addOnEnter(*this);

    // Left of the search label, and right of Clear List in the bottom row.
    m_foodActions = new FoodListActions(
        {&m_foods, m_foodLoader, m_search, m_foodList, m_portion, m_meals}, m_store.OwnFoodsFile(),
        this, QPoint(181, 107), QPoint(DialogLayout::WindowWidth - 9, 463));
    connect(m_foodActions, &FoodListActions::saved, this, &CCorvaloDlg::reportSave);
    connect(m_foodActions, &FoodListActions::opened, this, &CCorvaloDlg::reportOpen);
}

void CCorvaloDlg::connectFoodPage()
{
    m_search = new FoodSearchController(m_foods, m_searchBox, m_foodList, this);
    m_search->setBestMatchesFirst(m_settings ? m_settings->bestMatchesBox()->isChecked()
                                             : AppSettings::readBestMatchesFirst());
    m_portion =
        new PortionEntry(m_foods, {m_amountBox, m_unitBox, m_addButton, m_panel, m_meals}, this);

    connect(m_search, &FoodSearchController::foodRowChosen, this, &CCorvaloDlg::SelectFood);
    connect(m_search, &FoodSearchController::filterRecomputed, m_portion,
            &PortionEntry::ClearCurrentFood);
    connect(m_search, &FoodSearchController::listFocusLost, m_panel, &CElements::EndPreview);

    connect(m_meals, &CMealsList::mealSelectionChanged, this, [this] {
        Nutrients contribution {};
        if (m_meals->GetSelectedContribution(contribution))
            m_panel->SetRemovePreview(contribution);
        m_meals->viewport()->update();
    });
    connect(m_meals, &CMealsList::focusLost, this, [this] {
        m_meals->clearSelection();
        m_meals->setCurrentRow(-1);
        m_meals->viewport()->update();
        m_panel->EndPreview();
    });
    connect(static_cast<CPNGButton *>(control(DialogLayout::DeleteSelectedButton)),
            &QAbstractButton::clicked, this, [this] { m_meals->SaveMeals(true); });
    connect(static_cast<CPNGButton *>(control(DialogLayout::ClearListButton)),
            &QAbstractButton::clicked, this, [this] { m_meals->ClearMeals(); });
}

void CCorvaloDlg::SelectFood(int row)
{
    m_portion->SelectFood(m_search->recordForRow(row));
}

void CCorvaloDlg::CopyMeals(const DayFiles::LocalDate &from, const DayFiles::LocalDate &to)
{
    // The list orders every read and write of the days it hands to its worker.
    BuildRest();
    m_meals->CopyMeals(from, to);
}

void CCorvaloDlg::showCopied()
{
    m_dayStrip->RefreshMarkers();
    // The strip's menu works on the Charts page too: its bars follow at once.
    if (m_charts)
        m_charts->UpdateCharts();
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
    OpenInBrowser(Resources::string(142), 5);
}

namespace {

// The page area: the day strip's width, from its bottom edge to the window's.
QRect pageRect()
{
    const QRect strip = qRectOf(DialogLayout::DayStrip);
    return {strip.left(), strip.bottom() + 1, strip.width(),
            DialogLayout::WindowHeight - strip.bottom() - 1};
}

} // namespace

void CCorvaloDlg::createChartsPage()
{
    m_charts = new CCharts(this);
    m_controls.insert(PageTable::ChartsPageWindow, m_charts);
    m_charts->setGeometry(pageRect());
    m_charts->hide();
    m_charts->setStore(&m_store);
    m_charts->SetCalorieGoal(AppSettings::readGoals().goal(Nutrient::Calories));
}

void CCorvaloDlg::createDiaryPage()
{
    m_diary = new CDiary(this);
    m_controls.insert(PageTable::DiaryPageWindow, m_diary);
    m_diary->setGeometry(pageRect());
    m_diary->hide();
    m_diary->setStore(&m_store);
    connect(m_diary, &CDiary::saved, this, &CCorvaloDlg::reportSave);
    connect(m_diary, &CDiary::opened, this, &CCorvaloDlg::reportOpen);
    // Not loaded: the data directories may not exist yet; the next day load shows the note.
    m_diary->m_notePath = m_dayStrip->SelectedNotePath(".txt");
}

void CCorvaloDlg::createSettingsPage()
{
    m_settings = new SettingsPage(this);
    m_controls.insert(PageTable::SettingsPageWindow, m_settings);
    m_settings->setGeometry(pageRect());
    m_settings->hide();
    m_settings->setGoals(AppSettings::readGoals());
    m_settings->setBestMatchesFirst(AppSettings::readBestMatchesFirst());
    m_settings->setExportGroup(new ExportGroup(&m_store));
    connect(m_settings, &SettingsPage::goalsChanged, this, &CCorvaloDlg::applyGoals);
    connect(m_settings, &SettingsPage::bestMatchesFirstChanged, this,
            &CCorvaloDlg::applyBestMatchesFirst);
    connect(m_settings->diaryFolderGroup(), &DiaryFolderGroup::chosen, this,
            &CCorvaloDlg::moveDiary);
    showDiaryFolder();
}

void CCorvaloDlg::applyGoals(const NutrientGoals &goals)
{
    if (m_panel)
        m_panel->SetGoals(goals);
    if (m_charts)
        m_charts->SetCalorieGoal(goals.goal(Nutrient::Calories));
    reportSettings(AppSettings::writeGoals(goals));
}

void CCorvaloDlg::applyBestMatchesFirst(bool on)
{
    if (m_search)
        m_search->setBestMatchesFirst(on);
    reportSettings(AppSettings::writeBestMatchesFirst(on));
}

void CCorvaloDlg::reportSettings(bool stored)
{
    if (stored)
        m_notice->clearNotice(QStringLiteral("settings"));
    else
        m_notice->showNotice(QStringLiteral("settings"),
                             tr("Settings not saved: the file cannot be written"));
}

void CCorvaloDlg::orderTabs()
{
    // Declaration order, as the window built whole has it: each control with its own parts
    // (a list's scroll bars, the strip's arrows) right behind it, in their order.
    QHash<QWidget *, QList<QWidget *>> parts;
    for (QWidget *widget = nextInFocusChain(); widget != this;
         widget = widget->nextInFocusChain()) {
        QWidget *control = widget;
        while (control->parentWidget() && control->parentWidget() != this)
            control = control->parentWidget();
        parts[control].append(widget);
    }
    QList<QWidget *> declared;
    for (int id : {DialogLayout::WeightBox, DialogLayout::DayStrip, DialogLayout::MealList,
                   DialogLayout::SearchBox, DialogLayout::FoodList, DialogLayout::AmountBox,
                   DialogLayout::NutrientPanel, DialogLayout::UnitBox, DialogLayout::AddButton})
        declared.append(control(id));
    declared.append(m_notice);
    for (const ButtonSkin &skin : kButtonSkins)
        declared.append(control(skin.id));
    declared.append(m_charts);
    declared.append(m_diary);
    declared.append(m_settings);

    // The chain starts behind the window itself; Qt places only widgets that take the focus.
    const Qt::FocusPolicy ownPolicy = focusPolicy();
    setFocusPolicy(Qt::TabFocus);
    QWidget *previous = this;
    for (QWidget *control : declared) {
        for (QWidget *widget : parts.value(control)) {
            if (widget->focusPolicy() == Qt::NoFocus)
                continue;
            QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }
    setFocusPolicy(ownPolicy);
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

    for (int p = PageTable::Food; p <= PageTable::Settings; ++p)
        control(PageTable::ButtonOf(p))->setEnabled(true);
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
    FlushTyping();
    m_day = day;
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

void CCorvaloDlg::moveDiary(const std::filesystem::path &folder, bool move)
{
    FlushTyping();
    const std::filesystem::path from = m_store.dataDirectory().parent_path();
    const DiaryMove::Remember remember = [](const std::filesystem::path &chosen) {
        return DiaryLocation::Remember(chosen, AppFolders::diaryEnvironment());
    };
    const DiaryMove::Summary summary =
        move ? DiaryMove::Move(from, folder, remember) : DiaryMove::Open(folder, remember);
    if (!summary.ok()) {
        m_notice->showNotice(QStringLiteral("folder"),
                             tr("The diary stays in %1: %2")
                                 .arg(QString::fromStdString(from.string()),
                                      QString::fromStdString(summary.problems.front())));
        return;
    }
    // The diary, its settings and its own foods as the new folder holds them.
    reportFolder(openDiary());
    showDiaryFolder();
    showDiarySettings();
    if (m_foodActions) {
        m_foodActions->setFile(m_store.dataDirectory().parent_path() / UserFoodTable::FileName);
        m_foodActions->ReloadOwnFoods();
    }
    LoadDay();
    m_follower->checkConflicts();
    m_notice->showNotice(
        QStringLiteral("folder"),
        move ? tr("Diary moved to %1: %2 days copied, %3 joined with the days there")
                   .arg(QString::fromStdString(folder.string()))
                   .arg(summary.daysCopied)
                   .arg(summary.daysMerged)
             : tr("Diary opened in %1").arg(QString::fromStdString(folder.string())));
}

void CCorvaloDlg::showDiarySettings()
{
    // Shown, not written: they are what the diary's file holds.
    const NutrientGoals goals = AppSettings::readGoals();
    const bool best = AppSettings::readBestMatchesFirst();
    // Boxes the user is typing in are left alone: their own save follows.
    if (m_settings && !m_settings->isAncestorOf(QApplication::focusWidget())) {
        if (!DiarySettings::SameGoals(goals, m_settings->goals()))
            m_settings->setGoals(goals);
        m_settings->setBestMatchesFirst(best);
    }
    if (m_panel)
        m_panel->SetGoals(goals);
    if (m_charts)
        m_charts->SetCalorieGoal(goals.goal(Nutrient::Calories));
    if (m_search)
        m_search->setBestMatchesFirst(best);
}

void CCorvaloDlg::showDiaryFolder()
{
    if (m_settings)
        m_settings->diaryFolderGroup()->setFolder(
            m_location.folder,
            QString::fromStdString(std::string(DiaryLocation::SourceText(m_location.source))));
}

void CCorvaloDlg::followDiary()
{
    DiaryFollower::Views views;
    views.meals = [this] {
        if (m_meals)
            m_meals->RefreshFromFile();
    };
    views.weight = [this] {
        RefreshWeightFromFile();
    };
    views.note = [this] {
        if (m_diary)
            m_diary->RefreshFromFile();
    };
    views.history = [this] {
        m_dayStrip->update();
        if (m_charts)
            m_charts->UpdateCharts();
    };
    views.ownFoods = [this] {
        if (m_foodActions)
            m_foodActions->ReloadOwnFoods();
    };
    views.merge = [this](const ConflictMerge::Found &found) {
        openMerge(found);
    };
    m_follower = new DiaryFollower(m_store, m_notice, std::move(views), this);
    m_follower->checkConflicts();
}

void CCorvaloDlg::openMerge(const ConflictMerge::Found &found)
{
    FlushTyping();
    QString dayName;
    if (found.copy.day) {
        const DayFiles::LocalDate day = DayFiles::LocalDateOf(*found.copy.day);
        dayName = QLocale().toString(QDate(day.year, day.month, day.day), QLocale::LongFormat);
    }
    MergeForm form(found, dayName, this);
    if (form.exec() == QDialog::Accepted)
        tell(form.result(), SaveProblem::Action::Save);
    // What the merge wrote, and what is left to merge.
    m_store.Rescan();
    LoadDay();
    m_follower->checkConflicts();
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
    if (m_follower)
        m_follower->follow(m_day, m_dayStrip->m_firstDay, m_dayStrip->m_dayCount);
    m_monthTitle = Text8::toQString(m_dayStrip->MonthCaption());
    // A page not built yet takes the day when it is built (BuildRest).
    if (m_meals)
        m_meals->LoadMeals(m_day);
    if (m_charts) {
        m_charts->m_dayCount = m_dayStrip->m_dayCount;
        m_charts->m_firstDay = m_dayStrip->m_firstDay;
    }
    if (m_weightBox)
        LoadDayWeight();
    update(kTitleRect);
    if (m_diary)
        m_diary->SetNoteDay(m_day);
    if (m_charts)
        m_charts->UpdateCharts();
    if (m_stripPage != m_page) {
        m_page = m_stripPage;
        SwitchPage(m_page);
    }
}

void CCorvaloDlg::tell(const FileIo::Result &result, SaveProblem::Action action)
{
    const QString key = QString::fromStdString(result.file.string());
    if (result.ok())
        m_notice->clearNotice(key);
    else
        m_notice->showNotice(key,
                             QString::fromStdString(SaveProblem::Describe(
                                 result, m_store.rootDirectory(), action, CoreText::problem)));
}

void CCorvaloDlg::reportSave(const FileIo::Result &result)
{
    tell(result, SaveProblem::Action::Save);
    // What failed is tried again every few seconds, so a passing problem (a full disk that was
    // cleared) ends by itself.
    if (hasUnsaved())
        m_retryTimer.start();
    else
        m_retryTimer.stop();
}

void CCorvaloDlg::reportOpen(const FileIo::Result &result)
{
    // A file read without trouble does not end a notice that its failed save left.
    if (!result.ok())
        tell(result, SaveProblem::Action::Load);
}

void CCorvaloDlg::reportFolder(const FileIo::Result &result)
{
    if (result.ok())
        return;
    // The diary stays where it is, shown as it is, rather than vanishing into another folder.
    const QString folder = QString::fromStdString(m_store.rootDirectory().string());
    m_notice->showNotice(QStringLiteral("folder"),
                         tr("Nothing can be saved in %1: %2")
                             .arg(folder,
                                  QString::fromStdString(SaveProblem::Reason(
                                      result, SaveProblem::Action::Save, CoreText::problem))));
}

void CCorvaloDlg::FlushTyping()
{
    if (m_weightTimer.isActive())
        OnWeightChanged();
    if (m_diary)
        m_diary->FlushNote();
}

void CCorvaloDlg::hideEvent(QHideEvent *event)
{
    FlushTyping();
    QDialog::hideEvent(event);
}

void CCorvaloDlg::OnWeightChanged()
{
    m_weightTimer.stop();
    const std::string text = Text8::fromQString(m_weightBox->text());
    const FileIo::Result result = m_store.SaveShownWeight(m_day, text, m_shownWeight);
    if (result.problem == FileIo::Problem::Changed) {
        // Another writer stored a weight meanwhile: it is shown, and the one typed is said.
        (void)m_unsavedWeights.record(m_day, text, FileIo::Result::success(result.file));
        m_notice->showNotice(QString::fromStdString(result.file.string()),
                             tr("Not saved: the weight %1 was typed over one stored elsewhere "
                                "meanwhile, which is shown now")
                                 .arg(Text8::toQString(text)));
        LoadDayWeight();
        return;
    }
    if (result.ok())
        m_shownWeight = m_store.LoadWeight(m_day);
    reportSave(m_unsavedWeights.record(m_day, text, result));
}

void CCorvaloDlg::RefreshWeightFromFile()
{
    if (!m_weightBox || m_weightTimer.isActive() || m_unsavedWeights.find(m_day))
        return;
    m_store.Forget(m_store.WeightFile(m_day));
    if (m_store.LoadWeight(m_day) != m_shownWeight)
        LoadDayWeight();
}

void CCorvaloDlg::retryUnsaved()
{
    if (m_diary)
        m_diary->RetryUnsaved();
    const auto results =
        m_unsavedWeights.retry([this](const DayFiles::LocalDate &day, const std::string &text) {
            return m_store.SaveWeight(day, text);
        });
    for (const FileIo::Result &result : results)
        reportSave(result);
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
            std::string texts = m_diary ? m_diary->unsavedText() : std::string();
            m_unsavedWeights.forEach(
                [&texts](const DayFiles::LocalDate &day, const std::string &text) {
                    texts += "Weight of " + DiaryExport::IsoDate(day) + ": " + text + "\n";
                });
            return texts;
        };
        UnsavedForm ask(m_notice->text(), std::move(actions), this);
        if (ask.exec() != QDialog::Accepted)
            return;
    }
    QDialog::done(result);
}

bool CCorvaloDlg::hasUnsaved() const
{
    return (m_diary && m_diary->hasUnsaved()) || !m_unsavedWeights.empty();
}

void CCorvaloDlg::LoadDayWeight()
{
    // Typing not saved yet must not be replaced by the stored weight.
    if (m_weightTimer.isActive())
        OnWeightChanged();
    // A weight that could not be saved yet is shown as typed, not the stored one.
    const std::optional<float> weight = m_store.LoadWeight(m_day);
    m_shownWeight = weight;
    const std::string *unsaved = m_unsavedWeights.find(m_day);
    const std::string text =
        unsaved ? *unsaved : (weight ? NumberText::fixed(*weight, 1) : std::string());
    const QSignalBlocker quiet(m_weightBox);
    m_weightBox->setText(Text8::toQString(text));
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
