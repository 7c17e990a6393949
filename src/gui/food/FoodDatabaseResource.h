// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodDatabase.h"
#include "platform/FileIo.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <future>

class RecipeBook;
class UserFoodTable;

// A copy of the program's resource "DB" with the id; empty when there is none.
QByteArray LoadDbResource(int id);
// The nutrient side table (DB 139) for NutrientData::load, without a copy where the program
// carries it uncompressed; the bytes must outlive the data read from them.
QByteArray NutrientResource();

// Loads the food database from resource DB 137 through the table DB 138 (FoodDatabase::load).
// False when either is missing or the database is not wholly sound; the database then holds
// what could be loaded safely, possibly nothing. The food list is reset by its controller.
bool LoadFoodDatabase(FoodDatabase &database);
// Merges the own foods and the recipes into the database in one go; the recipes' names, which
// the food list marks.
QStringList AddOwnFoods(FoodDatabase &database, const UserFoodTable &foods,
                        const RecipeBook &recipes);

// Loads the food database on a worker thread while the window comes up, and hands it over on
// the thread that started it: at the first turn of the event loop after it is ready, or at once
// when finish() is called because something needs it now (a search typed early).
class FoodDatabaseLoader : public QObject
{
    Q_OBJECT

public:
    // The target must outlive the loader's use of it: it is written only by finish().
    explicit FoodDatabaseLoader(FoodDatabase &target, QObject *parent = nullptr);
    ~FoodDatabaseLoader() override;

    void start();
    // Waits for the worker if it is still busy and hands the database over; nothing more once
    // that is done.
    void finish();
    bool isFinished() const { return m_finished; }

    // The user's own foods (UserFoodTable) and recipes (RecipeBook) to merge into the database
    // when it is handed over, or at once, with loaded() again, when that is done already.
    void mergeUserFoods(const std::filesystem::path &file, const std::filesystem::path &recipes);
    // The recipes' names as last merged.
    const QStringList &recipeNames() const { return m_recipeNames; }

signals:
    // The target holds the database; sound as LoadFoodDatabase's result.
    void loaded(bool sound);
    // The user's foods were read: how the file read went (a missing file is fine), and the
    // notice for lines that were skipped, empty when none was.
    void userFoodsRead(const FileIo::Result &read, const QString &skipped);
    // The same for the recipes.
    void recipesRead(const FileIo::Result &read, const QString &skipped);

private:
    struct Result
    {
        FoodDatabase database;
        bool sound = false;
    };

    void mergeUserFoodsNow();

    FoodDatabase &m_target;
    std::future<Result> m_worker;
    bool m_finished = false;
    bool m_sound = false;
    std::filesystem::path m_userFoods;
    std::filesystem::path m_recipes;
    QStringList m_recipeNames;
};
