// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the real main window into a PNG, for the README:
//   corvalo_screenshot <out.png> [page]
//       [edges|best|close|goal|goals|edges-goals|export|import|copy-menu|own-list|own-form|
//        quick-add|activity|focus-list|focus-add|focus-box]   (page 0: the prompt)
// "edges" adds the awkward cases: a long unit, amounts and a weight too long for their places;
// "best" shows the food list with best matches first, searched for "milk"; "close" searched for
// "kohl", a German word, whose close matches follow the few foods it begins; "focus-list",
// "focus-add" and "focus-box" show the keyboard focus on the food list, on Add or on the search
// box; "goal" sets a daily calorie
// goal of 2000 (the chart's goal line); "goals" sets daily goals (fat's limit exceeded) for the
// nutrient panel and the Settings page; "edges-goals" does both; "export" exports the history
// from the Settings page (page 5) and shows its outcome; "copy-menu" opens the day
// strip's context menu on the day before; "own-list" lists two foods of the user's own, one
// chosen with its context menu open; "own-form" and "quick-add" show those forms, filled in, over
// the window; "activity" shows the day's activities in their form, the calorie goal of 2000
// raised by what they burned; "import" shows the preview of an import of another diary's
// servings, weights and notes over the Settings page.
// It runs on a fixed date with a throw-away data folder, so the picture is reproducible; it is
// in English unless the environment asks for a language the program has (LANGUAGE=de).
#include "activity/ActivityForm.h"
#include "activity/ActivityList.h"
#include "app/CCorvaloApp.h"
#include "app/CCorvaloDlg.h"
#include "app/ExportGroup.h"
#include "app/ImportAction.h"
#include "app/SettingsPage.h"
#include "calendar/CTimCalentar.h"
#include "calendar/DayFiles.h"
#include "controls/EraseRequest.h"
#include "controls/SkinButton.h"
#include "food/FoodForm.h"
#include "food/FoodListActions.h"
#include "food/PortionEntry.h"
#include "food/QuickAddForm.h"
#include "layout/DialogLayout.h"
#include "layout/PageTable.h"
#include "links/CNewVerWarng.h"
#include "platform/AppFolders.h"
#include "platform/AppSettings.h"
#include "platform/Clock.h"
#include "platform/FileIo.h"
#include "store/MealDayFile.h"
#include "store/WeightFile.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace {

constexpr std::int64_t kNow = 1796463000; // 5 December 2026

// Two weeks of weights and meals before the day shown, for the chart page.
void writeHistory(const std::filesystem::path &folder, bool edges)
{
    const std::filesystem::path data = folder / "db";
    std::filesystem::create_directories(data);
    float weights[] = {82.4f, 82.1f, 0,     81.9f, 82.0f, 81.6f, 81.3f,
                       0,     81.1f, 80.8f, 80.9f, 80.5f, 80.2f, 80.1f};
    if (edges)
        weights[2] = 3e38f;
    const float calories[] = {2350, 2100, 1980, 2420, 2050, 1890, 2600,
                              2200, 1950, 2010, 1870, 2150, 1920, 1800};
    for (int i = 0; i < 14; ++i) {
        const std::int64_t day = kNow - (14 - i) * DayFiles::SecondsPerDay;
        const std::string key = DayFiles::DayKey(day);
        if (weights[i] > 0 && !WeightFile::Write(data / (key + ".wth"), weights[i]))
            std::fprintf(stderr, "could not write the sample weight of %s\n", key.c_str());
        MealEntry meal;
        meal.name = "Day's meals";
        meal.unit = "g";
        meal.nutrients[Nutrient::Calories] = 1.0f;
        meal.gramsPerUnit = 1.0f;
        meal.amount = calories[i];
        if (!MealDayFile::AppendMealRecord(data / (key + ".db"), meal))
            std::fprintf(stderr, "could not write the sample meal of %s\n", key.c_str());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("TZ", "UTC");
    QApplication application(argc, argv);
    std::setlocale(LC_ALL, "C");
    // In the user's language when the program has it (LANGUAGE=de), month names included.
    if (!CCorvaloApp::LoadUserLanguage().isEmpty())
        std::setlocale(LC_TIME, "");
    if (argc < 2) {
        std::fprintf(stderr, "usage: corvalo_screenshot <out.png> [page]\n");
        return 2;
    }
    // Absolute now: the window makes its data folder the current directory.
    const QString output = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const int page = argc > 2 ? std::atoi(argv[2]) : 1;
    const std::string_view option = argc > 3 ? std::string_view(argv[3]) : std::string_view();
    const bool edges = option == "edges" || option == "edges-goals";
    const bool goals = option == "goals" || option == "edges-goals";
    const bool best = option == "best";
    const bool close = option == "close";

    QTemporaryDir folder;
    AppSettings::useFileForTesting(folder.filePath(QStringLiteral("settings.ini")));
    AppSettings::writeTabs(page);
    AppSettings::writeBestMatchesFirst(best || close);
    if (option == "goal") {
        NutrientGoals calories;
        calories.setGoalText(Nutrient::Calories, "2000");
        AppSettings::writeGoals(calories);
    }
    if (goals) {
        NutrientGoals sample;
        sample.setGoalText(Nutrient::Calories, "2000");
        sample.setGoalText(Nutrient::Carbohydrates, "250");
        sample.setGoalText(Nutrient::Protein, "12");
        sample.setGoalText(Nutrient::Fat, "10");
        sample.setGoalText(Nutrient::Fiber, "25");
        sample.setGoalText(Nutrient::Sodium, "2300");
        sample.setGoalText(Nutrient::SaturatedFat, "20");
        AppSettings::writeGoals(sample);
    }
    AppFolders::setExecutableFolderForTesting(folder.path().toStdString());
    Clock::setNowForTesting(kNow);
    if (page == 2 || option == "copy-menu" || option == "export" || option == "import")
        writeHistory(folder.path().toStdString(), edges);
    const bool own = option == "own-list" || option == "own-form" || option == "quick-add";
    if (own &&
        !FileIo::writeAtomically(
             std::filesystem::path(folder.path().toStdString()) / "myfoods.tsv",
             "Apple crumble, grandma's\tg\t215\t32\t8.5\t2.4\t1.8\t20\t95\t4\t12\t19"
             "\t150 portion\n"
             "Apple juice, pressed at home\tml\t46\t11.2\t-\t0.1\t-\t8\t4\t-\t-\t9.6"
             "\t250 glass\n")
             .ok())
        std::fprintf(stderr, "could not write the sample foods\n");

    if (option == "activity") {
        const std::filesystem::path diary = folder.path().toStdString();
        std::filesystem::create_directories(diary / "db");
        if (!FileIo::writeAtomically(diary / "settings.conf",
                                     "Goals/Calories=2000\nAddBurnedToGoal=true\n")
                 .ok() ||
            !FileIo::writeAtomically(diary / "db" / (DayFiles::DayKey(kNow) + ".act"),
                                     "Cycling\t45\t380\nYoga\t30\t110\n")
                 .ok())
            std::fprintf(stderr, "could not write the sample activities\n");
    }

    if (page == 0) {
        CNewVerWarng prompt;
        prompt.show();
        QTimer::singleShot(200, &prompt, [&] {
            prompt.grab().save(output);
            prompt.done(0);
        });
        prompt.exec();
        return 0;
    }

    CCorvaloDlg dialog;
    dialog.show();
    if (page == 1) {
        // A day with a few portions logged and one more being entered.
        const auto search = [&](const char *text, int row) {
            static_cast<QLineEdit *>(dialog.control(DialogLayout::SearchBox))
                ->setText(QString::fromLatin1(text));
            auto *list = static_cast<QAbstractItemView *>(dialog.control(DialogLayout::FoodList));
            list->setCurrentIndex(list->model()->index(row, 0));
            dialog.SelectFood(row);
        };
        const auto add = [&](const char *amount) {
            static_cast<QLineEdit *>(dialog.control(DialogLayout::AmountBox))
                ->setText(QString::fromLatin1(amount));
            dialog.portionEntry()->AddPortion();
        };
        search("oats regular cooked", 0);
        add("1.0");
        search("milk, whole, 3.25%", 0);
        add("1.0");
        search("bananas, raw", 0);
        add("1.0");
        if (edges) {
            search("egg, whole, raw, fresh", 0);
            static_cast<QComboBox *>(dialog.control(DialogLayout::UnitBox))
                ->setCurrentText(QStringLiteral("cup (4.86 large eggs)"));
            add("9999999");
            // Enough rows for the list to scroll.
            search("bananas, raw", 0);
            add("3");
            search("oats regular cooked", 0);
            add("0.25");
        }
        if (best)
            search("milk", 1);
        else if (close)
            search("kohl", 0);
        else if (own) {
            search("apple", 0);
            auto *list = static_cast<QAbstractItemView *>(dialog.control(DialogLayout::FoodList));
            for (int row = 0; row < list->model()->rowCount(); ++row)
                if (list->model()->index(row, 0).data().toString().startsWith(
                        QStringLiteral("Apple crumble")))
                    search("apple", row);
        } else
            search("apples, raw, with skin", 0);
        static_cast<QLineEdit *>(dialog.control(DialogLayout::AmountBox))
            ->setText(QString::fromLatin1(edges ? "99999999999" : "2"));
    }
    const auto save = [&] {
        const EraseRequest::SnapshotScope notAnErase;
        dialog.grab().save(output);
        dialog.done(0);
    };
    // A form over the window, where it opens.
    const auto saveWithForm = [&] {
        auto *form = qobject_cast<SkinForm *>(QApplication::activeModalWidget());
        if (!form) {
            std::fprintf(stderr, "the form did not open\n");
            return;
        }
        QImage picture = dialog.grab().toImage();
        {
            QPainter painter(&picture);
            painter.drawImage(form->geometry().topLeft() - dialog.geometry().topLeft(),
                              form->grab().toImage());
        }
        picture.save(output);
        form->reject();
    };
    QTimer::singleShot(200, &dialog, [&] {
        if (option == "import") {
            const std::filesystem::path from = folder.path().toStdString();
            const bool written =
                FileIo::writeAtomically(
                    from / "servings.csv",
                    "Day,Time,Group,Food Name,Amount,Energy (kcal),Protein (g),Carbs (g),"
                    "Fat (g),Fiber (g),Sodium (mg),Category\n"
                    "2026-12-03,08:05,Breakfast,\"Oats, rolled\",40.00 g,150,5.3,27,2.6,4,2,"
                    "Cereal\n"
                    "2026-12-03,12:40,Lunch,Lentil soup,1.00 bowl,230,14,35,3,11,640,Soups\n"
                    "2026-12-04,08:00,Breakfast,Banana,1.00 medium,105,1.3,27,0.4,3.1,1,Fruit\n"
                    "2026-12-06,19:20,Dinner,Pasta with tomato sauce,1.00 plate,520,,80,12,6,"
                    "490,Pasta\n"
                    "2026-12-31,19:20,Dinner,Cake,one slice,abc,,,,,,Dessert\n")
                    .ok() &&
                FileIo::writeAtomically(from / "biometrics.csv",
                                        "Day,Time,Group,Metric,Unit,Amount\n"
                                        "2026-12-04,07:00,,Weight,lbs,176.4\n"
                                        "2026-12-06,07:00,,Weight,kg,79.9\n"
                                        "2026-12-07,07:00,,Weight,kg,79.7\n")
                    .ok() &&
                FileIo::writeAtomically(from / "notes.csv",
                                        "Day,Group,Note\n2026-12-06,,Long walk by the river\n")
                    .ok();
            if (!written)
                std::fprintf(stderr, "could not write the sample import files\n");
            ImportAction::setFileChooserForTesting([&folder] {
                return QStringList {folder.filePath(QStringLiteral("servings.csv")),
                                    folder.filePath(QStringLiteral("biometrics.csv")),
                                    folder.filePath(QStringLiteral("notes.csv"))};
            });
            QTimer::singleShot(100, &dialog, [&] {
                saveWithForm();
                dialog.done(0);
            });
            static_cast<SettingsPage *>(dialog.control(PageTable::SettingsPageWindow))
                ->importButton()
                ->click();
            return;
        }
        if (option == "export") {
            auto *settings =
                static_cast<SettingsPage *>(dialog.control(PageTable::SettingsPageWindow));
            ExportGroup *group = settings->exportGroup();
            const QString target = folder.filePath(QStringLiteral("export"));
            ExportGroup::setFolderChooserForTesting([target] { return target; });
            QObject::connect(group, &ExportGroup::finished, &dialog, save);
            group->exportButton()->click();
            return;
        }
        if (option == "copy-menu") {
            // A popup is a window of its own: drawn into the picture where it opens.
            CTimCalentar *strip = dialog.dayStrip();
            const DayStripModel::DayCell &cell = strip->cells()[13];
            QMenu *menu = strip->ContextMenuFor(cell.date);
            const QPoint at = strip->mapTo(
                &dialog,
                QPoint(int(cell.rect.x + cell.rect.width / 2), int(cell.rect.height * 0.6)));
            menu->popup(dialog.mapToGlobal(at));
            menu->setActiveAction(menu->actions().value(1));
            QImage picture = dialog.grab().toImage();
            QPainter painter(&picture);
            painter.drawPixmap(at, menu->grab());
            painter.end();
            picture.save(output);
            dialog.done(0);
            return;
        }
        if (option == "own-form") {
            QTimer::singleShot(100, &dialog, [&] {
                auto *form = qobject_cast<FoodForm *>(QApplication::activeModalWidget());
                if (form) {
                    form->nameBox()->setText(QStringLiteral("Oat pancakes, homemade"));
                    form->basisChoice()->setCurrentIndex(1);
                    form->servingBox()->setText(QStringLiteral("80"));
                    const char *values[] = {"180", "24",  "6",   "7",  "2",
                                            "90",  "210", "1.5", "45", "4"};
                    for (int k = 0; k < Nutrient::Count; ++k)
                        form->nutrientBox(k)->setText(QString::fromLatin1(values[k]));
                    form->unitNameBox(0)->setText(QStringLiteral("pancake"));
                    form->unitAmountBox(0)->setText(QStringLiteral("40"));
                    form->addUnitRow();
                    form->unitNameBox(1)->setText(QStringLiteral("stack of three"));
                    form->unitAmountBox(1)->setText(QStringLiteral("120"));
                    form->nameBox()->setFocus();
                }
                QTimer::singleShot(100, &dialog, [&] {
                    saveWithForm();
                    dialog.done(0);
                });
            });
            dialog.foodActions()->NewFood();
            return;
        }
        if (option == "own-list") {
            // The chosen own food's context menu, open over the list.
            auto *list = static_cast<QAbstractItemView *>(dialog.control(DialogLayout::FoodList));
            const QRect row = list->visualRect(list->currentIndex());
            const QPoint at(row.left() + 250, row.center().y());
            QTimer::singleShot(100, &dialog, [&dialog, &output] {
                QImage picture = dialog.grab().toImage();
                if (QWidget *menu = QApplication::activePopupWidget()) {
                    {
                        QPainter painter(&picture);
                        painter.drawImage(menu->geometry().topLeft() - dialog.geometry().topLeft(),
                                          menu->grab().toImage());
                    }
                    menu->close();
                }
                picture.save(output);
                dialog.done(0);
            });
            QContextMenuEvent event(QContextMenuEvent::Mouse, at,
                                    list->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list->viewport(), &event);
            return;
        }
        if (option == "activity") {
            QTimer::singleShot(100, &dialog, [&] {
                if (auto *form = qobject_cast<ActivityForm *>(QApplication::activeModalWidget())) {
                    form->list()->setCurrentRow(1);
                    form->nameBox()->setText(QStringLiteral("Swimming"));
                    form->minutesBox()->setText(QStringLiteral("40"));
                    form->nameBox()->setFocus();
                }
                QTimer::singleShot(100, &dialog, [&] {
                    saveWithForm();
                    dialog.done(0);
                });
            });
            dialog.findChild<ActivityList *>()->openForm();
            return;
        }
        if (option == "quick-add") {
            QTimer::singleShot(100, &dialog, [&] {
                auto *form = qobject_cast<QuickAddForm *>(QApplication::activeModalWidget());
                if (form) {
                    form->box(Nutrient::Calories)->setText(QStringLiteral("350"));
                    form->box(Nutrient::Fat)->setText(QStringLiteral("abc"));
                    form->tryCommit();
                }
                QTimer::singleShot(100, &dialog, [&] {
                    saveWithForm();
                    dialog.done(0);
                });
            });
            dialog.foodActions()->QuickAddToDay();
            return;
        }
        if (option != "focus-list" && option != "focus-add" && option != "focus-box") {
            save();
            return;
        }
        // Tab from the control before, as the user would, once the window is active.
        dialog.activateWindow();
        QTimer::singleShot(200, &dialog, [&] {
            if (option == "focus-box") {
                dialog.control(DialogLayout::SearchBox)->setFocus(Qt::TabFocusReason);
                QTimer::singleShot(100, &dialog, save);
                return;
            }
            dialog
                .control(option == "focus-add" ? DialogLayout::AmountBox : DialogLayout::SearchBox)
                ->setFocus(Qt::OtherFocusReason);
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &tab);
            save();
        });
    });
    dialog.exec();
    return 0;
}
