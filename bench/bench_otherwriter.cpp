// SPDX-License-Identifier: GPL-3.0-or-later
// How soon the real main window shows what another writer stored: from an entry appended to the
// shown day's file (as corvalo-cli add writes it), a weight and a note replaced (as a sync engine
// writes them), until the window shows them. Median and worst over many rounds.
// Usage: corvalo_bench_otherwriter [rounds]   (QT_QPA_PLATFORM=offscreen unless set otherwise)

#include "BenchFolder.h"
#include "app/CCorvaloDlg.h"
#include "calendar/CDiary.h"
#include "layout/DialogLayout.h"
#include "meals/CMealsList.h"
#include "platform/Clock.h"
#include "store/MealDayFile.h"
#include "store/NoteFile.h"
#include "store/WeightFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// Milliseconds until `shown` holds, or -1 after two seconds.
double until(const std::function<bool()> &shown)
{
    QElapsedTimer timer;
    timer.start();
    while (!shown() && timer.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return shown() ? double(timer.nsecsElapsed()) / 1e6 : -1.0;
}

void report(const char *what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-34s median %6.1f ms   worst %6.1f ms   (%zu rounds)\n", what,
                times[times.size() / 2], times.back(), times.size());
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "UTC");
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 20;
    const BenchFolder dir(1);
    Clock::setNowForTesting(1796463000); // 5 December 2026
    CCorvaloDlg dialog;
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return 1;
    auto *meals = static_cast<CMealsList *>(dialog.control(DialogLayout::MealList));
    auto *weight = static_cast<QLineEdit *>(dialog.control(DialogLayout::WeightBox));
    auto *diary = dialog.findChild<CDiary *>();
    const auto file = [&](const char *folder, const char *extension) {
        return dir.path() / folder / (std::string("12-05-2026") + extension);
    };

    std::vector<double> added, weighed, noted;
    for (int i = 0; i < rounds; ++i) {
        MealEntry entry;
        entry.name = "Bench entry " + std::to_string(i);
        entry.unit = "g";
        entry.amount = 1.0f + float(i);
        entry.gramsPerUnit = 1.0f;
        const int before = meals->count();
        QTest::qWait(30);
        if (!MealDayFile::AppendMealRecord(file("db", ".db"), entry))
            return 1;
        added.push_back(until([&] { return meals->count() == before + 1; }));

        QTest::qWait(30);
        const float kilograms = 70.0f + float(i) / 10.0f;
        if (!WeightFile::Write(file("db", ".wth"), kilograms))
            return 1;
        const QString expected = QString::number(double(kilograms), 'f', 1);
        weighed.push_back(until([&] { return weight->text() == expected; }));

        QTest::qWait(30);
        const std::string text = "Written elsewhere " + std::to_string(i);
        if (!NoteFile::Write(file("note", ".txt"), text))
            return 1;
        noted.push_back(until([&] {
            return diary && diary->editor()->toPlainText() == QString::fromStdString(text);
        }));
    }
    report("entry appended, shown in the list", added);
    report("weight replaced, shown in the box", weighed);
    report("note replaced, shown on the page", noted);
    return 0;
}
