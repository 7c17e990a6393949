#pragma once

#include "calendar/DayFiles.h"
#include "controls/ResourceImage.h"
#include "food/FoodDatabase.h"
#include "platform/DiaryLocation.h"
#include "platform/FileIo.h"
#include "store/ConflictMerge.h"
#include "store/DayStore.h"
#include "store/SaveProblem.h"
#include "store/UnsavedTexts.h"

#include <QDialog>
#include <QHash>
#include <QTimer>
#include <optional>

class CCharts;
class DiaryFollower;
class CDiary;
class CElements;
class CHoverButton;
class CMealsList;
class CNoticeBar;
class CPNGButton;
class CTimCalentar;
class FoodDatabaseLoader;
class FoodListActions;
class FoodListView;
class FoodSearchController;
class NutrientGoals;
class PortionEntry;
class QComboBox;
class QLineEdit;
class SettingsPage;

// The main window: a fixed-size, frameless, skinned window that owns every view, switches
// between the five pages and reloads the selected day.
class CCorvaloDlg : public QDialog
{
    Q_OBJECT

public:
    // Whole: every page is there when the constructor returns. ShownPageFirst (the program's
    // start): the constructor shows the window, modal, as soon as it has its frame, then builds
    // what the shown page needs; the other pages follow the first paint, or come at once when
    // something asks for them (a page button, BuildRest).
    enum class Build { Whole, ShownPageFirst };

    explicit CCorvaloDlg(QWidget *parent = nullptr, Build build = Build::Whole);
    ~CCorvaloDlg() override;

    // Builds the pages not built yet, each with the selected day.
    void BuildRest();
    // Shows page 1 to 5; any other number shows page 5.
    void SwitchPage(int page);
    // Loads everything shown for the day strip's selected day.
    void LoadDay();
    // Before the window closes with typing unsaved: try again, keep it in a file, or drop it.
    void done(int result) override;
    // Selects the day on the strip and shows it.
    void ShowDay(const DayFiles::LocalDate &day);
    // Comes to the front, as asked by a second start.
    void bringToFront();
    // Hands the weight box's text to the store, which keeps it when it is a weight.
    void OnWeightChanged();
    // Saves at once whatever typing (weight, note) is still waiting for its save timer.
    void FlushTyping();
    // Shows changes that others make to the diary, and offers the merge of conflict copies.
    void followDiary();
    // The diary's folder, as the command line finds it too; its settings from then on.
    FileIo::Result openDiary();
    // The diary moved to `folder` (or the one there opened), and shown from there.
    void moveDiary(const std::filesystem::path &folder, bool move);
    void showDiaryFolder();
    // The goals and the food list's order as the diary's settings hold them now.
    void showDiarySettings();
    void openMerge(const ConflictMerge::Found &found);
    // Fills the weight box from the selected day's weight; empty when it has none. Showing a
    // weight never writes it.
    void LoadDayWeight();
    // Shows the weight the file holds now when another writer changed it and nothing typed is
    // waiting.
    void RefreshWeightFromFile();
    // The food of a food list row becomes the current food.
    void SelectFood(int row);
    // Appends every meal of one day to another: the meal list and totals follow when that day is
    // shown, the strip's markers either way. A day that cannot be read is said, and nothing copied.
    void CopyMeals(const DayFiles::LocalDate &from, const DayFiles::LocalDate &to);

    // Opens a web address in the user's browser; nonzero when it was handed over.
    // showCommand is kept for the callers' sake: the browser decides how it shows itself.
    int OpenInBrowser(const QString &address, int showCommand);
    // At start-up, past the date this version was superseded: the prompt to download the new
    // one. True when it was shown.
    bool CheckForNewVersion();
    void OnCommunity();

    int currentPage() const { return m_page; }
    const QString &monthTitle() const { return m_monthTitle; }
    // A control by its id (DialogLayout::ControlId, or the page windows of PageTable).
    QWidget *control(int id) const { return m_controls.value(id); }
    CTimCalentar *dayStrip() const { return m_dayStrip; }
    CNoticeBar *noticeBar() const { return m_notice; }
    const DayFiles::LocalDate &selectedDay() const { return m_day; }
    DayStore &store() { return m_store; }
    // The food database, waited for when it is still being loaded.
    const FoodDatabase &foods() const;
    PortionEntry *portionEntry() const { return m_portion; }
    FoodListActions *foodActions() const { return m_foodActions; }

    // The Enter key does nothing; Escape and Close close the window.
    void accept() override { }

signals:
    // Once, right after the window's first paint reached the screen, before the other pages
    // are built.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // The strip's notification: the day and the page it asks for.
    void onDayChosen(const DayFiles::LocalDate &day, int page);
    // Every write's and load's outcome comes here; failures are said in the notice bar until
    // the same file is saved or read again.
    void reportSave(const FileIo::Result &result);
    void reportOpen(const FileIo::Result &result);
    void reportFolder(const FileIo::Result &result);
    // After a copy: the strip's markers and the chart's bars.
    void showCopied();
    // Shows a failure in the notice bar, or clears the file's notice on success.
    void tell(const FileIo::Result &result, SaveProblem::Action action);
    // Saves again what the user typed that could not be saved.
    void retryUnsaved();
    bool hasUnsaved() const;
    // The controls on every page (base) and those of the Food page (food), in declaration order.
    void createControls(bool base, bool food);
    void setupButtons(bool base, bool food);
    void wireFoodPage();
    void connectFoodPage();
    void createChartsPage();
    void createDiaryPage();
    void createSettingsPage();
    // The Settings page's changes: stored, and applied to the pages built.
    void applyGoals(const NutrientGoals &goals);
    void applyBestMatchesFirst(bool on);
    void reportSettings(bool stored);
    // Puts the controls of pages built after the others back in declaration order.
    void orderTabs();
    void registerControl(int id, QWidget *widget);
    void showPage(int page);

    bool m_painted = false;
    int m_page = 0;
    // The day shown, and the page the strip last asked for.
    DayFiles::LocalDate m_day;
    int m_stripPage = 0;
    DayStore m_store;
    UnsavedTexts m_unsavedWeights;
    // The weight the box was filled with, or last saved: what the file held as far as the window
    // knows. A save over another writer's weight is refused.
    std::optional<float> m_shownWeight;
    QTimer m_retryTimer;
    // Typing in the weight box is saved this long after its first unsaved key.
    QTimer m_weightTimer;
    static constexpr int WeightSaveDelay = 250; // ms
    static constexpr int RetryInterval = 3000; // ms
    ResourceImage m_background;
    ResourceImage m_overlay;
    QString m_monthTitle;

    FoodDatabase m_foods;
    FoodDatabaseLoader *m_foodLoader = nullptr;
    FoodSearchController *m_search = nullptr;
    PortionEntry *m_portion = nullptr;
    FoodListActions *m_foodActions = nullptr;
    DiaryFollower *m_follower = nullptr;
    DiaryLocation::Resolved m_location;

    CTimCalentar *m_dayStrip = nullptr;
    QLineEdit *m_weightBox = nullptr;
    CMealsList *m_meals = nullptr;
    QLineEdit *m_searchBox = nullptr;
    FoodListView *m_foodList = nullptr;
    QLineEdit *m_amountBox = nullptr;
    CElements *m_panel = nullptr;
    QComboBox *m_unitBox = nullptr;
    CHoverButton *m_addButton = nullptr;
    CCharts *m_charts = nullptr;
    CDiary *m_diary = nullptr;
    SettingsPage *m_settings = nullptr;
    CNoticeBar *m_notice = nullptr;
    QHash<int, QWidget *> m_controls;

    // Where the window was grabbed, while it is moved by hand (window systems that refuse
    // to move it themselves).
    std::optional<QPoint> m_dragOffset;
};
