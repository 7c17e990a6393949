// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "calendar/DaySelection.h"
#include "controls/BackgroundSlice.h"
#include "controls/PaintedTexts.h"
#include "nutrition/NutrientLookup.h"
#include "nutrition/PersonalTargets.h"
#include "nutrition/ReferenceIntakes.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class DayStore;
class FoodDatabase;
class NutrientData;
class PeriodNutrition;
class QComboBox;
class QDateEdit;
class QLabel;
class QTreeWidget;
class TargetEditor;

// The Nutrients page: every nutrient the food data holds, for the chosen day or as the average
// per logged day over a run of days, grouped as people read them, each with its amount, a bar
// against the person's target, the upper limit where one applies to food, and how much of the
// calories its amount is known for. Choosing a nutrient lists the foods that gave it.
class NutrientsPage : public QWidget
{
    Q_OBJECT

public:
    enum class Period { Day, Strip, Week, Month, Range };

    explicit NutrientsPage(QWidget *parent = nullptr);
    ~NutrientsPage() override;

    // Every nutrient of the diary's entries: the shipped foods, the own foods and the recipes as
    // the files hold them now. Only once the sources are set.
    NutrientLookup diaryLookup() const;

    // Where the foods, their nutrients and the days come from; none owned. The foods are asked
    // for only when the page is shown: the database may still be loading.
    using Foods = std::function<const FoodDatabase &()>;
    void setSources(Foods foods, const NutrientData *data, const DayStore *store);
    // The strip's selection, read at each update; not owned.
    void setDays(const DaySelection *days) { m_days = days; }
    // The person the targets are for; none: no targets.
    void setProfile(const std::optional<ReferenceIntakes::Profile> &profile);
    // The targets the person set over the profile's.
    void setTargets(const PersonalTargets &targets);
    // Reads the days and shows them; called when the day or the files change. A hidden page
    // reads them when it is shown.
    void UpdatePage();

    void setPeriod(Period period);
    QTreeWidget *nutrientTree() const { return m_tree; }
    QTreeWidget *sourceList() const { return m_sources; }
    QComboBox *periodBox() const { return m_period; }
    QString loggedText() const;
    TargetEditor *targetEditor() const { return m_targetEditor; }

signals:
    // The person set, cleared or reset the target of `nutrientId`; to be stored.
    void targetChanged(const PersonalTargets &targets, int nutrientId);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Run
    {
        DayFiles::LocalDate first;
        int days = 1;
    };
    Run run() const;
    void fillTree();
    void showSources();
    void periodChosen();
    int currentNutrient() const;
    void showTarget();

    BackgroundSlice m_background;
    PaintedTexts m_texts;
    Foods m_foods;
    bool m_stale = true;
    const NutrientData *m_data = nullptr;
    const DayStore *m_store = nullptr;
    static inline const DaySelection s_noDays {};
    const DaySelection *m_days = &s_noDays;
    std::optional<ReferenceIntakes::Profile> m_profile;
    PersonalTargets m_targets;
    std::unique_ptr<PeriodNutrition> m_shown;

    QComboBox *m_period = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QLabel *m_logged = nullptr;
    QTreeWidget *m_tree = nullptr;
    QLabel *m_sourcesTitle = nullptr;
    QTreeWidget *m_sources = nullptr;
    TargetEditor *m_targetEditor = nullptr;
};
