// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_draws.h"
#include "tests/engine/scripted_random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <tuple>

namespace wumpel {
namespace {

using testing_support::DrawAt;

// The highest draw: 1 - 2^-24.
constexpr Draw JustBelowOne = DrawOne - 1;

// The rules as written, in double, for comparison with the integer arithmetic
// the engine does.
std::int64_t EntryIndexInDouble(std::int16_t last, Draw r)
{
    return static_cast<std::int64_t>(
        std::floor(static_cast<double>(static_cast<float>(last)) * DrawValue(r) + 0.5));
}
std::int64_t OffsetIndexInDouble(double n, Draw r)
{
    return static_cast<std::int64_t>(std::floor(n * DrawValue(r) + 0.6));
}

TEST(DrawEntryIndex, SpansZeroToTheLastIndex)
{
    for (std::int16_t last = 0; last <= 25; ++last) {
        EXPECT_EQ(DrawEntryIndex(last, 0), 0) << "last " << last;
        EXPECT_EQ(DrawEntryIndex(last, JustBelowOne), last) << "last " << last;
    }
}

// Each draw next to each bin boundary, for every list length, and every draw for
// the longest list, whose products are the largest.
TEST(DrawEntryIndex, MatchesTheRuleInDouble)
{
    for (std::int16_t last = 0; last <= 25; ++last) {
        for (int boundary = 0; boundary <= last; ++boundary) {
            const auto centre =
                static_cast<std::int64_t>((boundary + 0.5) / std::max<int>(last, 1) * DrawOne);
            for (std::int64_t r = centre - 3; r <= centre + 3; ++r) {
                if (r < 0 || r >= DrawOne) {
                    continue;
                }
                const auto draw = static_cast<Draw>(r);
                ASSERT_EQ(DrawEntryIndex(last, draw), EntryIndexInDouble(last, draw))
                    << "last " << last << ", draw " << draw;
            }
        }
    }
    int mismatches = 0;
    for (Draw r = 0; r < DrawOne; ++r) {
        mismatches += DrawEntryIndex(25, r) == EntryIndexInDouble(25, r) ? 0 : 1;
    }
    EXPECT_EQ(mismatches, 0);
}

struct IndexRow {
    std::int16_t last;
    Draw r;
    std::int16_t expected;
};

class DrawEntryIndexRounding : public testing::TestWithParam<IndexRow> {};

TEST_P(DrawEntryIndexRounding, RoundsHalfUp)
{
    const IndexRow& row = GetParam();
    EXPECT_EQ(DrawEntryIndex(row.last, row.r), row.expected);
}

// With nine entries the boundaries lie at odd sixteenths.
INSTANTIATE_TEST_SUITE_P(
    Boundaries, DrawEntryIndexRounding,
    testing::Values(IndexRow{8, DrawOne / 16 - 1, 0}, IndexRow{8, DrawOne / 16, 1},
                    IndexRow{8, DrawOne / 16 * 15 - 1, 7}, IndexRow{8, DrawOne / 16 * 15, 8},
                    IndexRow{9, DrawOne / 2, 5}, IndexRow{25, DrawAt(0.0201F), 1},
                    IndexRow{25, DrawAt(0.0199F), 0}));

struct KindRow {
    Draw r;
    ArticleKind expected;
};

class DrawArticleKindRows : public testing::TestWithParam<KindRow> {};

TEST_P(DrawArticleKindRows, FollowsTheLogarithm)
{
    const KindRow& row = GetParam();
    EXPECT_EQ(DrawArticleKind(row.r), row.expected);
    EXPECT_EQ(DrawArticleKindByLogarithm(row.r), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, DrawArticleKindRows,
                         testing::Values(KindRow{0, ArticleKind::None},
                                         KindRow{DrawAt(0.0343F), ArticleKind::None},
                                         KindRow{DrawAt(0.0344F), ArticleKind::Negative},
                                         KindRow{DrawAt(0.1277F), ArticleKind::Negative},
                                         KindRow{DrawAt(0.1278F), ArticleKind::Indefinite},
                                         KindRow{DrawAt(0.3817F), ArticleKind::Indefinite},
                                         KindRow{DrawAt(0.3818F), ArticleKind::Definite},
                                         KindRow{JustBelowOne, ArticleKind::Definite}));

// Every draw there is: the comparison with thresholds must match the logarithm.
TEST(DrawArticleKind, MatchesTheLogarithmForEveryDraw)
{
    int mismatches = 0;
    for (Draw r = 0; r < DrawOne; ++r) {
        mismatches += DrawArticleKind(r) == DrawArticleKindByLogarithm(r) ? 0 : 1;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(OffsetDraws, MatchTheRulesInDoubleForEveryDraw)
{
    int mismatches = 0;
    for (Draw r = 0; r < DrawOne; ++r) {
        mismatches +=
            static_cast<std::int64_t>(DrawPrepositionIndex(r)) == OffsetIndexInDouble(14.0, r) &&
                    static_cast<std::int64_t>(DrawVerbEndingIndex(r)) == OffsetIndexInDouble(7.0, r)
                ? 0
                : 1;
    }
    EXPECT_EQ(mismatches, 0);
}

struct OffsetRow {
    Draw r;
    std::size_t preposition;
    std::size_t verbEnding;
};

class OffsetDraws : public testing::TestWithParam<OffsetRow> {};

TEST_P(OffsetDraws, RoundAfterTheOffset)
{
    const OffsetRow& row = GetParam();
    EXPECT_EQ(DrawPrepositionIndex(row.r), row.preposition);
    EXPECT_EQ(DrawVerbEndingIndex(row.r), row.verbEnding);
}

// 14 r + 0.6 and 7 r + 0.6: the first bin is 0.4 wide, the last 0.6.
INSTANTIATE_TEST_SUITE_P(
    Boundaries, OffsetDraws,
    testing::Values(OffsetRow{0, 0, 0}, OffsetRow{DrawAt(0.0285F), 0, 0},
                    OffsetRow{DrawAt(0.0286F), 1, 0}, OffsetRow{DrawAt(0.0571F), 1, 0},
                    OffsetRow{DrawAt(0.0572F), 1, 1}, OffsetRow{DrawOne / 2, 7, 4},
                    OffsetRow{DrawAt(0.9571F), 13, 7}, OffsetRow{DrawAt(0.9572F), 14, 7},
                    OffsetRow{JustBelowOne, 14, 7}));

TEST(Draws, RejectValuesOfOneOrMore)
{
    for (const Draw r : {DrawOne, DrawOne + 1, 2 * DrawOne, std::numeric_limits<Draw>::max()}) {
        EXPECT_THROW(std::ignore = DrawEntryIndex(8, r), std::out_of_range) << r;
        EXPECT_THROW(std::ignore = DrawArticleKind(r), std::out_of_range) << r;
        EXPECT_THROW(std::ignore = DrawArticleKindByLogarithm(r), std::out_of_range) << r;
        EXPECT_THROW(std::ignore = DrawPrepositionIndex(r), std::out_of_range) << r;
        EXPECT_THROW(std::ignore = DrawVerbEndingIndex(r), std::out_of_range) << r;
    }
}

TEST(DrawEntryIndex, RejectsALastIndexOutsideTheList)
{
    EXPECT_THROW(std::ignore = DrawEntryIndex(-1, DrawOne / 2), std::out_of_range);
    EXPECT_THROW(std::ignore = DrawEntryIndex(26, DrawOne / 2), std::out_of_range);
}

} // namespace
} // namespace wumpel
