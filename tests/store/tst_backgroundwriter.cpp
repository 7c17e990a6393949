// SPDX-License-Identifier: GPL-3.0-or-later
// The background writer: writes run one at a time in the order they were asked for, a newer
// write of a file takes the place of one still waiting, and a flush or the writer's end waits
// for every write.
#include "store/BackgroundWriter.h"

#include <QtTest>
#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

class TestBackgroundWriter : public QObject
{
    Q_OBJECT

private slots:
    void inOrderAndOnlyTheLatestWaitingWrite();
    void theEndWaitsForEveryWrite();
};

void TestBackgroundWriter::inOrderAndOnlyTheLatestWaitingWrite()
{
    // Only the writer's thread adds to it; read once a flush has returned.
    std::vector<std::string> ran;
    auto write = [&ran](const char *name) {
        return [&ran, name] {
            ran.push_back(name);
        };
    };
    std::promise<void> started;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();

    BackgroundWriter writer;
    // The first write holds the writer until the others wait behind it.
    writer.put("a.txt", [&, released] {
        started.set_value();
        released.wait();
        ran.push_back("a1");
    });
    started.get_future().wait();
    writer.put("b.txt", write("b1"));
    writer.put("a.txt", write("a2")); // a1 has started: this one waits of its own
    writer.put("c.txt", write("c1"));
    writer.put("b.txt", write("b2")); // replaces b1, in its place
    writer.put("a.txt", write("a3")); // replaces a2
    release.set_value();
    writer.flush();
    QCOMPARE(ran, (std::vector<std::string> {"a1", "b2", "a3", "c1"}));

    writer.put("a.txt", write("a4"));
    writer.flush();
    QCOMPARE(ran.size(), std::size_t(5));
    QCOMPARE(ran.back(), "a4");
}

void TestBackgroundWriter::theEndWaitsForEveryWrite()
{
    std::vector<std::string> ran;
    {
        BackgroundWriter writer;
        for (const char *name : {"a.txt", "b.txt", "c.txt"}) {
            writer.put(name, [&ran, name] {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                ran.push_back(name);
            });
        }
    }
    QCOMPARE(ran, (std::vector<std::string> {"a.txt", "b.txt", "c.txt"}));
}

QTEST_GUILESS_MAIN(TestBackgroundWriter)
#include "tst_backgroundwriter.moc"
