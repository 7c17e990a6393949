// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the food database resources from the text food table:
//   corvalo_foodbuild TABLE DB137 DB138 [--nutrients NUTRIENTS DB139] [--size BYTES]
// DB137 receives the records, every byte stored through the table written to DB138. With
// --nutrients, the nutrient table beside the food table becomes the side table DB139, one record
// a food in the database's order. With --size, the records are repeated up to that many bytes:
// a database of realistic size for the benchmarks.

#include "food/FoodDatabaseWriter.h"
#include "food/FoodTable.h"
#include "food/NutrientDataWriter.h"
#include "food/NutrientTable.h"
#include "food/SubstitutionTable.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace {

bool readFile(const std::string &path, std::string &text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Written beside the target and renamed, so a failed run leaves no file that looks up to date.
bool writeFile(const std::string &path, const std::uint8_t *data, std::size_t size)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(data), std::streamsize(size));
        out.close();
        if (!out)
            return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

int usage()
{
    std::cerr << "usage: corvalo_foodbuild TABLE DB137 DB138 [--nutrients NUTRIENTS DB139] "
                 "[--size BYTES]\n";
    return 2;
}

// Pairs each food with its line of the nutrient table: the k-th food of a name with the k-th line
// of that name. A food without one keeps the ten values it stores (those not 0). The ten must
// agree: the same value, or 0 in the food table (which cannot tell 0 from unknown) where the
// nutrient table has 0 or nothing.
bool sideTable(const std::vector<FoodTableEntry> &foods, const NutrientTable &nutrients,
               const std::string &path, NutrientDataWriter &writer)
{
    std::map<std::string_view, std::vector<const NutrientTableEntry *>> byName;
    for (const NutrientTableEntry &entry : nutrients.foods())
        byName[entry.name].push_back(&entry);
    std::map<std::string_view, std::size_t> used;
    bool sound = true;
    for (const FoodTableEntry &food : foods) {
        const auto lines = byName.find(food.name);
        std::size_t &k = used[food.name];
        FoodNutrients values;
        if (lines != byName.end() && k < lines->second.size()) {
            const NutrientTableEntry &line = *lines->second[k++];
            values = line.nutrients;
            for (int n = 0; n < Nutrient::Count; ++n) {
                const int id = NutrientCatalogue::fromStored(n);
                const float stored = food.nutrients[std::size_t(n)];
                if (stored == 0.0f ? values.value(id) == 0.0f : values.perGram(id) == stored)
                    continue;
                std::cerr << path << ": line " << line.line << ": its "
                          << NutrientCatalogue::info(id).key << " differs from the food table's\n";
                sound = false;
            }
        } else {
            for (int n = 0; n < Nutrient::Count; ++n) {
                if (food.nutrients[std::size_t(n)] != 0.0f)
                    values.set(NutrientCatalogue::fromStored(n), food.nutrients[std::size_t(n)]);
            }
        }
        writer.addFood(values);
    }
    for (const auto &[name, lines] : byName) {
        const auto count = used.find(name);
        for (std::size_t k = count == used.end() ? 0 : count->second; k < lines.size(); ++k) {
            std::cerr << path << ": line " << lines[k]->line << ": no food of that name\n";
            sound = false;
        }
    }
    return sound;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4)
        return usage();
    std::size_t targetSize = 0;
    std::string nutrientsPath, sideTablePath;
    for (int i = 4; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--nutrients" && i + 2 < argc) {
            nutrientsPath = argv[++i];
            sideTablePath = argv[++i];
        } else if (option == "--size" && i + 1 < argc) {
            const std::string_view value = argv[++i];
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), targetSize);
            if (error != std::errc() || end != value.data() + value.size())
                return usage();
        } else {
            return usage();
        }
    }
    const std::string tablePath = argv[1];

    std::string text;
    if (!readFile(tablePath, text)) {
        std::cerr << tablePath << ": cannot be read\n";
        return 1;
    }
    FoodTable table;
    if (!table.parse(text)) {
        for (const std::string &error : table.errors())
            std::cerr << tablePath << ": " << error << '\n';
        return 1;
    }
    if (table.foods().empty()) {
        std::cerr << tablePath << ": no foods\n";
        return 1;
    }
    table.sortByName();

    if (!nutrientsPath.empty()) {
        std::string nutrientText;
        NutrientTable nutrients;
        if (!readFile(nutrientsPath, nutrientText)) {
            std::cerr << nutrientsPath << ": cannot be read\n";
            return 1;
        }
        if (!nutrients.parse(nutrientText)) {
            for (const std::string &error : nutrients.errors())
                std::cerr << nutrientsPath << ": " << error << '\n';
            return 1;
        }
        NutrientDataWriter sideWriter;
        if (!sideTable(table.foods(), nutrients, nutrientsPath, sideWriter))
            return 1;
        const std::vector<std::uint8_t> bytes = sideWriter.bytes();
        if (!writeFile(sideTablePath, bytes.data(), bytes.size())) {
            std::cerr << "corvalo_foodbuild: cannot write " << sideTablePath << '\n';
            return 1;
        }
    }

    FoodDatabaseWriter writer;
    for (const FoodTableEntry &food : table.foods())
        writer.addFood(food);
    // Repeats the foods while the next record and its offset still fit.
    for (std::size_t i = 0; targetSize > 0; i = (i + 1) % table.foods().size()) {
        const auto record = FoodDatabaseWriter::recordBytes(table.foods()[i]);
        if (writer.size() + 4 + record.size() > targetSize)
            break;
        writer.addRecord(record);
    }
    const std::vector<std::uint8_t> decoded = writer.decodedBytes(targetSize);
    if (decoded.size() > std::size_t(std::numeric_limits<std::int32_t>::max())) {
        std::cerr << tablePath << ": the database would exceed 2 GB\n";
        return 1;
    }

    const SubstitutionTable::Table substitution = SubstitutionTable::fixedTable();
    const std::vector<std::uint8_t> stored = SubstitutionTable::encode(decoded, substitution);
    if (!writeFile(argv[2], stored.data(), stored.size()) ||
        !writeFile(argv[3], substitution.data(), substitution.size())) {
        std::cerr << "corvalo_foodbuild: cannot write " << argv[2] << " or " << argv[3] << '\n';
        return 1;
    }
    return 0;
}
