// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks English text that the window shows in the user's language. The text itself stays as it
// is; the translation tool collects it under the context given, where the window looks it up.
#define CORVALO_UI_TEXT(context, text) text
