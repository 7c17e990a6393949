// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SaveProblem.h"

#include "platform/TextCodec.h"
#include "platform/UiText.h"

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

const char *otherReason(int error)
{
    switch (error) {
    case 0:
        return CORVALO_UI_TEXT("SaveProblem", "something unexpected went wrong");
    case EIO:
        return CORVALO_UI_TEXT("SaveProblem", "the disk reported an error");
    case ENAMETOOLONG:
        return CORVALO_UI_TEXT("SaveProblem", "the name is too long");
    case EMFILE:
    case ENFILE:
        return CORVALO_UI_TEXT("SaveProblem", "too many files are open");
    case ENOMEM:
        return CORVALO_UI_TEXT("SaveProblem", "the computer is out of memory");
    case EBUSY:
    case ETXTBSY:
        return CORVALO_UI_TEXT("SaveProblem", "the file is in use");
    case ENOENT: // only for a link, the file itself being there
        return CORVALO_UI_TEXT("SaveProblem", "it is a link to something that is not there");
    case ELOOP:
        return CORVALO_UI_TEXT("SaveProblem", "a link on its way loops back on itself");
    default:
        return CORVALO_UI_TEXT("SaveProblem", "system error %1");
    }
}

const char *reasonPhrase(const FileIo::Result &result, Action action)
{
    using FileIo::Problem;
    switch (result.problem) {
    case Problem::None:
        return "";
    case Problem::DiskFull:
        return CORVALO_UI_TEXT("SaveProblem", "the disk is full");
    case Problem::ReadOnly:
        return result.error == EROFS ? CORVALO_UI_TEXT("SaveProblem", "the disk is read-only")
                                     : CORVALO_UI_TEXT("SaveProblem", "the file is read-only");
    case Problem::ReadOnlyFolder:
        return CORVALO_UI_TEXT("SaveProblem", "the folder is read-only");
    case Problem::NoPermission:
        return action == Action::Load ? CORVALO_UI_TEXT("SaveProblem", "no permission to read")
                                      : CORVALO_UI_TEXT("SaveProblem", "no permission to write");
    case Problem::NotAFile:
        return CORVALO_UI_TEXT("SaveProblem",
                               "a folder, pipe or device sits where the file should be");
    case Problem::Missing:
        // ENOTDIR: the way to it runs through a file, so its folder is there but no folder.
        if (result.error == ENOTDIR)
            return CORVALO_UI_TEXT("SaveProblem", "a file sits where its folder should be");
        return action == Action::Save ? CORVALO_UI_TEXT("SaveProblem", "its folder is missing")
                                      : CORVALO_UI_TEXT("SaveProblem", "the file is missing");
    case Problem::TooLarge:
        return CORVALO_UI_TEXT("SaveProblem", "the file is too large");
    case Problem::Unreadable:
        return CORVALO_UI_TEXT("SaveProblem", "the file could not be read");
    case Problem::Changed:
        return CORVALO_UI_TEXT("SaveProblem", "another program changed the file");
    case Problem::Other:
        break;
    }
    return otherReason(result.error);
}

// The phrase in the user's language with "%1" filled in.
std::string filledPhrase(const char *english, const Translate &translate,
                         const std::string &filling)
{
    std::string text = translate ? translate(english) : std::string(english);
    const std::size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, filling);
    return text;
}

} // namespace

std::string Reason(const FileIo::Result &result, Action action, const Translate &translate)
{
    if (result.ok())
        return {};
    return filledPhrase(reasonPhrase(result, action), translate, std::to_string(result.error));
}

std::string Describe(const FileIo::Result &result, const fs::path &dataRoot, Action action,
                     const Translate &translate)
{
    if (result.ok())
        return {};
    const char *sentence = action == Action::Save ? CORVALO_UI_TEXT("SaveProblem", "Not saved: %1")
        : action == Action::Remove ? CORVALO_UI_TEXT("SaveProblem", "Not deleted: %1")
                                   : CORVALO_UI_TEXT("SaveProblem", "Not opened: %1");
    std::string what = Reason(result, action, translate);
    if (!result.file.empty())
        what += " (" + shownPath(result.file, dataRoot) + ")";
    return filledPhrase(sentence, translate, what);
}

} // namespace SaveProblem
