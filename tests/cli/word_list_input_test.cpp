// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/word_list_input.h"
#include "tool_test_support.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>

namespace wumpel::cli {
namespace {

using testing_support::TemporaryFile;

struct InputCase {
    const char* name;
    std::string bytes;
    std::string text; // the engine's text, when well-formed
    std::optional<std::size_t> badOffset;
};

void PrintTo(const InputCase& c, std::ostream* os)
{
    *os << c.name;
}

class WordListInputTest : public testing::TestWithParam<InputCase> {};

// Offsets count bytes of the input, the byte order mark included.
TEST_P(WordListInputTest, ReadsTheEnginesTextOrNamesTheFirstBadByte)
{
    const InputCase& c = GetParam();
    const TemporaryFile file(c.bytes);
    if (!c.badOffset) {
        EXPECT_EQ(ReadWordList(file.Path(), -1), c.text);
        return;
    }
    try {
        ReadWordList(file.Path(), -1);
        ADD_FAILURE() << "no error";
    } catch (const InputError& error) {
        EXPECT_TRUE(std::string(error.what())
                        .ends_with("is not valid UTF-8: bad byte at offset " +
                                   std::to_string(*c.badOffset)))
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    WellFormed, WordListInputTest,
    testing::Values(
        InputCase{"Empty", "", "", std::nullopt},
        InputCase{"CrLfStays", "der Hund\r\n", "der Hund\r\n", std::nullopt},
        InputCase{"LfBecomesCrLf", "der A\ndie B\n\n", "der A\r\ndie B\r\n\r\n", std::nullopt},
        InputCase{"LeadingLf", "\nder A", "\r\nder A", std::nullopt},
        InputCase{"LoneCrStays", "der A\rdie B\r", "der A\rdie B\r", std::nullopt},
        InputCase{"CrBeforeCrLf", "der A\r\r\n", "der A\r\r\n", std::nullopt},
        InputCase{"NulByte", std::string("a\0b", 3), std::string("a\0b", 3), std::nullopt},
        InputCase{"SmallestTwoByte", "\xC2\x80", "\xC2\x80", std::nullopt},
        InputCase{"SmallestThreeByte", "\xE0\xA0\x80", "\xE0\xA0\x80", std::nullopt},
        InputCase{"LastBeforeSurrogates", "\xED\x9F\xBF", "\xED\x9F\xBF", std::nullopt},
        InputCase{"FirstAfterSurrogates", "\xEE\x80\x80", "\xEE\x80\x80", std::nullopt},
        InputCase{"LargestCodePoint", "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF", std::nullopt},
        InputCase{"ByteOrderMarkAtTheStartIsDropped",
                  "\xEF\xBB\xBF"
                  "der A",
                  "der A", std::nullopt},
        InputCase{"ByteOrderMarkLaterIsText", "a\xEF\xBB\xBF", "a\xEF\xBB\xBF", std::nullopt},
        InputCase{"OnlyTheFirstOfTwoMarksIsDropped", "\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF",
                  std::nullopt},
        // The first read ends inside the umlaut, which the next one completes.
        InputCase{"SequenceAcrossTwoReads", std::string(65535, 'x') + "\xC3\xA4",
                  std::string(65535, 'x') + "\xC3\xA4", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    IllFormed, WordListInputTest,
    testing::Values(InputCase{"StrayContinuation", "ab\x80", "", 2},
                    InputCase{"OverlongTwoByteC0", "\xC0\x80", "", 0},
                    InputCase{"OverlongTwoByteC1", "x\xC1\xBF", "", 1},
                    InputCase{"OverlongThreeByte", "\xE0\x9F\xBF", "", 0},
                    InputCase{"OverlongFourByte", "\xF0\x8F\xBF\xBF", "", 0},
                    InputCase{"HighSurrogate", "ok\xED\xA0\x80", "", 2},
                    InputCase{"LowSurrogate", "\xED\xBF\xBF", "", 0},
                    InputCase{"AboveLargestCodePoint", "\xF4\x90\x80\x80", "", 0},
                    InputCase{"LeadByteF5", "\xF5\x80\x80\x80", "", 0},
                    InputCase{"ByteFF", "abc\xFF", "", 3},
                    InputCase{"TwoByteCutByAscii",
                              "\xC3"
                              "a",
                              "", 0},
                    InputCase{"ThreeByteCutByAscii", "Z\xE2\x82Z", "", 1},
                    InputCase{"FourByteCutByNewLead", "\xF0\x9F\x90\xF0\x9F\x90\x95", "", 0},
                    InputCase{"TwoByteCutByTheEnd", "ab\xC3", "", 2},
                    InputCase{"FourByteCutByTheEnd", "ab\xF0\x9F\x90", "", 2},
                    InputCase{"ErrorAfterGoodText", "H\xC3\xB6lle\xC3\xC3", "", 6},
                    InputCase{"AfterAByteOrderMark", "\xEF\xBB\xBF\xFF", "", 3},
                    InputCase{"CutOffInTheSecondRead", std::string(65535, 'x') + "\xC3", "",
                              65535}));

} // namespace
} // namespace wumpel::cli
