// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "tool_test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace wumpel::testing_support {
namespace {

// A seed promises the same bytes on every run, machine and release. These were
// recorded before the composer and the UTF-8 writer were tuned for speed, so any
// change to a single byte of output for a seed shows here.

std::uint64_t Fnv1a(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

TEST(VerseToolGolden, ThreeVersesOfTheFirstExampleListWithSeedOne)
{
    const ProcessResult result = RunVerseTool({"--seed", "1", "--count", "3"}, GodList);
    EXPECT_EQ(result.Output, "Wenn der Tod mit dem Geld über die Liebe springt\n"
                             "und die Disko in  Elend die Hölle verschlingt,\n"
                             "dann der Gott an der Güte als ein Himmel stinkt.\n"
                             "\n"
                             "Wenn das Elend mit der Disko über ein Geld springt\n"
                             "und die Hölle in dem Gott den Himmel verschlingt,\n"
                             "dann die Liebe unter der Güte als der Tod versinkt.\n"
                             "\n"
                             "Wenn die Liebe mit einer Disko über den Himmel springt\n"
                             "und die Hölle in dem Elend den Gott verschlingt,\n"
                             "dann die Güte hinter dem Geld als der Tod winkt.\n"
                             "\n");
}

TEST(VerseToolGolden, TwentyThousandVersesOfTwentySixEntriesWithSeedTwo)
{
    const ProcessResult result = RunVerseTool({"--seed", "2", "--count", "20000"}, EntryLines(26));
    ASSERT_EQ(result.ExitStatus, 0);
    EXPECT_EQ(Fnv1a(result.Output), 0xcba85169a7eb12e6ULL);
}

} // namespace
} // namespace wumpel::testing_support
