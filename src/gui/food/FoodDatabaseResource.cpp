// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodDatabaseResource.h"

#include "food/UserFoodTable.h"
#include "platform/Resources.h"
#include "platform/Text8.h"
#include "recipes/RecipeBook.h"

#include <QResource>
#include <span>

namespace {

constexpr int DatabaseId = 137;
constexpr int NutrientDataId = 139;
constexpr int TableId = 138;

std::span<const std::uint8_t> bytesOf(const QByteArray &data)
{
    return {reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size())};
}

// The resource's bytes where the program carries them, without a copy when they are stored
// uncompressed (as the database is); a copy otherwise.
QByteArray resourceBytes(int id)
{
    const QResource resource(Resources::path("DB", id));
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression &&
        resource.data() != nullptr)
        return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()),
                                       qsizetype(resource.size()));
    return LoadDbResource(id);
}

} // namespace

QByteArray LoadDbResource(int id)
{
    return Resources::bytes("DB", id);
}

QByteArray NutrientResource()
{
    return resourceBytes(NutrientDataId);
}

bool LoadFoodDatabase(FoodDatabase &database)
{
    const QByteArray stored = resourceBytes(DatabaseId);
    if (stored.isEmpty()) {
        database.clear();
        return false;
    }
    return database.load(bytesOf(stored), bytesOf(resourceBytes(TableId)));
}

QStringList AddOwnFoods(FoodDatabase &database, const UserFoodTable &foods,
                        const RecipeBook &recipes)
{
    std::vector<std::vector<std::uint8_t>> records = foods.records();
    for (std::vector<std::uint8_t> &record : recipes.records())
        records.push_back(std::move(record));
    database.addUserFoods(records);
    QStringList names;
    for (const Recipe &recipe : recipes.recipes())
        names << Text8::toQString(recipe.name);
    return names;
}

FoodDatabaseLoader::FoodDatabaseLoader(FoodDatabase &target, QObject *parent)
    : QObject(parent), m_target(target)
{
}

FoodDatabaseLoader::~FoodDatabaseLoader()
{
    // The worker posts its notice to this object; it must be done before the object goes.
    if (m_worker.valid())
        m_worker.wait();
}

void FoodDatabaseLoader::start()
{
    if (m_worker.valid() || m_finished)
        return;
    m_worker = std::async(std::launch::async, [this] {
        Result result;
        result.sound = LoadFoodDatabase(result.database);
        QMetaObject::invokeMethod(this, &FoodDatabaseLoader::finish, Qt::QueuedConnection);
        return result;
    });
}

void FoodDatabaseLoader::finish()
{
    if (m_finished)
        return;
    if (!m_worker.valid())
        start();
    Result result = m_worker.get();
    m_target = std::move(result.database);
    m_finished = true;
    m_sound = result.sound;
    // On this thread: the file's folder is chosen while the worker runs, and the merge is one
    // copy of the database.
    if (!m_userFoods.empty())
        mergeUserFoodsNow();
    emit loaded(m_sound);
}

void FoodDatabaseLoader::mergeUserFoods(const std::filesystem::path &file,
                                        const std::filesystem::path &recipes)
{
    m_userFoods = file;
    m_recipes = recipes;
    if (!m_finished)
        return;
    mergeUserFoodsNow();
    emit loaded(m_sound);
}

void FoodDatabaseLoader::mergeUserFoodsNow()
{
    UserFoodTable table;
    const FileIo::Result read = table.load(m_userFoods);
    RecipeBook book;
    const FileIo::Result recipesFile = book.load(m_recipes);
    m_recipeNames = AddOwnFoods(m_target, table, book);
    emit userFoodsRead(read, QString::fromStdString(table.skippedNotice()));
    emit recipesRead(recipesFile, QString::fromStdString(book.skippedNotice()));
}

#include "moc_FoodDatabaseResource.cpp"
