// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/BackgroundWriter.h"

#include <algorithm>

BackgroundWriter::BackgroundWriter() : m_thread([this] { run(); }) { }

BackgroundWriter::~BackgroundWriter()
{
    {
        const std::lock_guard lock(m_lock);
        m_ending = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void BackgroundWriter::put(const std::filesystem::path &file, Write write)
{
    {
        const std::lock_guard lock(m_lock);
        const auto waiting = std::find_if(m_jobs.begin(), m_jobs.end(),
                                          [&](const Job &job) { return job.file == file; });
        // It keeps the older one's place: that file has waited longest.
        if (waiting != m_jobs.end()) {
            m_dropped.push_back(std::move(waiting->write));
            waiting->write = std::move(write);
        } else
            m_jobs.push_back({file, std::move(write)});
    }
    m_wake.notify_one();
}

void BackgroundWriter::flush()
{
    std::unique_lock lock(m_lock);
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
}

void BackgroundWriter::run()
{
    std::unique_lock lock(m_lock);
    for (;;) {
        m_wake.wait(lock, [this] { return !m_jobs.empty() || m_ending; });
        std::vector<Write> dropped = std::move(m_dropped);
        m_dropped.clear();
        if (m_jobs.empty())
            return;
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_busy = true;
        lock.unlock();
        job.write();
        // Destroyed outside the lock: they may hold long texts.
        job = {};
        dropped.clear();
        lock.lock();
        m_busy = false;
        if (m_jobs.empty())
            m_idle.notify_all();
    }
}
