// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

struct TypedNumber;

// The core's phrases in the user's language, looked up under the context the core marked them
// with: what its problem reports are made of (the save and load problems, the export's), and the
// nutrients' names.
namespace CoreText {

std::string problem(const char *phrase);

// Why a typed number was refused, in the user's language, with the text as typed.
QString numberProblem(const TypedNumber &number, const QString &typed);
// The same for a comma that could be a thousands separator ("1,000"); empty for any other text,
// so that a form's own words for "no number" stand.
QString thousandsProblem(const QString &typed);

// A nutrient's name as the panel labels it, without the label's colon ("Saturated fat").
QString nutrientName(int nutrient);

} // namespace CoreText
