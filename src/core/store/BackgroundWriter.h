// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Writes files on a thread of its own, so that rewriting a long file never holds up the one who
// asked. The writes run one at a time, in the order they were asked for. Of the writes waiting
// for one file only the latest is worth doing: a newer one takes the place of the older, so a
// slow disk is never left behind a backlog of texts already out of date.
//
// A write is a function run on the writer's thread: it may use only what it owns (copies made
// when it was asked for), hands its outcome back itself, and throws nothing: an exception ends
// the program, as it would have on the caller's thread.
class BackgroundWriter
{
public:
    using Write = std::function<void()>;

    BackgroundWriter();
    // Runs every write still waiting before it returns.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter &) = delete;
    BackgroundWriter &operator=(const BackgroundWriter &) = delete;

    // Queues a write of the file, in place of one for the same file that has not started.
    void put(const std::filesystem::path &file, Write write);
    // Returns once every write queued so far has run.
    void flush();

private:
    struct Job
    {
        std::filesystem::path file;
        Write write;
    };
    void run();

    std::mutex m_lock;
    std::condition_variable m_wake; // a job was queued, or the writer ends
    std::condition_variable m_idle; // the queue ran dry
    std::deque<Job> m_jobs;
    // Writes replaced before they ran; let go on the writer's thread, as they may hold long texts.
    std::vector<Write> m_dropped;
    bool m_busy = false; // a job taken from the queue is running
    bool m_ending = false;
    // Last: the thread starts once everything it uses is there.
    std::thread m_thread;
};
