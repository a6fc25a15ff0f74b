// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_draws.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <tuple>

namespace wumpel {
namespace {

// The largest float below 1: the highest value a draw can take.
constexpr float JustBelowOne = 0x1.fffffep-1F;

TEST(DrawEntryIndex, SpansZeroToTheLastIndex)
{
    for (std::int16_t last = 0; last <= 25; ++last) {
        EXPECT_EQ(DrawEntryIndex(last, 0.0F), 0) << "last " << last;
        EXPECT_EQ(DrawEntryIndex(last, JustBelowOne), last) << "last " << last;
    }
}

struct IndexRow {
    std::int16_t last;
    float r;
    std::int16_t expected;
};

class DrawEntryIndexRounding : public testing::TestWithParam<IndexRow> {};

TEST_P(DrawEntryIndexRounding, RoundsHalfUp)
{
    const IndexRow& row = GetParam();
    EXPECT_EQ(DrawEntryIndex(row.last, row.r), row.expected);
}

// With nine entries the boundaries lie at odd sixteenths.
INSTANTIATE_TEST_SUITE_P(Boundaries, DrawEntryIndexRounding,
                         testing::Values(IndexRow{8, 0.0624F, 0}, IndexRow{8, 0.0625F, 1},
                                         IndexRow{8, 0.9374F, 7}, IndexRow{8, 0.9375F, 8},
                                         IndexRow{9, 0.5F, 5}, IndexRow{25, 0.0201F, 1},
                                         IndexRow{25, 0.0199F, 0}));

struct KindRow {
    float r;
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
                         testing::Values(KindRow{0.0F, ArticleKind::None},
                                         KindRow{0.0343F, ArticleKind::None},
                                         KindRow{0.0344F, ArticleKind::Negative},
                                         KindRow{0.1277F, ArticleKind::Negative},
                                         KindRow{0.1278F, ArticleKind::Indefinite},
                                         KindRow{0.3817F, ArticleKind::Indefinite},
                                         KindRow{0.3818F, ArticleKind::Definite},
                                         KindRow{JustBelowOne, ArticleKind::Definite}));

// Every value a draw can take (the sources yield multiples of 2^-24) and every
// float near the three thresholds: the comparison must match the logarithm.
TEST(DrawArticleKind, MatchesTheLogarithmForEveryDrawableValue)
{
    int mismatches = 0;
    for (std::uint32_t k = 0; k < (1U << 24U); ++k) {
        const float r = static_cast<float>(k) * 0x1.0p-24F;
        mismatches += DrawArticleKind(r) == DrawArticleKindByLogarithm(r) ? 0 : 1;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(DrawArticleKind, MatchesTheLogarithmAroundEachThreshold)
{
    for (const double e : {std::exp(1.0), std::exp(2.0), std::exp(3.0)}) {
        auto r = static_cast<float>((e - 1.0) / 50.0);
        for (int step = 0; step < 2000; ++step) {
            r = std::nextafter(r, 0.0F);
        }
        for (int step = 0; step < 4000; ++step) {
            ASSERT_EQ(DrawArticleKind(r), DrawArticleKindByLogarithm(r)) << "r = " << r;
            r = std::nextafter(r, 1.0F);
        }
    }
}

struct OffsetRow {
    float r;
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
INSTANTIATE_TEST_SUITE_P(Boundaries, OffsetDraws,
                         testing::Values(OffsetRow{0.0F, 0, 0}, OffsetRow{0.0285F, 0, 0},
                                         OffsetRow{0.0286F, 1, 0}, OffsetRow{0.0571F, 1, 0},
                                         OffsetRow{0.0572F, 1, 1}, OffsetRow{0.5F, 7, 4},
                                         OffsetRow{0.9571F, 13, 7}, OffsetRow{0.9572F, 14, 7},
                                         OffsetRow{JustBelowOne, 14, 7}));

TEST(Draws, RejectValuesOutsideTheUnitInterval)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const float r : {1.0F, -0x1.0p-24F, 2.0F, nan, std::numeric_limits<float>::infinity()}) {
        EXPECT_THROW(std::ignore = DrawEntryIndex(8, r), std::out_of_range) << r;
        EXPECT_THROW(std::ignore = DrawArticleKind(r), std::out_of_range) << r;
        EXPECT_THROW(std::ignore = DrawArticleKindByLogarithm(r), std::out_of_range) << r;
        EXPECT_THROW(std::ignore = DrawPrepositionIndex(r), std::out_of_range) << r;
        EXPECT_THROW(std::ignore = DrawVerbEndingIndex(r), std::out_of_range) << r;
    }
}

TEST(DrawEntryIndex, RejectsALastIndexOutsideTheList)
{
    EXPECT_THROW(std::ignore = DrawEntryIndex(-1, 0.5F), std::out_of_range);
    EXPECT_THROW(std::ignore = DrawEntryIndex(26, 0.5F), std::out_of_range);
}

} // namespace
} // namespace wumpel
