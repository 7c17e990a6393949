// Builds the food database resources from the text food table:
//   corvalo_foodbuild TABLE DB137 DB138 [--size BYTES]
// DB137 receives the records, every byte stored through the table written to DB138. With
// --size, the records are repeated up to that many bytes: a database of realistic size for the
// benchmarks.

#include "food/FoodDatabaseWriter.h"
#include "food/FoodTable.h"
#include "food/SubstitutionTable.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <string>

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
    std::cerr << "usage: corvalo_foodbuild TABLE DB137 DB138 [--size BYTES]\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4 && argc != 6)
        return usage();
    std::size_t targetSize = 0;
    if (argc == 6) {
        const std::string_view option = argv[4], value = argv[5];
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), targetSize);
        if (option != "--size" || error != std::errc() || end != value.data() + value.size())
            return usage();
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
