// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodRanking.h"

#include "food/FindBytes.h"
#include "food/FoodDatabase.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

namespace {

using Kind = FoodRanking::Kind;

// How the USDA table's names say what sort of food they name. A name takes the kind furthest down
// the list among the rules it meets, Plain when it meets none.
enum class Where {
    NameStart, // the name starts so, in any case
    Head, // the name up to its first comma holds the text
    Text, // the name holds the text, in any case
    Word, // a whole word of the name, in any case
};

struct KindRule
{
    Where where;
    std::string_view text;
    Kind kind;
};

constexpr KindRule KindRules[] = {
    // The food as it comes, unflavoured or not kept: "Yogurt, plain", "Egg, whole, raw, fresh".
    {Where::Word, "fresh", Kind::Basic},
    {Where::Word, "plain", Kind::Basic},
    // A plain food kept another way: "Apples, dried", "Milk, canned, evaporated".
    {Where::Word, "canned", Kind::Processed},
    {Where::Word, "concentrate", Kind::Processed},
    {Where::Word, "condensed", Kind::Processed},
    {Where::Word, "dehydrated", Kind::Processed},
    {Where::Word, "dried", Kind::Processed},
    {Where::Word, "dry", Kind::Processed},
    {Where::Word, "evaporated", Kind::Processed},
    {Where::Word, "frozen", Kind::Processed},
    {Where::Word, "imitation", Kind::Processed},
    {Where::Word, "instant", Kind::Processed},
    {Where::Word, "mix", Kind::Processed},
    {Where::Word, "powder", Kind::Processed},
    {Where::Word, "substitute", Kind::Processed},
    // Sweets, and dishes of several foods: "Spaghetti with meat sauce, canned". Only the head
    // counts: "Apples, raw, with skin" is the apple itself.
    {Where::NameStart, "Candies", Kind::Dish},
    {Where::Head, " with ", Kind::Dish},
    {Where::Text, "home-prepared", Kind::Dish},
    {Where::Text, "prepared from recipe", Kind::Dish},
    // Chains' meals. Makers' and chains' own names are in capitals (isBrandWord).
    {Where::NameStart, "Fast food", Kind::Brand},
    {Where::NameStart, "Restaurant", Kind::Brand},
    // Food for babies and small children.
    {Where::NameStart, "Babyfood", Kind::Baby},
    {Where::NameStart, "Infant formula", Kind::Baby},
    {Where::NameStart, "Child formula", Kind::Baby},
    {Where::NameStart, "Toddler formula", Kind::Baby},
};

// The rules met word by word, apart, as they are tried on every word of every match.
constexpr auto WordRules = [] {
    std::array<KindRule, std::ranges::count(KindRules, Where::Word, &KindRule::where)> rules {};
    std::ranges::copy_if(KindRules, rules.begin(),
                         [](const KindRule &rule) { return rule.where == Where::Word; });
    return rules;
}();

// Runs of capitals that name no maker: "USDA Commodity" foods are plain, "type III" a grade.
constexpr std::string_view NotBrands[] = {"USDA", "III"};

// Where a part of a name starts to note an addition, not another food: "Milk, whole, with added
// vitamin D" is whole milk. Its words up to the next comma do not count.
constexpr std::string_view NoteOpeners[] = {"with added ", "without added ", "fortified with "};

bool isUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

char lowered(char c)
{
    return isUpper(c) ? char(c - 'A' + 'a') : c;
}

// Letters, digits and every byte of a multi-byte letter continue a word.
bool isWordByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') || isUpper(c) || NumberText::isDigit(c) || byte >= 0x80;
}

bool equalsIgnoringCase(std::string_view text, std::string_view other)
{
    return text.size() == other.size() &&
        std::equal(text.begin(), text.end(), other.begin(),
                   [](char a, char b) { return lowered(a) == lowered(b); });
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// A maker's or chain's name: three or more capitals in a row ("KRAFT", "McDONALD'S").
bool isBrandWord(std::string_view word)
{
    std::size_t i = 0;
    while (i < word.size()) {
        if (!isUpper(word[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < word.size() && isUpper(word[end]))
            ++end;
        const std::string_view run = word.substr(i, end - i);
        if (run.size() >= 3 &&
            std::find(std::begin(NotBrands), std::end(NotBrands), run) == std::end(NotBrands))
            return true;
        i = end;
    }
    return false;
}

bool meets(const KindRule &rule, std::string_view name)
{
    switch (rule.where) {
    case Where::NameStart:
        return startsWithIgnoringCase(name, rule.text);
    case Where::Head:
        return name.substr(0, name.find(',')).find(rule.text) != std::string_view::npos;
    case Where::Text:
        return std::search(name.begin(), name.end(), rule.text.begin(), rule.text.end(),
                           [](char a, char b) { return lowered(a) == lowered(b); }) != name.end();
    case Where::Word:
        break; // met word by word in kindOf
    }
    return false;
}

bool endsWithSibilantOrO(std::string_view word)
{
    return word.ends_with("ss") || word.ends_with('x') || word.ends_with('z') ||
        word.ends_with("ch") || word.ends_with("sh") || word.ends_with('o');
}

bool isVowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

// Splits at spaces and hyphens, the ways a name's words are joined.
template<typename Visit> void forEachPiece(std::string_view text, Visit visit)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = std::min(text.find_first_of(" -", i), text.size());
        if (end > i)
            visit(text.substr(i, end - i));
        i = end + 1;
    }
}

} // namespace

FoodRanking::FoodRanking(const std::vector<std::string> &words)
{
    for (const std::string &spaced : words) {
        const std::string_view word = std::string_view(spaced).substr(spaced.starts_with(' '));
        if (word.empty())
            continue;
        std::vector<Form> forms;
        const auto addForms = [&](const std::string &typed) {
            forms.push_back({typed, false});
            for (std::string &other : numberForms(typed))
                forms.push_back({std::move(other), true});
        };
        addForms(std::string(word));
        if (word.find('-') != std::string_view::npos) {
            std::string apart(word);
            std::replace(apart.begin(), apart.end(), '-', ' ');
            addForms(apart);
        }
        if (m_words.empty()) {
            m_firstCommon = forms.front().text;
            for (const Form &form : forms) {
                const auto differ = std::mismatch(m_firstCommon.begin(), m_firstCommon.end(),
                                                  form.text.begin(), form.text.end());
                m_firstCommon.erase(differ.first, m_firstCommon.end());
            }
        }
        m_words.push_back(std::move(forms));

        forEachPiece(word, [&](std::string_view piece) {
            m_headWords.emplace_back(piece);
            for (std::string &other : numberForms(piece))
                m_headWords.push_back(std::move(other));
        });
    }
}

bool FoodRanking::matches(std::string_view searchText) const
{
    return std::all_of(m_words.begin(), m_words.end(), [&](const std::vector<Form> &forms) {
        return std::any_of(forms.begin(), forms.end(),
                           [&](const Form &form) { return formAnywhere(searchText, form); });
    });
}

void FoodRanking::findMatches(const FoodDatabase &database, const std::vector<std::string> &words,
                              std::vector<std::int32_t> &matches, std::vector<std::uint32_t> *ranks)
{
    const int count = database.recordCount();
    const FoodRanking ranking(words);
    if (ranking.m_words.empty()) {
        const std::size_t first = matches.size();
        matches.resize(first + std::size_t(count));
        std::iota(matches.begin() + std::ptrdiff_t(first), matches.end(), 0);
        if (ranks)
            ranks->resize(ranks->size() + std::size_t(count), 0);
        return;
    }

    // One key per match, the record index in its low half, so one sort of integers orders them.
    std::vector<std::uint64_t> keys;
    const auto consider = [&](int record, std::string_view text) {
        if (!ranking.matches(text))
            return;
        const auto naming = std::uint64_t(ranking.namingOf(text));
        const auto kind = std::uint64_t(kindOf(database.name(record)));
        const auto words = std::uint64_t(std::min(countedWords(text), 255));
        keys.push_back(naming << 44 | kind << 40 | words << 32 | std::uint32_t(record));
    };

    // Every form of the first word starts with the same letters: one scan of the search copy for
    // them finds the only records worth a closer look, as the alphabetical search does.
    const std::string_view common = ranking.m_firstCommon;
    if (common.size() < 3) {
        for (int record = 0; record < count; ++record)
            consider(record, database.searchText(record));
    } else {
        const char *copy = database.searchCopy();
        const char *scan = copy + database.recordsBegin();
        const char *end = copy + database.recordsEnd();
        int record = 0;
        while (const char *hit = FindBytes(scan, end, common)) {
            // Hits come in ascending order, so the record is found from the last one on.
            while (record + 1 < count &&
                   database.recordOffset(record + 1) <= std::size_t(hit - copy))
                ++record;
            const char *text = copy + database.recordOffset(record);
            scan = copy + database.recordEnd(record);
            // A hit past the name's zero lies in the record's other bytes.
            if (std::memchr(text, 0, std::size_t(hit - text)) == nullptr)
                consider(record, database.searchText(record));
        }
    }
    std::sort(keys.begin(), keys.end());
    for (const std::uint64_t key : keys) {
        matches.push_back(std::int32_t(key & 0xffffffffu));
        if (ranks)
            ranks->push_back(std::uint32_t(key >> 32));
    }
}

std::vector<std::string> FoodRanking::otherNumbers(std::string_view word)
{
    std::vector<std::string> forms;
    if (word.size() < 3)
        return forms;
    const auto cut = [&](std::size_t letters) {
        return std::string(word.substr(0, word.size() - letters));
    };
    const auto add = [&](std::string form) {
        if (form.size() >= 3 && form != word &&
            std::find(forms.begin(), forms.end(), form) == forms.end())
            forms.push_back(std::move(form));
    };
    // Plural to singular.
    if (word.ends_with("ies"))
        add(cut(3) + "y");
    if (word.ends_with("ves")) {
        add(cut(3) + "f");
        add(cut(3) + "fe");
    }
    if (word.ends_with("es") && endsWithSibilantOrO(word.substr(0, word.size() - 2)))
        add(cut(2));
    if (word.ends_with('s') && !word.ends_with("ss"))
        add(cut(1));
    // Singular to plural.
    if (word.ends_with('y') && !isVowel(word[word.size() - 2]))
        add(cut(1) + "ies");
    else if (word.ends_with('f'))
        add(cut(1) + "ves");
    else if (word.ends_with("fe"))
        add(cut(2) + "ves");
    if (endsWithSibilantOrO(word))
        add(std::string(word) + "es");
    else if (!word.ends_with('s'))
        add(std::string(word) + "s");
    return forms;
}

std::vector<std::string> FoodRanking::numberForms(std::string_view word)
{
    std::vector<std::string> forms = otherNumbers(word);
    // A plural misspelt by a rule ("tomatos") reaches the right one through its singular.
    const std::size_t direct = forms.size();
    for (std::size_t i = 0; i < direct; ++i) {
        for (std::string &again : otherNumbers(forms[i])) {
            if (again != word && std::find(forms.begin(), forms.end(), again) == forms.end())
                forms.push_back(std::move(again));
        }
    }
    return forms;
}

FoodRanking::Kind FoodRanking::kindOf(std::string_view name)
{
    bool met = false;
    Kind kind = Kind::Basic;
    const auto meet = [&](Kind rule) {
        if (!met || rule > kind)
            kind = rule;
        met = true;
    };
    // One pass over the words, as this runs for every match of every key typed.
    std::size_t i = 0;
    while (i < name.size()) {
        if (!isWordByte(name[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < name.size() && isWordByte(name[end]))
            ++end;
        const std::string_view word = name.substr(i, end - i);
        if (isBrandWord(word))
            meet(Kind::Brand);
        for (const KindRule &rule : WordRules) {
            if (equalsIgnoringCase(word, rule.text))
                meet(rule.kind);
        }
        i = end;
    }
    for (const KindRule &rule : KindRules) {
        if (rule.where != Where::Word && (!met || rule.kind > kind) && meets(rule, name))
            meet(rule.kind);
    }
    return met ? kind : Kind::Plain;
}

int FoodRanking::countedWords(std::string_view text)
{
    int count = 0;
    int depth = 0; // brackets hold explanations: "(fat free or skim)"
    bool partStart = true;
    bool note = false; // the rest of this part notes an addition or a measure
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ',' && depth == 0) {
            partStart = true;
            note = false;
        }
        if (c == ' ' || c == ',') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(text.find_first_of(" ,", i), text.size());
        const std::string_view word = text.substr(i, end - i);
        const bool bracketed = depth > 0 || word.front() == '(';
        for (const char letter : word)
            depth = std::max(0, depth + (letter == '(') - (letter == ')'));
        if (!bracketed && !note) {
            // A part that starts with a figure is a measure: "3.25% milkfat".
            if (NumberText::isDigit(word.front()))
                note = partStart;
            else if (std::any_of(std::begin(NoteOpeners), std::end(NoteOpeners),
                                 [&](std::string_view opener) {
                                     return text.substr(i).starts_with(opener);
                                 }))
                note = true;
            else
                ++count;
        }
        partStart = false;
        i = end;
    }
    return count;
}

FoodRanking::Naming FoodRanking::namingOf(std::string_view text) const
{
    const std::string_view name = text.substr(text.starts_with(' '));
    bool byTheWords = true;
    int pieces = 0;
    forEachPiece(name.substr(0, name.find(',')), [&](std::string_view piece) {
        ++pieces;
        byTheWords = byTheWords &&
            std::find(m_headWords.begin(), m_headWords.end(), piece) != m_headWords.end();
    });
    if (byTheWords && pieces > 0)
        return Naming::ByTheWords;
    const std::size_t start = text.size() - name.size();
    const auto &first = m_words.front();
    if (std::any_of(first.begin(), first.end(),
                    [&](const Form &form) { return formAt(text, start, form); }))
        return Naming::FirstWordFirst;
    return Naming::Mentioned;
}

bool FoodRanking::formAt(std::string_view text, std::size_t at, const Form &form)
{
    if (text.compare(at, form.text.size(), form.text) != 0)
        return false;
    if (at > 0 && text[at - 1] != ' ' && text[at - 1] != '-')
        return false;
    const std::size_t end = at + form.text.size();
    return !form.wholeWord || end == text.size() || !isWordByte(text[end]);
}

bool FoodRanking::formAnywhere(std::string_view text, const Form &form)
{
    for (std::size_t at = text.find(form.text); at != std::string_view::npos;
         at = text.find(form.text, at + 1)) {
        if (formAt(text, at, form))
            return true;
    }
    return false;
}
