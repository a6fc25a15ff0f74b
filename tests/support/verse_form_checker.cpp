// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "tests/support/verse_form_checker.h"

#include "engine/generator_state.h"
#include "engine/word_list_parser.h"

namespace wumpel::testing_support {
namespace {

constexpr std::size_t SlotCount = 9;
constexpr std::size_t Nominative = 0;
constexpr std::size_t Dative = 1;
constexpr std::size_t Accusative = 2;

struct Slot {
    std::string_view lead; // empty for the slot of the preposition
    std::size_t grammaticalCase;
    std::string_view tail;
};

constexpr std::array<Slot, SlotCount> Frame{{
    {"Wenn ", Nominative, ""},
    {" mit ", Dative, ""},
    {" über ", Accusative, " springt\r\n"},
    {"und ", Nominative, ""},
    {" in ", Dative, ""},
    {" ", Accusative, " verschlingt,\r\n"},
    {"dann ", Nominative, ""},
    {"", Dative, ""},
    {" als ", Nominative, ""},
}};
constexpr std::size_t PrepositionSlot = 7;

constexpr std::array<std::string_view, 15> Prepositions{
    " aus ",    " bei ",   " mit ", " nach ", " von ",   " zu ",  " an ",      " auf ",
    " hinter ", " neben ", " in ",  " über ", " unter ", " vor ", " zwischen "};
constexpr std::array<std::string_view, 8> VerbEndings{" erklingt.", " versinkt.", " stinkt.",
                                                      " hinkt.",    " winkt.",    " verschlingt.",
                                                      " schwingt.", " umringt."};

// [gender][case]: every form an article may take, no article first.
using Forms = std::array<std::string_view, 4>;
constexpr std::array<std::array<Forms, 3>, 3> ArticleForms{{
    {{{"", "kein", "ein", "der"}, {"", "keinem", "einem", "dem"}, {"", "keinen", "einen", "den"}}},
    {{{"", "keine", "eine", "die"}, {"", "keiner", "einer", "der"}, {"", "keine", "eine", "die"}}},
    {{{"", "kein", "ein", "das"}, {"", "keinem", "einem", "dem"}, {"", "kein", "ein", "das"}}},
}};

constexpr std::string_view VerseEnd = "\r\n\r\n";

// Enough for any list the tests and the monkey build; a search that needs more is itself a
// finding worth a look.
constexpr long SearchBudget = 5000000;

std::optional<std::size_t> genderOf(std::string_view article)
{
    if (article == "der") {
        return 0;
    }
    if (article == "die") {
        return 1;
    }
    if (article == "das") {
        return 2;
    }
    return std::nullopt;
}

bool startsWithAt(std::string_view text, std::size_t pos, std::string_view part)
{
    return pos <= text.size() && text.substr(pos).starts_with(part);
}

} // namespace

VerseFormChecker::VerseFormChecker(std::string_view wordList)
{
    GeneratorState state;
    ParseWordList(state, wordList);
    m_entryCount = static_cast<std::size_t>(state.LastEntryIndex + 1);
    for (std::size_t i = 0; i < m_entryCount; ++i) {
        const WordEntry& entry = state.WordList.at(i);
        const std::optional<std::size_t> gender = genderOf(entry.Article);
        bool grouped = false;
        for (EntryGroup& group : m_groups) {
            if (group.noun == entry.Noun && group.gender == gender) {
                ++group.count;
                grouped = true;
                break;
            }
        }
        if (!grouped) {
            m_groups.push_back({entry.Noun, gender, 1});
        }
    }
}

std::string VerseFormChecker::check(std::string_view text) const
{
    if (text.empty()) {
        return "no verse at all";
    }
    std::size_t verseStart = 0;
    int verseNumber = 1;
    while (verseStart < text.size()) {
        // A noun never holds a line break, so each verse ends at its fourth one.
        std::size_t end = verseStart;
        for (int line = 0; line < 4; ++line) {
            end = text.find("\r\n", end);
            if (end == std::string_view::npos) {
                return "verse " + std::to_string(verseNumber) +
                       " is not three lines and an empty line: " +
                       std::string(text.substr(verseStart, 300));
            }
            end += 2;
        }
        const std::string_view verse = text.substr(verseStart, end - verseStart);
        std::vector<int> used(m_groups.size(), 0);
        long budget = SearchBudget;
        if (!matchVerse(verse, 0, 0, used, budget)) {
            return "verse " + std::to_string(verseNumber) +
                   (budget <= 0 ? " could not be decided: " : " is not made from the list: ") +
                   std::string(verse.substr(0, 300));
        }
        verseStart = end;
        ++verseNumber;
    }
    return {};
}

bool VerseFormChecker::matchVerse(std::string_view verse, std::size_t pos, std::size_t slot,
                                  std::vector<int>& used, long& budget) const
{
    if (slot == SlotCount) {
        for (const std::string_view ending : VerbEndings) {
            if (startsWithAt(verse, pos, ending) && verse.substr(pos + ending.size()) == VerseEnd) {
                return true;
            }
        }
        return false;
    }
    if (slot == PrepositionSlot) {
        for (const std::string_view preposition : Prepositions) {
            if (startsWithAt(verse, pos, preposition) &&
                matchSlotRest(verse, pos + preposition.size(), slot, used, budget)) {
                return true;
            }
        }
        return false;
    }
    const std::string_view lead = Frame.at(slot).lead;
    return startsWithAt(verse, pos, lead) &&
           matchSlotRest(verse, pos + lead.size(), slot, used, budget);
}

// The article, a blank, the noun of an entry not yet used, and the slot's tail.
bool VerseFormChecker::matchSlotRest(std::string_view verse, std::size_t pos, std::size_t slot,
                                     std::vector<int>& used, long& budget) const
{
    if (--budget <= 0) {
        return false;
    }
    const std::size_t grammaticalCase = Frame.at(slot).grammaticalCase;
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        const EntryGroup& group = m_groups.at(g);
        if (used.at(g) == group.count) {
            continue;
        }
        for (std::size_t gender = 0; gender < ArticleForms.size(); ++gender) {
            if (group.gender.has_value() && *group.gender != gender) {
                continue;
            }
            for (const std::string_view article : ArticleForms.at(gender).at(grammaticalCase)) {
                std::size_t at = pos;
                if (!startsWithAt(verse, at, article)) {
                    continue;
                }
                at += article.size();
                if (!startsWithAt(verse, at, " ") || !startsWithAt(verse, at + 1, group.noun)) {
                    continue;
                }
                at += 1 + group.noun.size();
                const std::string_view tail = Frame.at(slot).tail;
                if (!startsWithAt(verse, at, tail)) {
                    continue;
                }
                ++used.at(g);
                const bool matched = matchVerse(verse, at + tail.size(), slot + 1, used, budget);
                --used.at(g);
                if (matched) {
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace wumpel::testing_support
