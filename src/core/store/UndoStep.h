// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// A change to one file that can be taken back: what the file held before (or that it was not
// there) and what the change left. Taking it back restores the old bytes exactly, but only while
// the file still holds what the change left, checked under the writers' lock (FileLock): a file
// that another writer (the command line, a synced computer) changed meanwhile is left as it is,
// and the refusal says so (Problem::Changed), so that nothing anyone wrote is lost.
//   const UndoStep::Done done = UndoStep::Run(file, [&] { return ... change the file ...; });
//   if (done.step) done.step->restore();
class UndoStep
{
public:
    struct State
    {
        bool exists = false;
        std::string bytes;

        // The file as it is now; nothing when it cannot be read whole.
        static std::optional<State> Of(const std::filesystem::path &file);
        bool operator==(const State &other) const = default;
    };

    // The step of a change to `file` that started from `before`: nothing when the change left the
    // file as it was, or the file cannot be read now.
    static std::optional<UndoStep> Made(const std::filesystem::path &file,
                                        const std::optional<State> &before);

    // Makes `change` to `file`, and gives its outcome with the step that takes it back: none when
    // the change failed or left the file as it was.
    struct Done;
    static Done Run(const std::filesystem::path &file,
                    const std::function<FileIo::Result()> &change);

    const std::filesystem::path &file() const { return m_file; }
    const State &before() const { return m_before; }
    const State &after() const { return m_after; }

    // Puts the file back as it was before the change (removed when it was not there).
    FileIo::Result restore() const;

private:
    UndoStep(std::filesystem::path file, State before, State after)
        : m_file(std::move(file)), m_before(std::move(before)), m_after(std::move(after))
    {
    }

    std::filesystem::path m_file;
    State m_before;
    State m_after;
};

struct UndoStep::Done
{
    FileIo::Result result;
    std::optional<UndoStep> step;
};
