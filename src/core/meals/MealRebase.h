// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A change the user made to the rows they saw, carried over to the day's file as it is now,
// which another writer (the command line, a sync engine) may have changed meanwhile. A row is
// found again only when its record is there byte for byte, in the same order relative to the
// other rows that are still there; a change to a row that is not found is refused, never
// guessed: it could land on someone else's entry.
namespace MealRebase {

// The whole records of a scrambled image, as views into it.
std::vector<std::string_view> Records(std::string_view scrambled);

// For each shown record, its position among the file's records now, or -1 when it is no longer
// there. The rows both sides keep in common keep their order.
std::vector<std::ptrdiff_t> Match(const std::vector<std::string_view> &shown,
                                  const std::vector<std::string_view> &now);

// The image now without the shown records at `removed` (positions in the shown image); nothing
// when one of them cannot be found.
std::optional<std::string> Remove(std::string_view shownImage,
                                  const std::vector<std::size_t> &removed,
                                  std::string_view nowImage);

// The image now with the shown record at `index` given `amount`; nothing when it is not found.
std::optional<std::string> ChangeAmount(std::string_view shownImage, std::size_t index,
                                        float amount, std::string_view nowImage);

// The image now with the shown record at `index` replaced by `records` (whole records, none or
// many); nothing when it is not found.
std::optional<std::string> Replace(std::string_view shownImage, std::size_t index,
                                   const std::string &records, std::string_view nowImage);

} // namespace MealRebase
