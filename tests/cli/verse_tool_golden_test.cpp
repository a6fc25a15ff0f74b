// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "tests/support/golden_runs.h"
#include "tool_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wumpel::testing_support {
namespace {

// A seed promises the same bytes on every run, machine and release
// (golden_runs.h); any change to a single byte of output for a seed shows here.

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

class VerseToolGoldenRun : public ::testing::TestWithParam<GoldenRun> {};

TEST_P(VerseToolGoldenRun, GivesTheRecordedBytes)
{
    const GoldenRun& run = GetParam();
    const ProcessResult result = RunVerseTool(
        {"--seed", std::to_string(run.Seed), "--count", std::to_string(run.Count)}, run.List);
    ASSERT_EQ(result.ExitStatus, 0) << result.Error;
    EXPECT_EQ(result.Output.size(), run.Bytes);
    EXPECT_EQ(Fnv1a(result.Output), run.Hash);
}

INSTANTIATE_TEST_SUITE_P(ListsSeedsAndCounts, VerseToolGoldenRun, ::testing::ValuesIn(GoldenRuns),
                         [](const ::testing::TestParamInfo<GoldenRun>& row) {
                             return std::string(row.param.Name);
                         });

} // namespace
} // namespace wumpel::testing_support
