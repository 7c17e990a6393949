// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the food table text the build reads: any text parses without reading past
// it, every food it accepts is well formed, sorting keeps every food, and the database written
// from the foods loads back with the same names.
#include "food/FoodDatabase.h"
#include "food/FoodDatabaseWriter.h"
#include "food/FoodTable.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <numeric>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto copy = std::make_unique<char[]>(size);
    if (size > 0)
        std::memcpy(copy.get(), data, size);

    FoodTable table;
    const bool clean = table.parse(std::string_view(copy.get(), size));
    if (clean != table.errors().empty())
        std::abort();
    for (const FoodTableEntry &food : table.foods()) {
        if (food.name.empty() || food.name.find('\0') != std::string::npos ||
            food.units.size() > std::size_t(FoodFormat::MaxStoredUnits))
            std::abort();
        for (const FoodTableUnit &unit : food.units)
            if (!(unit.factor >= 0.0f) || unit.name.empty())
                std::abort();
        for (const float nutrient : food.nutrients)
            if (!(nutrient >= 0.0f))
                std::abort();
    }

    const std::size_t count = table.foods().size();
    table.sortByName();
    if (table.foods().size() != count)
        std::abort();
    for (std::size_t i = 1; i < count; ++i)
        if (FoodTable::nameLess(table.foods()[i].name, table.foods()[i - 1].name))
            std::abort();

    FoodDatabaseWriter writer;
    for (const FoodTableEntry &food : table.foods())
        writer.addFood(food);
    const std::vector<std::uint8_t> bytes = writer.decodedBytes();
    std::array<std::uint8_t, FoodFormat::TableSize> identity {};
    std::iota(identity.begin(), identity.end(), 0);
    FoodDatabase database;
    if (count > 0) {
        if (!database.load(bytes, identity) || database.recordCount() != int(count))
            std::abort();
        for (std::size_t i = 0; i < count; ++i)
            if (database.record(int(i)).name() != table.foods()[i].name)
                std::abort();
    }
    return 0;
}
