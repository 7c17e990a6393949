#include "store/SaveProblem.h"

#include "platform/TextCodec.h"

#include <cerrno>

namespace fs = std::filesystem;

namespace SaveProblem {

namespace {

std::string shownPath(const fs::path &file, const fs::path &dataRoot)
{
    fs::path shown = file.lexically_normal();
    if (!dataRoot.empty()) {
        const fs::path relative = shown.lexically_relative(dataRoot.lexically_normal());
        if (!relative.empty() && relative != "." && *relative.begin() != "..")
            shown = relative;
    }
    const std::u8string text = shown.u8string();
    // A name the system let through need not be UTF-8; show its letters anyway.
    return TextCodec::ToUtf8(
        std::string_view(reinterpret_cast<const char *>(text.data()), text.size()));
}

std::string otherReason(int error)
{
    switch (error) {
    case 0:
        return "something unexpected went wrong";
    case EIO:
        return "the disk reported an error";
    case ENAMETOOLONG:
        return "the name is too long";
    case EMFILE:
    case ENFILE:
        return "too many files are open";
    case ENOMEM:
        return "the computer is out of memory";
    case EBUSY:
    case ETXTBSY:
        return "the file is in use";
    default:
        return "system error " + std::to_string(error);
    }
}

} // namespace

std::string Reason(const FileIo::Result &result, Action action)
{
    using FileIo::Problem;
    switch (result.problem) {
    case Problem::None:
        return {};
    case Problem::DiskFull:
        return "the disk is full";
    case Problem::ReadOnly:
        return result.error == EROFS ? "the disk is read-only" : "the file is read-only";
    case Problem::ReadOnlyFolder:
        return "the folder is read-only";
    case Problem::NoPermission:
        return action == Action::Load ? "no permission to read" : "no permission to write";
    case Problem::NotAFile:
        return "a folder, pipe or device sits where the file should be";
    case Problem::Missing:
        return action == Action::Save ? "its folder is missing" : "the file is missing";
    case Problem::TooLarge:
        return "the file is too large";
    case Problem::Unreadable:
        return "the file could not be read";
    case Problem::Changed:
        return "another program changed the file";
    case Problem::Other:
        break;
    }
    return otherReason(result.error);
}

std::string Describe(const FileIo::Result &result, const fs::path &dataRoot, Action action)
{
    if (result.ok())
        return {};
    std::string text = action == Action::Save ? "Not saved: "
        : action == Action::Remove            ? "Not deleted: "
                                              : "Not opened: ";
    text += Reason(result, action);
    if (!result.file.empty())
        text += " (" + shownPath(result.file, dataRoot) + ")";
    return text;
}

} // namespace SaveProblem
