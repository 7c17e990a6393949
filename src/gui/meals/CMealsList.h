#pragma once

#include "controls/BackgroundSlice.h"
#include "controls/ResourceImage.h"
#include "meals/MealEntry.h"
#include "meals/MealRowLayout.h"

#include <QFont>
#include <QListWidget>
#include <filesystem>
#include <vector>

class CElements;
class QLineEdit;

// The day's meal list: one row per entry with a tick box, the name, the amount in a framed cell
// that edits in place, and the unit. The list owns the day's entries and the path of its file;
// every change is written to the file at once and the list is reloaded from it, so the rows, the
// totals on the panel and the file always agree. Row i always holds entry i.
class CMealsList : public QListWidget
{
    Q_OBJECT

public:
    explicit CMealsList(QWidget *parent = nullptr);

    // The panel that receives the day totals after each load; not owned.
    void setPanel(CElements *panel) { m_panel = panel; }

    // Shows the day file at `path` (which becomes the current day file even when it does not
    // exist yet), scrolled to its newest entries, and hands the totals to the panel.
    void LoadMeals(const std::filesystem::path &path);
    // Rewrites the current day file from the entries, ticked ones left out on request; reloads.
    void SaveMeals(bool skipTicked);
    // Deletes the current day file; reloads.
    void ClearMeals();

    // Adds a row for the entry and returns its index.
    int AppendEntry(const MealEntry &entry);
    // The selected entry's contribution to each nutrient; false, `out` untouched, without one.
    bool GetSelectedContribution(Nutrients &out) const;

    const std::vector<MealEntry> &entries() const { return m_entries; }
    const std::filesystem::path &dayFile() const { return m_dayFile; }
    const MealRowLayout &rowLayout() const { return m_layout; }
    int topRow() const;
    int editRow() const { return m_editRow; }
    QLineEdit *amountEditor() const { return m_amountEdit; }

signals:
    // The user moved the selection (mouse or keys); reloads do not count.
    void mealSelectionChanged();
    // The list lost the keyboard focus, also to its own amount editor.
    void focusLost();

protected:
    void paintEvent(QPaintEvent *event) override;
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
    void drawRow(QPainter &painter, const MealEntry &entry, int top, bool selected) const;

    CElements *m_panel = nullptr;
    MealRowLayout m_layout;
    int m_editRow = -1;
    bool m_reloading = false;
    bool m_dayReadable = true;
    BackgroundSlice m_background;
    ResourceImage m_tickOn;
    ResourceImage m_tickOff;
    QFont m_textFont;
    QFont m_selectedTextFont;
    QFont m_amountFont;
    QFont m_selectedAmountFont;
    std::vector<MealEntry> m_entries;
    std::filesystem::path m_dayFile;
    QLineEdit *m_amountEdit = nullptr;
};
