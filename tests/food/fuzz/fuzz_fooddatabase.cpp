// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the food database loader: any bytes, through either an identity table or
// one the input carries, must load without reading past them, and every record the loader
// accepts must read whole: name, nutrients, units and a search over the copy, alphabetical and
// best matches first.
#include "food/FoodDatabase.h"
#include "food/FoodFilter.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <numeric>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::array<std::uint8_t, FoodFormat::TableSize> table {};
    std::iota(table.begin(), table.end(), 0);
    // An odd first byte makes the next 256 bytes the table, to reach the decoding as well.
    if (size > table.size() && (data[0] & 1) != 0) {
        std::memcpy(table.data(), data + 1, table.size());
        data += table.size() + 1;
        size -= table.size() + 1;
    }
    // A heap block of exactly the input's size, so a read past it is caught.
    const auto stored = std::make_unique<std::uint8_t[]>(size);
    if (size > 0)
        std::memcpy(stored.get(), data, size);

    FoodDatabase database;
    database.load({stored.get(), size}, table);
    if (database.recordCount() < 0 || database.recordCount() > database.declaredCount())
        std::abort();

    std::size_t nameBytes = 0;
    for (int i = 0; i < database.recordCount(); ++i) {
        const FoodRecord record = database.record(i);
        nameBytes += record.name().size() + database.searchText(i).size();
        const FoodUnits units = record.units();
        if (units.count < 0 || units.count > FoodFormat::MaxUnits)
            std::abort();
        for (int u = 0; u < units.count; ++u)
            nameBytes += units.items[std::size_t(u)].name.size();
    }
    if (nameBytes > 4 * std::size_t(database.size()) + 64 * std::size_t(database.recordCount()))
        std::abort();

    FoodFilter filter(database);
    const auto checkRows = [&] {
        for (int row = 0; row < filter.rowCount(); ++row)
            if (filter.recordForRow(row) < 0 || filter.recordForRow(row) >= database.recordCount())
                std::abort();
    };
    filter.setSearchText("a b", 3);
    checkRows();
    // Best matches first reads every name it finds, a short word on each record and a longer one
    // through the scan of the copy.
    filter.setBestMatchesFirst(true);
    checkRows();
    filter.setSearchText("ab-ies a", 8);
    checkRows();
    return 0;
}
