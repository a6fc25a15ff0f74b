// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/draw.h"
#include "tests/engine/scripted_random_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <tuple>

namespace wumpel {
namespace {

using testing_support::DrawAt;

// The highest draw: 1 - 2^-24.
constexpr Draw JustBelowOne = DrawOne - 1;

TEST(DrawEntryIndex, SpansZeroToTheLastIndex)
{
    for (std::int16_t last = 0; last <= 25; ++last) {
        EXPECT_EQ(DrawEntryIndex(last, 0), 0) << "last " << last;
        EXPECT_EQ(DrawEntryIndex(last, JustBelowOne), last) << "last " << last;
    }
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

// Every draw there is: the kind found by thresholds must be the logarithm's.
TEST(DrawArticleKind, MatchesTheLogarithmForEveryDraw)
{
    int mismatches = 0;
    for (Draw r = 0; r < DrawOne; ++r) {
        const double value = static_cast<double>(r) / DrawOne;
        const auto byLogarithm = static_cast<int>(std::floor(std::log(50.0 * value + 1.0)));
        mismatches += static_cast<int>(DrawArticleKind(r)) == byLogarithm ? 0 : 1;
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
    EXPECT_EQ(DrawTableIndex(14, row.r), row.preposition);
    EXPECT_EQ(DrawTableIndex(7, row.r), row.verbEnding);
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
        EXPECT_THROW(std::ignore = DrawTableIndex(14, r), std::out_of_range) << r;
    }
}

} // namespace
} // namespace wumpel
