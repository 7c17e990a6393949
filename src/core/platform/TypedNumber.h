// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// A number the user typed, into a box of the window or on the command line. An empty box means
// "none"; anything else must be wholly a number, or it is refused with a reason rather than cut
// short. A decimal comma reads as the point in every language ("72,8" is 72.8), but a comma
// before exactly three digits ("1,000") could be a thousands separator and is refused rather
// than guessed. Stored files are not read here: they always use the point (NumberText::parse).
struct TypedNumber
{
    enum class Kind { Empty, Number, NotANumber };

    Kind kind = Kind::Empty;
    double value = 0.0;
    // Why the text is no number: a CORVALO_UI_TEXT phrase in the context "TypedNumber" whose
    // "%1" stands for the text as typed, in quotes; null unless kind is NotANumber.
    const char *problem = nullptr;
    // A number but for a comma that could be a thousands separator ("1,000").
    bool thousands = false;

    static TypedNumber read(std::string_view text);

    // The problem in English with `quoted` (the text as typed, in quotes) filled in.
    std::string problemText(std::string_view quoted) const;
    // The number as the stored files write it, with a point (the text typed, trimmed, with its
    // comma made a point); empty unless kind is Number.
    static std::string withPoint(std::string_view typed);
};
