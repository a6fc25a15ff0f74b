// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_composer.h"
#include "engine/word_list_parser.h"
#include "engine/word_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace wumpel {
namespace {

// Composes many verses with a fixed seed and counts, from the text alone, how
// often each article kind, preposition and verb ending came up. The bounds are
// far wider than the sampling noise (so the fixed seed never trips them) and far
// narrower than the gap a wrong weight would open.
constexpr int VerseCount = 200'000;
constexpr double RelativeTolerance = 0.05;

std::vector<std::string> SplitAtBlanks(std::string_view line)
{
    std::vector<std::string> tokens(1);
    for (const char c : line) {
        if (c == ' ') {
            tokens.emplace_back();
        } else {
            tokens.back() += c;
        }
    }
    return tokens;
}

ArticleKind KindOf(const std::string& article)
{
    if (article.empty()) {
        return ArticleKind::None;
    }
    if (article.starts_with("kein")) {
        return ArticleKind::Negative;
    }
    if (article.starts_with("ein")) {
        return ArticleKind::Indefinite;
    }
    return ArticleKind::Definite;
}

struct Tally {
    std::array<int, ArticleKindCount> kinds{};
    std::map<std::string, int> prepositions;
    std::map<std::string, int> verbs;
};

Tally ComposeAndCount()
{
    GeneratorState state;
    InitWordTables(state);
    ParseWordList(state, "der A\r\ndie B\r\ndas C\r\nder D\r\ndie E\r\ndas F\r\nder G\r\n"
                         "die H\r\ndas I\r\nder J\r\ndie K\r\ndas L\r\n");
    SeededRandomSource random(20261208);
    Tally tally;
    // Token positions of the articles in each line, and of preposition and verb.
    const std::array<std::vector<std::size_t>, 3> articleTokens = {
        std::vector<std::size_t>{1, 4, 7}, std::vector<std::size_t>{1, 4, 6},
        std::vector<std::size_t>{1, 4, 7}};
    for (int verse = 0; verse < VerseCount; ++verse) {
        state.VerseText.clear();
        ComposeVerse(state, random, state.VerseText);
        const std::string_view text = state.VerseText;
        std::size_t start = 0;
        for (std::size_t line = 0; line < 3; ++line) {
            const std::size_t end = text.find("\r\n", start);
            const auto tokens = SplitAtBlanks(text.substr(start, end - start));
            for (const std::size_t token : articleTokens.at(line)) {
                ++tally.kinds.at(static_cast<std::size_t>(KindOf(tokens.at(token))));
            }
            if (line == 2) {
                ++tally.prepositions[tokens.at(3)];
                ++tally.verbs[tokens.at(9)];
            }
            start = end + 2;
        }
    }
    return tally;
}

const Tally& Counts()
{
    static const Tally tally = ComposeAndCount();
    return tally;
}

void ExpectShare(int observed, double total, double expectedShare, const std::string& what)
{
    const double expected = total * expectedShare;
    EXPECT_NEAR(observed, expected, expected * RelativeTolerance) << what;
}

TEST(VerseDistribution, ArticleKindsFollowTheLogarithm)
{
    const double e = std::exp(1.0);
    const std::array<double, ArticleKindCount> shares = {
        (e - 1) / 50, (e * e - e) / 50, (e * e * e - e * e) / 50, 1 - (e * e * e - 1) / 50};
    const double slots = 9.0 * VerseCount;
    for (std::size_t kind = 0; kind < ArticleKindCount; ++kind) {
        ExpectShare(Counts().kinds.at(kind), slots, shares.at(kind),
                    "kind " + std::to_string(kind));
    }
    EXPECT_NEAR(shares.at(0), 0.0344, 0.0001);
    EXPECT_NEAR(shares.at(3), 0.6183, 0.0001);
}

// Of each table a draw picks from, the first entry comes up with 0.4 and the
// last with 0.6 of the others' weight; the tally knows them without blanks.
void ExpectEndsWeighLess(std::span<const std::string> entries,
                         const std::map<std::string, int>& counts)
{
    ASSERT_EQ(counts.size(), entries.size());
    const std::size_t last = entries.size() - 1;
    for (std::size_t i = 0; i <= last; ++i) {
        const double weight = i == 0 ? 0.4 : (i == last ? 0.6 : 1.0);
        const std::string word = SplitAtBlanks(entries[i]).at(1);
        ExpectShare(counts.at(word), VerseCount, weight / static_cast<double>(last), word);
    }
}

TEST(VerseDistribution, FirstAndLastPrepositionsAndVerbEndingsWeighLess)
{
    GeneratorState tables;
    InitWordTables(tables);
    ExpectEndsWeighLess(tables.Prepositions, Counts().prepositions);
    ExpectEndsWeighLess(tables.VerbEndings, Counts().verbs);
}

} // namespace
} // namespace wumpel
