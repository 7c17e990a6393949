// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/WindowControls.h"
#include "app/WindowPages.h"
#include "calendar/DayFiles.h"
#include "controls/ResourceImage.h"
#include "food/FoodDatabase.h"
#include "food/NutrientData.h"
#include "platform/DiaryLocation.h"
#include "platform/FileIo.h"
#include "store/DayStore.h"

#include <QByteArray>
#include <QDialog>
#include <optional>

class CCharts;
class DiaryConnection;
class CDiary;
class CElements;
class CHoverButton;
class CMealsList;
class CNoticeBar;
class UndoOffer;
class NutrientsPage;
class CPNGButton;
class CTimCalentar;
class FileNotices;
class FoodDatabaseLoader;
class FoodListActions;
class FoodPage;
class NutrientGoals;
class PortionEntry;
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
    // Saves at once whatever typing (weight, note) is still waiting for its save timer.
    void FlushTyping();
    // The diary's folder, as the command line finds it too; its settings from then on.
    FileIo::Result openDiary();
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
    QWidget *control(int id) const { return m_parts.control(id); }
    CTimCalentar *dayStrip() const { return m_dayStrip; }
    CNoticeBar *noticeBar() const { return m_notice; }
    UndoOffer *undoOffer() const { return m_undo; }
    DayFiles::LocalDate selectedDay() const;
    DayStore &store() { return m_store; }
    // The food database, waited for when it is still being loaded.
    const FoodDatabase &foods() const;
    PortionEntry *portionEntry() const;
    FoodListActions *foodActions() const;

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
    // After a copy: the strip's markers and the chart's bars.
    void showCopied();
    // Saves again what the user typed that could not be saved.
    void retryUnsaved();
    bool hasUnsaved() const;
    void connectButtons();
    void wireFoodPage();
    void createChartsPage();
    void createDiaryPage();
    void createSettingsPage();
    void createNutrientsPage();
    void showPage(int page);

    bool m_painted = false;
    int m_page = 0;
    // The page the strip last asked for.
    int m_stripPage = 0;
    DayStore m_store;
    FileNotices *m_files = nullptr;
    ResourceImage m_background;
    ResourceImage m_overlay;
    QString m_monthTitle;

    FoodDatabase m_foods;
    FoodDatabaseLoader *m_foodLoader = nullptr;
    DiaryConnection *m_connection = nullptr;
    DiaryLocation::Resolved m_location;

    CTimCalentar *m_dayStrip = nullptr;
    WindowControls m_parts {this};
    WindowPages m_pages;
    // The nutrients beyond the ten of every shipped food, read in place from these bytes.
    QByteArray m_nutrientBytes;
    NutrientData m_nutrientData;
    CNoticeBar *m_notice = nullptr;
    UndoOffer *m_undo = nullptr;

    // Where the window was grabbed, while it is moved by hand (window systems that refuse
    // to move it themselves).
    std::optional<QPoint> m_dragOffset;
};
