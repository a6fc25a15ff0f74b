// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace wumpel {
namespace {

constexpr std::size_t SequenceLength = 20;

std::array<Draw, SequenceLength> Take(RandomSource& random)
{
    std::array<Draw, SequenceLength> values{};
    for (Draw& value : values) {
        value = random.Next();
    }
    return values;
}

TEST(SeededRandomSource, RepeatsItsSequenceForTheSameSeed)
{
    SeededRandomSource first(12345);
    SeededRandomSource second(12345);
    EXPECT_EQ(Take(first), Take(second));
}

TEST(SeededRandomSource, DiffersBetweenSeeds)
{
    SeededRandomSource first(1);
    SeededRandomSource second(2);
    EXPECT_NE(Take(first), Take(second));
}

TEST(SeededRandomSource, ReseedMixesNothingIn)
{
    SeededRandomSource plain(99);
    SeededRandomSource reseeded(99);
    const auto expected = Take(plain);
    reseeded.Reseed();
    EXPECT_EQ(Take(reseeded), expected);
}

// Reseeding before every draw, as a verse at a time does, must not wear the
// clock source down to a few values.
void ExpectDrawsAcrossTheUnitInterval(RandomSource& random)
{
    Draw smallest = DrawOne;
    Draw largest = 0;
    for (int i = 0; i < 100'000; ++i) {
        random.Reseed();
        const Draw r = random.Next();
        ASSERT_LT(r, DrawOne);
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    EXPECT_LT(smallest, DrawOne / 1000);
    EXPECT_GT(largest, DrawOne - DrawOne / 1000);
}

TEST(SeededRandomSource, YieldsDrawsAcrossTheUnitInterval)
{
    SeededRandomSource random(0);
    ExpectDrawsAcrossTheUnitInterval(random);
}

TEST(ClockRandomSource, YieldsDrawsAcrossTheUnitIntervalWhileReseeded)
{
    ClockRandomSource random;
    ExpectDrawsAcrossTheUnitInterval(random);
}

TEST(ClockRandomSource, ReseedsWithinOneClockTickStillDiffer)
{
    // A stopped clock: every reseed lands in the same tick.
    ClockRandomSource random([] { return std::uint64_t{20261209}; });
    random.Reseed();
    const auto first = Take(random);
    random.Reseed();
    const auto second = Take(random);
    random.Reseed();
    EXPECT_NE(first, second);
    EXPECT_NE(Take(random), second);
}

TEST(ClockRandomSource, TwoSourcesStartApart)
{
    ClockRandomSource first;
    ClockRandomSource second;
    EXPECT_NE(Take(first), Take(second));
}

} // namespace
} // namespace wumpel
