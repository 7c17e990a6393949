#pragma once

#include "meals/MealEntry.h"

#include <cstddef>
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

// The calories of a scrambled file image: amount * gramsPerUnit * calories per gram over its
// whole records, summed in double precision.
double DayCalories(std::string_view scrambled);

// Day totals: each entry's contribution added in list order, in single precision.
Nutrients Totals(const std::vector<MealEntry> &entries);

} // namespace MealRecord
