// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/UndoStep.h"

#include "platform/FileLock.h"

std::optional<UndoStep::State> UndoStep::State::Of(const std::filesystem::path &file)
{
    State state;
    const FileIo::Result read = FileIo::read(file, state.bytes);
    if (read.problem == FileIo::Problem::Missing)
        return State {};
    if (!read.ok())
        return std::nullopt;
    state.exists = true;
    return state;
}

std::optional<UndoStep> UndoStep::Made(const std::filesystem::path &file,
                                       const std::optional<State> &before)
{
    if (!before)
        return std::nullopt;
    std::optional<State> after = State::Of(file);
    if (!after || *after == *before)
        return std::nullopt;
    return UndoStep(file, *before, std::move(*after));
}

UndoStep::Done UndoStep::Run(const std::filesystem::path &file,
                             const std::function<FileIo::Result()> &change)
{
    const std::optional<State> before = State::Of(file);
    Done done {change(), std::nullopt};
    if (done.result.ok())
        done.step = Made(file, before);
    return done;
}

FileIo::Result UndoStep::restore() const
{
    FileIo::Result failure = FileIo::Result::success(m_file);
    // A file the change removed has nothing to lock; one that is back was written by another.
    const std::optional<FileLock> lock =
        m_after.exists ? FileLock::acquire(m_file, false, failure) : std::nullopt;
    if (m_after.exists && !lock)
        return failure.problem == FileIo::Problem::Missing
            ? FileIo::Result::failure(m_file, FileIo::Problem::Changed)
            : failure;
    const std::optional<State> now = State::Of(m_file);
    if (!now)
        return FileIo::Result::failure(m_file, FileIo::Problem::Unreadable);
    if (*now != m_after)
        return FileIo::Result::failure(m_file, FileIo::Problem::Changed);
    return m_before.exists ? FileIo::writeAtomically(m_file, m_before.bytes)
                           : FileIo::remove(m_file);
}
