// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The verse engine, from the user's text to the verses:
//
//   word-list text --ParseWordList--> WordList, LastEntryIndex
//   InitWordTables ----------------> ArticleTable, Prepositions, VerbEndings
//   ComposeVerse (RandomSource) ---> one more verse appended to a text, EntryGenders
//   ApplyWordList / StartNewText / AppendVerse drive these and hand VerseText
//   (or the too-few-words message) to the window through VerseWindow.
//
// All that changes lives in one GeneratorState that the window owns for its life.
// Text is UTF-8 with CR LF line breaks; each front end converts at its edge.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace wumpel {

// The codes are stored as 16-bit integers, as the word tables index by them.
enum class Gender : std::int16_t { Masculine = 0, Feminine = 1, Neuter = 2 };
enum class GrammaticalCase : std::int16_t { Nominative = 0, Dative = 1, Accusative = 2 };
enum class ArticleKind : std::int16_t { None = 0, Negative = 1, Indefinite = 2, Definite = 3 };

inline constexpr std::size_t GenderCount = 3;
inline constexpr std::size_t GrammaticalCaseCount = 3;
inline constexpr std::size_t ArticleKindCount = 4;

inline constexpr std::size_t ArticleCellCount =
    GenderCount * GrammaticalCaseCount * ArticleKindCount;
inline constexpr std::size_t PrepositionCount = 15;
inline constexpr std::size_t VerbEndingCount = 8;
inline constexpr std::size_t WordListCapacity = 26;

// A verse needs nine different entries, so index 8 is the least usable last index.
inline constexpr std::int16_t MinimumLastEntryIndex = 8;

struct WordEntry {
    std::string Article;
    std::string Noun;
};

struct GeneratorState {
    std::array<std::string, ArticleCellCount> ArticleTable{};
    std::array<std::string, PrepositionCount> Prepositions{};
    std::array<std::string, VerbEndingCount> VerbEndings{};

    // Slots above LastEntryIndex keep what an earlier parse left and are never read.
    std::array<WordEntry, WordListCapacity> WordList{};
    std::int16_t LastEntryIndex = 0;

    // Written only by the composer, so a gender learnt in one verse outlives later parses.
    std::array<Gender, WordListCapacity> EntryGenders{};

    std::string VerseText;
};

} // namespace wumpel
