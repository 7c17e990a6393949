// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class FoodDatabase;
class FoodSpelling;
class FoodWordIndex;

// The foods a search finds when its words are read as other spellings or near words, for when
// the words as typed find few.
//
// Each typed word (" word", as FoodFilter::searchWords gives it) may stand for:
//  - the English words the spelling list gives for it ("milch" is "milk"), whatever its length;
//  - when it is made of letters only and no name has a word that begins with it: the names'
//    words and the list's other spellings within FoodWordIndex::AllowedEdits of it ("chiken"
//    is "chicken").
// The words are tried together in the ways with the fewest edits first, a few ways at most;
// more than eight words are not read otherwise at all.
namespace FoodCloseMatches {

// Appends the records found so that are not in `matches` yet: with `bestFirst`, way by way,
// each as FoodRanking orders it; else all of them in database order.
void Find(const FoodDatabase &database, const FoodWordIndex &index, const FoodSpelling &spelling,
          const std::vector<std::string> &words, bool bestFirst,
          std::vector<std::int32_t> &matches);

} // namespace FoodCloseMatches
