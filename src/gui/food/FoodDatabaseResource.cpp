#include "food/FoodDatabaseResource.h"

#include "food/FoodDatabase.h"
#include "platform/Resources.h"

#include <span>

namespace {

constexpr int DatabaseId = 137;
constexpr int TableId = 138;

std::span<const std::uint8_t> bytesOf(const QByteArray &data)
{
    return {reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size())};
}

} // namespace

QByteArray LoadDbResource(int id)
{
    return Resources::bytes("DB", id);
}

bool LoadFoodDatabase(FoodDatabase &database)
{
    const QByteArray stored = LoadDbResource(DatabaseId);
    if (stored.isEmpty()) {
        database.clear();
        return false;
    }
    return database.load(bytesOf(stored), bytesOf(LoadDbResource(TableId)));
}
