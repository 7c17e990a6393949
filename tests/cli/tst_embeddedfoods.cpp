// SPDX-License-Identifier: GPL-3.0-or-later
#include "EmbeddedFoods.h"
#include "food/FoodDatabase.h"
#include "food/NutrientData.h"

#include <QtTest>

class TestEmbeddedFoods : public QObject
{
    Q_OBJECT

private slots:
    void nutrientsBesideTheDatabase();
};

void TestEmbeddedFoods::nutrientsBesideTheDatabase()
{
    FoodDatabase database;
    QVERIFY(database.load(EmbeddedFoods::Records(), EmbeddedFoods::Table()));
    NutrientData nutrients;
    QVERIFY(nutrients.load(EmbeddedFoods::Nutrients()));
    QCOMPARE(nutrients.foodCount(), database.recordCount());
}

QTEST_GUILESS_MAIN(TestEmbeddedFoods)
#include "tst_embeddedfoods.moc"
