// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the nutrient side table: any bytes load or are refused without reading past
// them, and a loaded table hands out finite amounts that are not negative for every food. The
// same bytes as nutrient table text parse, and what they give writes and loads back unchanged.
#include "food/NutrientData.h"
#include "food/NutrientDataWriter.h"
#include "food/NutrientTable.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto copy = std::make_unique<std::uint8_t[]>(size);
    if (size > 0)
        std::memcpy(copy.get(), data, size);

    NutrientData loaded;
    if (loaded.load({copy.get(), size})) {
        for (int i = 0; i < loaded.foodCount(); ++i) {
            const FoodNutrients food = loaded.food(i);
            for (int id = 0; id < NutrientCatalogue::Count; ++id)
                if (food.known(id) && !(std::isfinite(food.value(id)) && food.value(id) >= 0.0f))
                    std::abort();
        }
    }

    NutrientTable table;
    table.parse(std::string_view(reinterpret_cast<const char *>(copy.get()), size));
    NutrientDataWriter writer;
    for (const NutrientTableEntry &food : table.foods())
        writer.addFood(food.nutrients);
    const std::vector<std::uint8_t> bytes = writer.bytes();
    NutrientData written;
    if (!written.load(bytes) || written.foodCount() != int(table.foods().size()))
        std::abort();
    for (std::size_t i = 0; i < table.foods().size(); ++i)
        if (!(written.food(int(i)) == table.foods()[i].nutrients))
            std::abort();
    return 0;
}
