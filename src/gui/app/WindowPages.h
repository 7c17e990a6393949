// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CCharts;
class CDiary;
class CNoticeBar;
class FoodPage;
class NutrientsPage;
class SettingsPage;

// The main window's pages; null until a page is built.
struct WindowPages
{
    FoodPage *food = nullptr;
    CCharts *charts = nullptr;
    CDiary *diary = nullptr;
    NutrientsPage *nutrients = nullptr;
    SettingsPage *settings = nullptr;
    CNoticeBar *notice = nullptr;
};
