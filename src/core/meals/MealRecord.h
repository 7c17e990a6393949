// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "meals/MealEntry.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The meal day file: one record per entry, in list order, with no header. A record is
//   name, 0, ten nutrients, gramsPerUnit, amount (IEEE singles, little-endian), unit, 0
// so it is name length + unit length + 50 bytes, and every byte of the file is XORed with 0xD3.
// These functions work on byte buffers; MealDayFile does the file I/O.
namespace MealRecord {

inline constexpr unsigned char Mask = 0xD3;
inline constexpr std::size_t FixedBytes = 50;
inline constexpr std::size_t NumberBytes = 48; // ten nutrients, gramsPerUnit, amount

// XORs each byte with the mask in place; the same call scrambles and unscrambles.
std::size_t ScrambleBytes(char *buffer, std::size_t length);

// The scrambled record of one entry. A zero byte would end a text early in the file, so each
// text is taken up to its first zero byte. Long texts are written whole.
std::string Encode(const MealEntry &entry);

struct Decoded
{
    std::vector<MealEntry> entries; // listIndex = position, nothing ticked
    std::size_t consumed = 0; // bytes of whole records; the rest is a cut-short last record
};

// Reads the records of a scrambled file image, stopping at the first record that does not end
// inside the image (a text without its zero byte, numbers crossing the end).
Decoded Decode(std::string_view scrambled);

// Bytes of whole records at the start of an image (Decode's `consumed`), found without
// decoding a single entry.
std::size_t WholeBytes(std::string_view scrambled);

// Edits made on an image's own bytes, for a day too large to keep a second copy of as entries.
// Each gives the image's whole records with the change, or nothing when the image does not hold
// `expected` whole records: then it is not the day the change was meant for.
// `removed` lists record positions in ascending order.
std::optional<std::string> WithoutRecords(std::string_view scrambled,
                                          const std::vector<std::size_t> &removed,
                                          std::size_t expected);
std::optional<std::string> WithAmount(std::string_view scrambled, std::size_t index, float amount,
                                      std::size_t expected);

// One entry's calories as the day's calories count them: amount * gramsPerUnit * calories per
// gram, in single precision.
inline float Calories(float amount, float gramsPerUnit, float caloriesPerGram)
{
    return amount * gramsPerUnit * caloriesPerGram;
}

// The calories of a scrambled file image, or of a day's entries: Calories() of each whole
// record, summed in double precision in file order.
double DayCalories(std::string_view scrambled);
double DayCalories(const std::vector<MealEntry> &entries);

// Day totals: each entry's contribution added in list order, in single precision.
Nutrients Totals(const std::vector<MealEntry> &entries);

} // namespace MealRecord
