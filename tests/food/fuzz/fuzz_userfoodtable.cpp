// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the user's food table: any bytes parse, the text written back reads as the
// same table and is written back unchanged, some definition of what the foods were is in force on
// any day, and the foods merge into a database in name order, each marked as the user's.
#include "food/FoodDatabase.h"
#include "food/FoodDatabaseWriter.h"
#include "food/UserFoodTable.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    UserFoodTable table;
    table.parse(bytes);
    const std::string text = table.text();
    UserFoodTable again;
    again.parse(text);
    if (again.text() != text || again.foodCount() != table.foodCount() ||
        again.skipped().size() != table.skipped().size() ||
        again.definitions().size() != table.definitions().size())
        std::abort();
    // Whatever the file holds of a food's past, some definition is in force on any day.
    const std::vector<UserFoodHistory::Definition> definitions = table.definitions();
    if (!definitions.empty() &&
        (!UserFoodHistory::InForce(definitions, DayFiles::LocalDate {1, 1, 2030}) ||
         !UserFoodHistory::InForce(definitions, DayFiles::LocalDate {1, 1, 1000})))
        std::abort();

    FoodTableEntry shipped;
    shipped.name = "M";
    FoodDatabaseWriter writer;
    writer.addFood(shipped);
    const std::vector<std::uint8_t> decoded = writer.decodedBytes();
    std::array<std::uint8_t, FoodFormat::TableSize> identity {};
    std::iota(identity.begin(), identity.end(), 0);
    FoodDatabase database;
    if (!database.load(decoded, identity) ||
        database.addUserFoods(table.records()) != table.foodCount() ||
        database.recordCount() != table.foodCount() + 1 ||
        database.userFoodCount() != table.foodCount())
        std::abort();
    for (int i = 1; i < database.recordCount(); ++i)
        if (FoodTable::nameLess(database.name(i), database.name(i - 1)))
            std::abort();
    return 0;
}
