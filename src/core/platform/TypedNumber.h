#pragma once

#include <string_view>

// A number the user typed into a form, where an empty box means "none" and text that does not
// start with a number must be said rather than taken as 0. A number is read as NumberText::parse
// reads it (the C library's atof in the "C" locale).
struct TypedNumber
{
    enum class Kind { Empty, Number, NotANumber };

    Kind kind = Kind::Empty;
    double value = 0.0;

    static TypedNumber read(std::string_view text);
};
