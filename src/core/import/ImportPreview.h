// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/ImportPlan.h"

#include <string>
#include <vector>

// The plan in words, the same for the window and the command line: each file and what it is,
// the rows left out, then how many days, entries, weights and notes, the date range and the days
// that already have data.
namespace ImportPreview {

struct Line
{
    std::string text;
    bool problem = false; // a file refused or a row left out
};

std::vector<Line> Lines(const ImportPlan::Plan &plan, const ImportPlan::Translate &translate = {});

} // namespace ImportPreview
