// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsWiring.h"

#include "app/FoodPage.h"
#include "app/ProfileGroup.h"
#include "app/SettingsPage.h"
#include "charts/CCharts.h"
#include "controls/CNoticeBar.h"
#include "nutrition/NutrientsPage.h"
#include "nutrition/TargetEditor.h"
#include "platform/AppSettings.h"
#include "store/DiarySettings.h"

#include <QApplication>
#include <QCoreApplication>

namespace SettingsWiring {

namespace {

void reportStored(const WindowPages &pages, bool stored)
{
    if (stored)
        pages.notice->clearNotice(QStringLiteral("settings"));
    else
        pages.notice->showNotice(
            QStringLiteral("settings"),
            QCoreApplication::translate("SettingsWiring",
                                        "Settings not saved: the file cannot be written"));
}

std::optional<ReferenceIntakes::Profile> storedProfile()
{
    return ReferenceIntakes::ParseProfile(AppSettings::readProfile());
}

} // namespace

void connect(const WindowPages &pages)
{
    SettingsPage *settings = pages.settings;
    settings->setGoals(AppSettings::readGoals());
    settings->setBestMatchesFirst(AppSettings::readBestMatchesFirst());
    settings->setAddBurned(AppSettings::readAddBurnedToGoal());
    settings->profileGroup()->setProfile(storedProfile());
    QObject::connect(settings, &SettingsPage::goalsChanged, settings,
                     [&pages](const NutrientGoals &goals) {
                         if (pages.food)
                             pages.food->setGoals(goals);
                         if (pages.charts)
                             pages.charts->SetCalorieGoal(goals.goal(Nutrient::Calories));
                         reportStored(pages, AppSettings::writeGoals(goals));
                     });
    QObject::connect(settings, &SettingsPage::bestMatchesFirstChanged, settings, [&pages](bool on) {
        if (pages.food)
            pages.food->setBestMatchesFirst(on);
        reportStored(pages, AppSettings::writeBestMatchesFirst(on));
    });
    QObject::connect(settings, &SettingsPage::addBurnedChanged, settings, [&pages](bool on) {
        if (pages.food)
            pages.food->setAddBurned(on);
        if (pages.charts)
            pages.charts->SetAddBurnedToGoal(on);
        reportStored(pages, AppSettings::writeAddBurnedToGoal(on));
    });
    QObject::connect(
        settings, &SettingsPage::profileChanged, settings,
        [&pages](const std::optional<ReferenceIntakes::Profile> &profile) {
            if (pages.nutrients)
                pages.nutrients->setProfile(profile);
            reportStored(pages,
                         AppSettings::writeProfile(profile ? ReferenceIntakes::ProfileText(*profile)
                                                           : std::string()));
        });
}

void connectFood(const WindowPages &pages)
{
    QObject::connect(pages.food, &FoodPage::bestMatchesFirstChosen, pages.food, [&pages](bool on) {
        if (pages.settings)
            pages.settings->setBestMatchesFirst(on);
        reportStored(pages, AppSettings::writeBestMatchesFirst(on));
    });
}

void connectNutrients(const WindowPages &pages)
{
    NutrientsPage *nutrients = pages.nutrients;
    nutrients->setProfile(storedProfile());
    nutrients->setTargets(AppSettings::readTargets());
    QObject::connect(nutrients, &NutrientsPage::targetChanged, nutrients,
                     [&pages](const PersonalTargets &targets, int nutrientId) {
                         reportStored(pages, AppSettings::writeTarget(targets, nutrientId));
                     });
}

void show(const WindowPages &pages)
{
    // Shown, not written: they are what the diary's file holds.
    const NutrientGoals goals = AppSettings::readGoals();
    const bool best = AppSettings::readBestMatchesFirst();
    const bool addBurned = AppSettings::readAddBurnedToGoal();
    const std::optional<ReferenceIntakes::Profile> profile = storedProfile();
    SettingsPage *settings = pages.settings;
    if (settings && !settings->isAncestorOf(QApplication::focusWidget())) {
        if (!DiarySettings::SameGoals(goals, settings->goals()))
            settings->setGoals(goals);
        settings->setBestMatchesFirst(best);
        settings->setAddBurned(addBurned);
        settings->profileGroup()->setProfile(profile);
    }
    if (pages.nutrients) {
        pages.nutrients->setProfile(profile);
        if (!pages.nutrients->targetEditor()->isAncestorOf(QApplication::focusWidget()))
            pages.nutrients->setTargets(AppSettings::readTargets());
    }
    if (pages.food) {
        pages.food->setGoals(goals);
        pages.food->setBestMatchesFirst(best);
        pages.food->setAddBurned(addBurned);
    }
    if (pages.charts)
        pages.charts->SetCalorieGoal(goals.goal(Nutrient::Calories));
}

} // namespace SettingsWiring
