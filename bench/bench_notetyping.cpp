// SPDX-License-Identifier: GPL-3.0-or-later
// Typing at the end of a long diary note, offscreen: the time each key takes to be handled (key
// event sent until the event loop is idle again), and the time from the last key until the note
// file holds everything typed. Then steady typing, a key every 60 ms for two seconds, with the
// periodic saves it brings: the window's longest freeze, the longest gap between two runs of a
// 1 ms timer, and the processor time the window's thread used in that gap. Usage:
// corvalo_bench_notetyping [keys]   (default 20)

#include "BenchFolder.h"
#include "app/CCorvaloDlg.h"
#include "calendar/CDiary.h"
#include "layout/PageTable.h"
#include "platform/Clock.h"
#include "platform/FileIo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

constexpr int kDiaryPage = 3;

// The processor time this thread has used.
qint64 threadTime()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

double ms(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

void run(std::size_t bytes, int keys)
{
    const BenchFolder dir(kDiaryPage);
    auto window = std::make_unique<CCorvaloDlg>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        std::exit(1);

    // Lines of 77 letters (79 bytes: no size asked for ends inside a line break) and CR LF, ending
    // in a letter so typed keys only append.
    std::string note;
    note.reserve(bytes + 80);
    while (note.size() < bytes)
        note += std::string(77, 'x') + "\r\n";
    note.resize(bytes);
    note.back() = 'x';
    const std::filesystem::path file = window->store().NoteFile(window->selectedDay());
    if (!FileIo::writeAtomically(file, note))
        std::exit(1);
    window->LoadDay();
    auto *diary = qobject_cast<CDiary *>(window->control(PageTable::DiaryPageWindow));
    QPlainTextEdit *edit = diary->editor();
    edit->setFocus();
    edit->moveCursor(QTextCursor::End);
    QCoreApplication::processEvents();

    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < keys; ++i) {
        clock.start();
        QTest::keyClick(edit, 'a');
        QCoreApplication::processEvents();
        times.push_back(ms(clock.nsecsElapsed()));
    }
    clock.start();
    const std::uintmax_t wanted = bytes + std::uintmax_t(keys);
    auto written = [&] {
        std::error_code error;
        if (std::filesystem::file_size(file, error) != wanted || error)
            return false;
        const auto bytesNow = FileIo::readAll(file);
        return bytesNow && bytesNow->ends_with(std::string(std::size_t(keys), 'a'));
    };
    while (!written() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    const double toFile = ms(clock.nsecsElapsed());
    const bool burstWritten = written();

    // Steady typing: each key from the event loop, as a user's would come.
    constexpr int kSteadyKeys = 33;
    int typed = 0;
    QTimer typing;
    typing.setInterval(60);
    QObject::connect(&typing, &QTimer::timeout, [&] {
        if (typed < kSteadyKeys) {
            QTest::keyClick(edit, 'b');
            ++typed;
        }
    });
    qint64 last = 0;
    qint64 longest = 0;
    // The same in the thread's own processor time: what the window did itself in one go, apart
    // from the time other programs had the processor.
    qint64 lastWork = 0;
    qint64 longestWork = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
        const qint64 work = threadTime();
        longestWork = std::max(longestWork, work - lastWork);
        lastWork = work;
    });
    // A status call while typing goes on; the file is read once it has its full size.
    auto steadySize = [&] {
        std::error_code error;
        return std::filesystem::file_size(file, error) == wanted + kSteadyKeys && !error;
    };
    clock.start();
    last = clock.nsecsElapsed();
    lastWork = threadTime();
    typing.start();
    tick.start();
    while ((typed < kSteadyKeys || !steadySize()) && clock.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    tick.stop();
    typing.stop();
    const auto bytesNow = FileIo::readAll(file);
    const bool steadyWritten = bytesNow && bytesNow->size() == wanted + kSteadyKeys &&
        bytesNow->ends_with(std::string(std::size_t(kSteadyKeys), 'b'));

    std::sort(times.begin(), times.end());
    std::printf("%8zu bytes: per key median %7.2f ms, worst %7.2f ms; file complete %7.1f ms "
                "after the last of %d keys%s\n",
                bytes, times[times.size() / 2], times.back(), toFile, keys,
                burstWritten ? "" : " (NOT WRITTEN)");
    std::printf("%8zu bytes: steady typing, longest freeze %7.2f ms (of it working %7.2f ms) "
                "over %d keys%s\n",
                bytes, ms(longest), ms(longestWork), kSteadyKeys,
                steadyWritten ? "" : " (NOT WRITTEN)");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int keys = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    Clock::setNowForTesting(1796463000); // 5 December 2026
    for (std::size_t size : {std::size_t(10) << 10, std::size_t(1) << 20, std::size_t(5) << 20})
        run(size, keys);
    return 0;
}
