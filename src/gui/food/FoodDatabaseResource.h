#pragma once

#include <QByteArray>

class FoodDatabase;

// A copy of the program's resource "DB" with the id; empty when there is none.
QByteArray LoadDbResource(int id);

// Loads the food database from resource DB 137 through the table DB 138 (FoodDatabase::load).
// False when either is missing or the database is not wholly sound; the database then holds
// what could be loaded safely, possibly nothing. The food list is reset by its controller.
bool LoadFoodDatabase(FoodDatabase &database);
