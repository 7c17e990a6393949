// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the recipe file: any bytes parse, the text written back reads as the same
// book and is written back unchanged, every recipe read can be logged, split and defined again, no
// name leads into an endless look-up, and two halves joined lose no line of either.
#include "recipes/RecipeBook.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    RecipeBook book;
    book.parse(bytes);
    const std::string text = book.text();
    RecipeBook again;
    again.parse(text);
    if (again.text() != text || again.skipped().size() != book.skipped().size() ||
        again.recipes().size() != book.recipes().size())
        std::abort();

    const std::string_view all(bytes);
    const std::string_view first = all.substr(0, size / 2), second = all.substr(size / 2);
    const std::string joined = RecipeBook::join(first, second);
    if (RecipeBook::join(joined, second) != joined || RecipeBook::join(joined, first) != joined)
        std::abort();

    const DayFiles::LocalDate day {1, 1, 2030};
    for (Recipe recipe : book.recipes()) {
        if (!book.inForce(recipe.name, day) || !recipe.problem().empty())
            std::abort();
        const MealEntry entry = recipe.entry(1.0, Recipe::Serving);
        if (entry.unit != Recipe::Serving ||
            recipe.split(entry).size() != recipe.ingredients.size())
            std::abort();
        recipe.since = day;
        // Refused only for a loop the file itself holds.
        std::string why;
        if (!again.define(recipe, &why) && why.find("contain itself") == std::string::npos)
            std::abort();
    }
    return 0;
}
