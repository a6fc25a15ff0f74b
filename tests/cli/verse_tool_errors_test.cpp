// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "tool_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wumpel::testing_support {
namespace {

struct FailureCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string input;
    int exitStatus;
    std::string error;
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.name;
}

class VerseToolFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(VerseToolFailureTest, ReportsOneLineAndWritesNoVerse)
{
    const FailureCase& c = GetParam();
    const ProcessResult result = RunVerseTool(c.arguments, c.input);
    EXPECT_EQ(result.ExitStatus, c.exitStatus);
    EXPECT_EQ(result.Error, c.error);
    EXPECT_EQ(result.Output, "");
}

constexpr std::string_view Nine = GodList;
// The most the tool reads before a list is whole, as its manual page says.
constexpr std::size_t MaxListBytes = std::size_t{4} * 1024 * 1024;
constexpr std::string_view Help = " (see wumpel-verse --help)\n";
constexpr std::string_view CountRange = ": expected a whole number from 1 to 18446744073709551615";
constexpr std::string_view SeedRange = ": expected a whole number from 0 to 18446744073709551615";

// Joins literal pieces of an expected message.
template <typename... Parts> std::string Text(const Parts&... parts)
{
    std::string text;
    (text.append(parts), ...);
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, VerseToolFailureTest,
    testing::Values(
        FailureCase{"UnknownLongOption",
                    {"--verbose"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: unknown option '--verbose'", Help)},
        FailureCase{"UnknownShortOption",
                    {"-n", "3"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: unknown option '-n'", Help)},
        FailureCase{"UnknownOptionWithValue",
                    {"--colour=red"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: unknown option '--colour=red'", Help)},
        FailureCase{"CountZero",
                    {"--count", "0"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: invalid count '0'", CountRange, Help)},
        FailureCase{"CountNegative",
                    {"--count", "-1"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: invalid count '-1'", CountRange, Help)},
        FailureCase{"CountWithPlusSign",
                    {"--count=+3"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: invalid count '+3'", CountRange, Help)},
        FailureCase{"CountWithTrailingText",
                    {"--count", "3x"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: invalid count '3x'", CountRange, Help)},
        FailureCase{"CountEmpty",
                    {"--count="},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: invalid count ''", CountRange, Help)},
        FailureCase{"CountBeyond64Bits",
                    {"--count", "18446744073709551616"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: invalid count '18446744073709551616'", CountRange, Help)},
        FailureCase{"CountWithoutValue",
                    {"--count"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: --count needs a value", Help)},
        FailureCase{"SeedNotANumber",
                    {"--seed", "abc"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: invalid seed 'abc'", SeedRange, Help)},
        FailureCase{"SeedNegative",
                    {"--seed=-5"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: invalid seed '-5'", SeedRange, Help)},
        FailureCase{"SeedBeyond64Bits",
                    {"--seed", "99999999999999999999"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: invalid seed '99999999999999999999'", SeedRange, Help)},
        FailureCase{"SeedWithoutValue",
                    {"--count", "2", "--seed"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: --seed needs a value", Help)},
        FailureCase{"TwoInputFiles",
                    {"a.txt", "b.txt"},
                    std::string(Nine),
                    2,
                    Text("wumpel-verse: more than one input file: 'a.txt' and 'b.txt'", Help)}));

INSTANTIATE_TEST_SUITE_P(
    Input, VerseToolFailureTest,
    testing::Values(
        FailureCase{"MissingFile",
                    {"/nonexistent/words.txt"},
                    "",
                    2,
                    "wumpel-verse: cannot read '/nonexistent/words.txt': "
                    "No such file or directory\n"},
        FailureCase{"Directory", {"/"}, "", 2, "wumpel-verse: cannot read '/': Is a directory\n"},
        FailureCase{"StrayContinuationByte",
                    {},
                    "der Hund\n\x80",
                    2,
                    "wumpel-verse: standard input is not valid UTF-8: bad byte at offset 9\n"},
        FailureCase{"OverlongSlash",
                    {},
                    "der \xC0\xAF",
                    2,
                    "wumpel-verse: standard input is not valid UTF-8: bad byte at offset 4\n"},
        FailureCase{"EncodedSurrogate",
                    {},
                    "ab \xED\xA0\x80 cd",
                    2,
                    "wumpel-verse: standard input is not valid UTF-8: bad byte at offset 3\n"},
        FailureCase{"CutOffAtTheEnd",
                    {},
                    Text(Nine, "die B\xC3"),
                    2,
                    "wumpel-verse: standard input is not valid UTF-8: bad byte at offset " +
                        std::to_string(Nine.size() + 5) + "\n"},
        // Until the 26th entry's line has ended, every byte is checked.
        FailureCase{"BadByteFarBehindTwentyFiveEntries",
                    {"--seed", "1"},
                    EntryLines(25) + std::string(100000, 'x') + "\xFF",
                    2,
                    "wumpel-verse: standard input is not valid UTF-8: bad byte at offset " +
                        std::to_string(EntryLines(25).size() + 100000) + "\n"},
        FailureCase{"BadByteInTheTwentySixthEntry",
                    {},
                    EntryLines(25) + "das Ende\xFF\n",
                    2,
                    "wumpel-verse: standard input is not valid UTF-8: bad byte at offset " +
                        std::to_string(EntryLines(25).size() + 8) + "\n"},
        FailureCase{"OneByteMoreThanTheLimitBeforeTheListIsWhole",
                    {},
                    std::string(MaxListBytes - EntryLines(9).size() + 1, '\n') + EntryLines(9),
                    2,
                    "wumpel-verse: standard input is too long: a word list may hold at most 4 MiB "
                    "up to the end of its 26th entry\n"},
        // An input error outranks the too-few-words message.
        FailureCase{"BadByteInAShortList",
                    {},
                    "der \xFE",
                    2,
                    "wumpel-verse: standard input is not valid UTF-8: bad byte at offset 4\n"}));

INSTANTIATE_TEST_SUITE_P(
    TooFewWords, VerseToolFailureTest,
    testing::Values(
        FailureCase{"EmptyInput", {}, "", 1, std::string(TooFewWordsLine)},
        FailureCase{
            "EightEntries", {"--count", "5"}, EntryLines(8), 1, std::string(TooFewWordsLine)},
        FailureCase{"NineLinesOneWithoutBlank",
                    {},
                    EntryLines(8) + "Wurst\n",
                    1,
                    std::string(TooFewWordsLine)},
        FailureCase{"OnlyNulBytes", {}, std::string(100000, '\0'), 1, std::string(TooFewWordsLine)},
        FailureCase{"ManyLinesWithoutBlank",
                    {},
                    [] {
                        std::string lines;
                        for (int i = 0; i < 200000; ++i) {
                            lines += "Wort\n";
                        }
                        return lines;
                    }(),
                    1,
                    std::string(TooFewWordsLine)},
        FailureCase{"LoneCarriageReturnsBreakNoLine",
                    {},
                    "der A\rdie B\rdas C\r",
                    1,
                    std::string(TooFewWordsLine)}));

TEST(VerseToolFailure, UnreadableFileNamesTheSystemsReason)
{
    const ProcessResult result = RunVerseTool({"/proc/self/mem"});
    EXPECT_EQ(result.ExitStatus, 2);
    EXPECT_EQ(result.Error, "wumpel-verse: cannot read '/proc/self/mem': Input/output error\n");
    EXPECT_EQ(result.Output, "");
}

// AddressSanitizer reserves terabytes of address space up front, so a limit on
// it would stop the instrumented tool before it reads a byte.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool LimitsAddressSpace = false;
#elif defined(__has_feature)
constexpr bool LimitsAddressSpace = !__has_feature(address_sanitizer);
#else
constexpr bool LimitsAddressSpace = true;
#endif

TEST(VerseToolFailure, RunningOutOfMemoryIsAnErrorNotACrash)
{
    if (!LimitsAddressSpace) {
        GTEST_SKIP() << "address space limits do not work under AddressSanitizer";
    }
    // One 4 MB line is held as the bytes read, as the engine's text and as one
    // entry: more than the 10 MB the tool may map here, where a short list
    // needs some 6 MB.
    const std::string hugeNoun(4'000'000, 'x'); // NOLINT(bugprone-string-constructor)
    const ProcessResult result = RunProcess(
        "/bin/sh", {"-c", "ulimit -v 10000 && exec \"$0\"", WUMPEL_VERSE_PATH}, "das " + hugeNoun);
    EXPECT_EQ(result.ExitStatus, 2);
    EXPECT_EQ(result.Error, "wumpel-verse: not enough memory for the word list and its verses\n");
    EXPECT_EQ(result.Output, "");
}

// Nine nouns of 400,000 bytes each: the input, its text, the entries and one
// verse of them fit in 50 MB, as nothing is held many times over.
TEST(VerseToolFailure, VersesOfLongNounsNeedOnlyAFewTimesTheListsSize)
{
    if (!LimitsAddressSpace) {
        GTEST_SKIP() << "address space limits do not work under AddressSanitizer";
    }
    std::string list;
    for (const char* article : {"der ", "die ", "das "}) {
        for (const char letter : {'a', 'b', 'c'}) {
            list += article + std::string(400'000, letter) + "\n";
        }
    }
    const ProcessResult result = RunProcess(
        "/bin/sh", {"-c", "ulimit -v 50000 && exec \"$0\" --seed 1", WUMPEL_VERSE_PATH}, list);
    EXPECT_EQ(result.ExitStatus, 0) << result.Error;
    EXPECT_EQ(result.Error, "");
    // Nine nouns of 400,000 bytes and the verse's short text around them.
    EXPECT_GT(result.Output.size(), 3'600'000U);
    EXPECT_LT(result.Output.size(), 3'601'000U);
    EXPECT_TRUE(result.Output.starts_with("Wenn "));
    EXPECT_TRUE(result.Output.ends_with("\n\n"));
}

// However long the input goes on, the tool ends within seconds and within a
// 64 MB address space (where that can be limited), in verses or an error.
TEST(VerseToolFailure, EndlessInputEndsSoonInLittleMemory)
{
    struct EndlessCase {
        const char* command; // "$0" is the tool
        int exitStatus;
        std::string_view errorStart;
    };
    for (const EndlessCase& c : {
             EndlessCase{"\"$0\" /dev/zero", 2, "wumpel-verse: '/dev/zero' is too long: a word"},
             EndlessCase{"yes \"der Hund\" | \"$0\"", 0, ""},
             EndlessCase{"yes | \"$0\"", 2, "wumpel-verse: standard input is too long: a word"},
             EndlessCase{"\"$0\" /dev/urandom", 2,
                         "wumpel-verse: '/dev/urandom' is not valid UTF-8"},
         }) {
        SCOPED_TRACE(c.command);
        const std::string limit = LimitsAddressSpace ? "ulimit -v 64000 && " : "";
        const ProcessResult result = RunProcess(
            "/bin/sh",
            {"-c", limit + "timeout 20 sh -c '" + c.command + "' \"$0\"", WUMPEL_VERSE_PATH}, {});
        EXPECT_EQ(result.ExitStatus, c.exitStatus) << result.Error;
        EXPECT_TRUE(result.Error.starts_with(c.errorStart)) << result.Error;
        EXPECT_EQ(result.Output.empty(), c.exitStatus != 0);
    }
}

} // namespace
} // namespace wumpel::testing_support
