// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "tests/support/golden_runs.h"
#include "tests/support/line_breaks.h"
#include "tests/support/verse_form_checker.h"
#include "tool_test_support.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace wumpel::testing_support {
namespace {

// Each verse is "Wenn …\nund …\ndann …\n\n", of nine different entries of list.
void ExpectVersesOf(std::string_view list, const std::string& output, std::size_t verses)
{
    const std::string text = WithCrLf(output);
    EXPECT_EQ(VerseFormChecker(WithCrLf(list)).check(text), "");
    std::size_t ends = 0;
    for (std::size_t at = text.find(".\r\n\r\n"); at != std::string::npos;
         at = text.find(".\r\n\r\n", at + 1)) {
        ++ends;
    }
    EXPECT_EQ(ends, verses);
}

struct WindowCase {
    const char* name;
    std::string wordList; // UTF-8, any line breaks
    std::uint64_t seed;
    int count;
};

void PrintTo(const WindowCase& c, std::ostream* os)
{
    *os << c.name;
}

class VerseToolMatchesWindowTest : public testing::TestWithParam<WindowCase> {};

// The streamed verses are byte for byte what the window's output field shows
// after the same clicks with the same seeded source.
TEST_P(VerseToolMatchesWindowTest, StreamedVersesEqualTheWindowsText)
{
    const WindowCase& c = GetParam();
    const std::string expected = WindowOutput(c.wordList, c.seed, c.count);
    const ProcessResult result = RunVerseTool(
        {"--count", std::to_string(c.count), "--seed", std::to_string(c.seed)}, c.wordList);
    ASSERT_EQ(result.ExitStatus, 0) << result.Error;
    EXPECT_EQ(result.Error, "");
    EXPECT_EQ(result.Output, expected);
    ExpectVersesOf(c.wordList, result.Output, static_cast<std::size_t>(c.count));
}

// A line "das" plus a noun of count times the letter.
std::string Repeated(std::string_view letter, int count)
{
    std::string line = "das ";
    for (int i = 0; i < count; ++i) {
        line += letter;
    }
    return line + "\n";
}

std::string WithLongLine()
{
    return EntryLines(9) + "das " + std::string(1 << 20, 'L') + "\n";
}

INSTANTIATE_TEST_SUITE_P(
    WordLists, VerseToolMatchesWindowTest,
    testing::Values(
        WindowCase{"NineEntriesOneVerse", std::string(GodList), 1, 1},
        WindowCase{"NineEntriesManyVerses", std::string(GodList), 7, 40},
        WindowCase{"TwentySixEntries", EntryLines(26), 3, 25},
        WindowCase{"OnlyTheFirstTwentySixEntriesCount", EntryLines(40), 3, 25},
        WindowCase{"LargestSeed", EntryLines(12), 18446744073709551615ULL, 5},
        WindowCase{"SeedZero", EntryLines(12), 0, 5},
        WindowCase{"CapitalisedAndIndefiniteArticles",
                   "Der Hund\nDIE Katze\ndAs Pferd\nein Esel\neine Maus\nkein Igel\nder Bär\n"
                   "die Öse\ndas Ufer\n",
                   11, 30},
        WindowCase{"LinesWithoutBlankAndEmptyLines",
                   "\n\nWurst\n" + EntryLines(5) + "\n\nKäse\nBrot\n" + EntryLines(5) + "Ende", 5,
                   10},
        WindowCase{"LoneCarriageReturnsInsideNouns", "der A\rB\n" + EntryLines(9) + "die C\r\n", 9,
                   10},
        WindowCase{"MixedLineBreaks", "der A\r\ndie B\ndas C\r\n" + EntryLines(7), 2, 10},
        WindowCase{"OddBlanks", " leer\nder \ndie  zwei Blanks \n \n" + EntryLines(6) + " ", 4, 12},
        WindowCase{"LastLineWithoutBreak", EntryLines(8) + "das Ende", 6, 10},
        WindowCase{"NulBytesInNouns",
                   std::string("der A\0B\n", 8) + EntryLines(8) + std::string("\0 \0\n", 4), 8, 10},
        WindowCase{"CharactersBeyondTheBasicPlane",
                   "der 🐕 Hund\ndie 𝄞\n" + EntryLines(7) + "das 😀😀\n", 12, 10},
        WindowCase{"OneMegabyteNoun", WithLongLine(), 13, 3},
        // Nouns around the slices the output is encoded in, with two-byte
        // letters and surrogate pairs where a slice could cut them.
        WindowCase{"NounsOfUmlautsAndPairsAroundTheOutputsSlices",
                   "Die Ölkanne\nDAS Übel\nder Spaß\n" + Repeated("ä", 4095) + Repeated("𝄞", 2049) +
                       Repeated("ß", 4097) + Repeated("x", 12289) + EntryLines(3),
                   15, 60},
        WindowCase{"ByteOrderMarkAfterTheStartIsText",
                   "der A\n\xEF\xBB\xBF"
                   "die B\n" +
                       EntryLines(9),
                   16, 30},
        WindowCase{"LongTailOfLinesWithoutBlank",
                   EntryLines(4) + std::string(300000, '\n') + EntryLines(6), 14, 4},
        // The most the tool reads of a list that is not whole before it ends.
        WindowCase{"ListEndingAtTheLimit",
                   std::string((std::size_t{4} * 1024 * 1024) - EntryLines(9).size(), '\n') +
                       EntryLines(9),
                   17, 3},
        WindowCase{"WholeListFollowedByMoreThanTheLimit",
                   EntryLines(26) + std::string(std::size_t{5} * 1024 * 1024, ' '), 18, 3}));

// Reading stops where the list is whole, so a bad byte behind it is never read.
TEST(VerseToolOutput, BadByteAfterTheTwentySixthEntryIsNotRead)
{
    const ProcessResult result =
        RunVerseTool({"--seed", "19", "--count", "3"}, EntryLines(26) + "\xFF");
    ASSERT_EQ(result.ExitStatus, 0) << result.Error;
    EXPECT_EQ(result.Output, WindowOutput(EntryLines(26), 19, 3));
}

TEST(VerseToolOutput, ManyVersesContinueTheFewerVerses)
{
    const ProcessResult few = RunVerseTool({"--seed", "5", "--count", "30"}, EntryLines(15));
    const ProcessResult many = RunVerseTool({"--seed", "5", "--count", "100000"}, EntryLines(15));
    ASSERT_EQ(many.ExitStatus, 0);
    EXPECT_TRUE(many.Output.starts_with(few.Output));
    ExpectVersesOf(EntryLines(15), many.Output, 100000);
}

TEST(VerseToolOutput, WithoutSeedWritesTheAskedNumberOfVerses)
{
    const ProcessResult result = RunVerseTool({"--count", "50"}, EntryLines(10));
    ASSERT_EQ(result.ExitStatus, 0);
    ExpectVersesOf(EntryLines(10), result.Output, 50);
}

TEST(VerseToolOutput, DefaultCountIsOneVerse)
{
    const ProcessResult result = RunVerseTool({"--seed", "3"}, std::string(GodList));
    EXPECT_EQ(result.Output, WindowOutput(GodList, 3, 1));
}

TEST(VerseToolOutput, ByteOrderMarkIsNotPartOfTheFirstArticle)
{
    // With the mark kept, "der" would not be recognised and the entry would not
    // teach its gender; output would equal neither list below.
    const std::string list = "die Wurst\n" + EntryLines(9);
    const ProcessResult marked =
        RunVerseTool({"--seed", "9", "--count", "30"}, "\xEF\xBB\xBF" + list);
    EXPECT_EQ(marked.Output, WindowOutput(list, 9, 30));
}

struct InputCase {
    const char* name;
    std::vector<std::string> arguments; // "FILE" stands for the word-list file
    bool listOnStandardInput;
};

void PrintTo(const InputCase& c, std::ostream* os)
{
    *os << c.name;
}

class VerseToolInputTest : public testing::TestWithParam<InputCase> {};

TEST_P(VerseToolInputTest, ReadsTheListFromWhereItIsNamed)
{
    const InputCase& c = GetParam();
    const std::string list = EntryLines(11);
    const TemporaryFile file(list);
    std::vector<std::string> arguments = c.arguments;
    for (std::string& argument : arguments) {
        if (argument == "FILE") {
            argument = file.Path();
        }
    }
    const ProcessResult result =
        RunVerseTool(arguments, c.listOnStandardInput ? list : std::string("nur ein Wort\n"));
    ASSERT_EQ(result.ExitStatus, 0) << result.Error;
    EXPECT_EQ(result.Output, WindowOutput(list, 21, 4));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, VerseToolInputTest,
    testing::Values(InputCase{"StandardInput", {"--seed", "21", "--count", "4"}, true},
                    InputCase{"DashIsStandardInput", {"--seed", "21", "--count", "4", "-"}, true},
                    InputCase{"FileAfterOptions", {"--seed", "21", "--count", "4", "FILE"}, false},
                    InputCase{"FileBeforeOptions", {"FILE", "--count=4", "--seed=21"}, false},
                    InputCase{
                        "FileAfterDoubleDash", {"--seed=21", "--count=4", "--", "FILE"}, false},
                    InputCase{"LastRepeatedOptionWins",
                              {"--count", "9", "--seed", "1", "--count", "4", "--seed=21", "FILE"},
                              false}));

TEST(VerseToolInfo, HelpPrintsUsageAndWinsOverOtherArguments)
{
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--help"}, {"-h"}, {"--count", "0", "--help", "x", "y"}, {"x", "-h", "--bogus"}}) {
        const ProcessResult result = RunVerseTool(arguments, "");
        EXPECT_EQ(result.ExitStatus, 0);
        EXPECT_TRUE(result.Output.starts_with("Usage: wumpel-verse [--count N] [--seed S] [FILE]\n"
                                              "       wumpel-verse -h | --help | --version\n"))
            << result.Output;
        EXPECT_EQ(result.Error, "");
    }
}

TEST(VerseToolInfo, VersionIsTheProjectVersion)
{
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--version"}, {"--seed", "x", "--version", "-h"}}) {
        const ProcessResult result = RunVerseTool(arguments);
        EXPECT_EQ(result.ExitStatus, 0);
        EXPECT_EQ(result.Output, std::string("wumpel-verse ") + WUMPEL_VERSION + "\n");
        EXPECT_EQ(result.Error, "");
    }
}

TEST(VerseToolInfo, AfterTheDoubleDashHelpAndVersionAreFileNames)
{
    const ProcessResult result = RunVerseTool({"--", "-h"});
    EXPECT_EQ(result.ExitStatus, 2);
    EXPECT_EQ(result.Error, "wumpel-verse: cannot read '-h': No such file or directory\n");
    EXPECT_EQ(result.Output, "");
}

} // namespace
} // namespace wumpel::testing_support
