#pragma once

#include "calendar/DayFiles.h"
#include "controls/BackgroundSlice.h"
#include "controls/ResourceImage.h"
#include "meals/MealEntry.h"
#include "meals/MealRowLayout.h"
#include "platform/FileIo.h"

#include <QFont>
#include <QListWidget>
#include <filesystem>
#include <vector>

class CElements;
class DayStore;
class FocusRing;
class QLineEdit;

// The day's meal list: one row per entry with a tick box, the name, the amount in a framed cell
// that edits in place, and the unit. The list shows one day of the store; every change is handed
// to the store at once and the list is reloaded from it, so the rows, the totals on the panel and
// the file always agree. Row i always holds entry i. From the keyboard: Up and Down move, Space
// ticks, F2 or Enter edits the amount (Enter keeps it, Escape drops it).
class CMealsList : public QListWidget
{
    Q_OBJECT

public:
    explicit CMealsList(QWidget *parent = nullptr);

    // The panel that receives the day totals after each load; not owned.
    void setPanel(CElements *panel) { m_panel = panel; }
    // Where the days are kept; not owned.
    void setStore(DayStore *store) { m_store = store; }

    // Shows the day (which becomes the current day even when it has no entries yet), scrolled to
    // its newest entries, and hands the totals to the panel.
    void LoadMeals(const DayFiles::LocalDate &day);
    // Rewrites the current day from the entries, ticked ones left out on request; reloads.
    void SaveMeals(bool skipTicked);
    // Removes the current day's entries; reloads.
    void ClearMeals();
    // Logs one more entry for the current day; reloads.
    void AppendMeal(const MealEntry &entry);

    // Adds a row for the entry and returns its index.
    int AppendEntry(const MealEntry &entry);
    // The selected entry's contribution to each nutrient; false, `out` untouched, without one.
    bool GetSelectedContribution(Nutrients &out) const;

    const std::vector<MealEntry> &entries() const { return m_entries; }
    const DayFiles::LocalDate &day() const { return m_day; }
    const MealRowLayout &rowLayout() const { return m_layout; }
    int topRow() const;
    int editRow() const { return m_editRow; }
    QLineEdit *amountEditor() const { return m_amountEdit; }

signals:
    // The user moved the selection (mouse or keys); reloads do not count.
    void mealSelectionChanged();
    // The list lost the keyboard focus, also to its own amount editor.
    void focusLost();
    // The outcome of every write the list handed to the store, and of every load.
    void saved(const FileIo::Result &result);
    void opened(const FileIo::Result &result);
    // An edited amount was not taken: the text is no amount that can be logged.
    void amountRefused(const QString &typed);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    enum class CommitOn { Enter, FocusLoss };

    void BeginAmountEdit(int index, int visibleRow);
    void CommitAmountEdit(CommitOn reason);
    void toggleTick(int index);
    void backToEditedRow(int index);
    void drawRow(QPainter &painter, const MealEntry &entry, int top, bool selected) const;

    CElements *m_panel = nullptr;
    DayStore *m_store = nullptr;
    MealRowLayout m_layout;
    int m_editRow = -1;
    bool m_reloading = false;
    BackgroundSlice m_background;
    ResourceImage m_tickOn;
    ResourceImage m_tickOff;
    QFont m_textFont;
    QFont m_selectedTextFont;
    QFont m_amountFont;
    QFont m_selectedAmountFont;
    std::vector<MealEntry> m_entries;
    DayFiles::LocalDate m_day;
    QLineEdit *m_amountEdit = nullptr;
    // An edit begun from the keyboard ends with the keyboard back on its row.
    bool m_editFromKeys = false;
    FocusRing *m_focusRing = nullptr;
};
