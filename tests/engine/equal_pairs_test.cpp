// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/equal_pairs.h"
#include "engine/random_source.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace wumpel {
namespace {

unsigned PairBit(std::size_t i, std::size_t j)
{
    return static_cast<unsigned>(8 * i + j - 1);
}

// The equal pairs as the slots show them, in the order a pass visits them.
std::vector<unsigned> EqualPairsOf(const DrawnEntries& entries)
{
    std::vector<unsigned> pairs;
    for (std::size_t i = 0; i < VerseSlotCount; ++i) {
        for (std::size_t j = i + 1; j < VerseSlotCount; ++j) {
            if (entries.at(i) == entries.at(j)) {
                pairs.push_back(PairBit(i, j));
            }
        }
    }
    return pairs;
}

// The equal pair a pass visits from the given one on, or else the first of the
// next pass.
std::optional<unsigned> PairFrom(const DrawnEntries& entries, unsigned pair)
{
    const std::vector<unsigned> pairs = EqualPairsOf(entries);
    if (pairs.empty()) {
        return std::nullopt;
    }
    for (const unsigned candidate : pairs) {
        if (candidate >= pair) {
            return candidate;
        }
    }
    return pairs.front();
}

void ExpectSameAsSlots(const EqualPairs& pairs, const DrawnEntries& entries)
{
    ASSERT_EQ(pairs.Entries(), entries);
    ASSERT_EQ(pairs.Any(), !EqualPairsOf(entries).empty());
    if (!pairs.Any()) {
        return;
    }
    // Every bit, not only those of pairs, and one past the last: the passes
    // go on from the one after the pair they replaced in.
    for (unsigned from = 0; from <= EqualPairs::PairCount; ++from) {
        ASSERT_EQ(pairs.From(from), PairFrom(entries, from % EqualPairs::PairCount))
            << "from " << from;
    }
}

// Hand-picked slots: equal pairs at the edges of the word (slot 0, slot 8, the
// last pair), entries at both ends of the range, and all nine alike.
TEST(EqualPairs, FindsThePairsTheSlotsHold)
{
    const std::vector<DrawnEntries> cases = {
        {0, 1, 2, 3, 4, 5, 6, 7, 8}, {25, 24, 23, 22, 21, 20, 19, 18, 17},
        {3, 3, 1, 2, 4, 5, 6, 7, 8}, {3, 1, 2, 4, 5, 6, 7, 8, 3},
        {0, 1, 2, 4, 5, 6, 7, 9, 9}, {25, 0, 25, 0, 25, 0, 25, 0, 25},
        {7, 7, 7, 7, 7, 7, 7, 7, 7}, {0, 0, 0, 0, 0, 0, 0, 0, 0},
        {1, 2, 3, 4, 5, 6, 7, 8, 1},
    };
    for (const DrawnEntries& entries : cases) {
        SCOPED_TRACE(::testing::PrintToString(entries));
        ExpectSameAsSlots(EqualPairs(entries), entries);
    }
}

TEST(EqualPairs, PastTheLastPairStartsAtTheFirst)
{
    const DrawnEntries entries = {4, 4, 1, 2, 3, 5, 6, 9, 9};
    const EqualPairs pairs(entries);
    EXPECT_EQ(pairs.From(0), PairBit(0, 1));
    EXPECT_EQ(pairs.From(PairBit(0, 1) + 1), PairBit(7, 8));
    EXPECT_EQ(pairs.From(PairBit(7, 8) + 1), PairBit(0, 1));
    // The only equal pair follows itself, as the next pass visits it again.
    const DrawnEntries single = {4, 0, 1, 2, 3, 5, 6, 7, 4};
    EXPECT_EQ(EqualPairs(single).From(PairBit(0, 8) + 1), PairBit(0, 8));
}

// Replacements in every slot but the first, with entries from a few values so
// that most of them make or break equal pairs: after each, the pairs must be
// those the slots hold.
TEST(EqualPairs, FollowsEveryReplacement)
{
    for (const std::uint32_t values : {2U, 5U, 10U, 26U}) {
        SCOPED_TRACE(values);
        Xoshiro256StarStar random(values);
        const auto draw = [&] { return static_cast<std::int16_t>(random.NextBits() % values); };
        for (int round = 0; round < 200; ++round) {
            DrawnEntries entries{};
            for (std::int16_t& entry : entries) {
                entry = draw();
            }
            EqualPairs pairs(entries);
            ExpectSameAsSlots(pairs, entries);
            for (int step = 0; step < 20; ++step) {
                const auto slot = static_cast<std::size_t>(1 + random.NextBits() % 8);
                const std::int16_t entry = draw();
                // Any pair whose later slot is this one.
                pairs.Replace(PairBit(random.NextBits() % slot, slot),
                              static_cast<std::uint32_t>(entry));
                entries.at(slot) = entry;
                ExpectSameAsSlots(pairs, entries);
            }
        }
    }
}

} // namespace
} // namespace wumpel
