// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wumpel::cli {
namespace {

Arguments Parse(const std::vector<std::string_view>& arguments)
{
    return ParseArguments(arguments);
}

struct RequestCase {
    const char* name;
    std::vector<std::string_view> arguments;
    std::uint64_t count;
    std::optional<std::uint64_t> seed;
    std::string input;
};

void PrintTo(const RequestCase& c, std::ostream* os)
{
    *os << c.name;
}

class VerseRequestTest : public testing::TestWithParam<RequestCase> {};

TEST_P(VerseRequestTest, ReadsCountSeedAndInput)
{
    const RequestCase& c = GetParam();
    const Arguments parsed = Parse(c.arguments);
    const auto* request = std::get_if<VerseRequest>(&parsed);
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->Count, c.count);
    EXPECT_EQ(request->Seed, c.seed);
    EXPECT_EQ(request->Input, c.input);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, VerseRequestTest,
    testing::Values(
        RequestCase{"NoArguments", {}, 1, std::nullopt, "-"},
        RequestCase{"CountAndSeedAsNextArgument", {"--count", "12", "--seed", "0"}, 12, 0, "-"},
        RequestCase{"CountAndSeedAfterEquals", {"--count=3", "--seed=99"}, 3, 99, "-"},
        RequestCase{"LargestNumbers",
                    {"--count", "18446744073709551615", "--seed", "18446744073709551615"},
                    18446744073709551615ULL,
                    18446744073709551615ULL,
                    "-"},
        RequestCase{"LeadingZeros", {"--count", "007"}, 7, std::nullopt, "-"},
        RequestCase{"FileFirst", {"words.txt", "--count", "2"}, 2, std::nullopt, "words.txt"},
        RequestCase{"DashNamesStandardInput", {"-", "--seed", "4"}, 1, 4, "-"},
        RequestCase{
            "DoubleDashLetsAFileLookLikeAnOption", {"--", "--count"}, 1, std::nullopt, "--count"},
        RequestCase{"LastValueWins", {"--count", "2", "--count=5"}, 5, std::nullopt, "-"},
        RequestCase{"ValueMayLookLikeAnOption", {"--count", "3", "--seed", "1", "x"}, 3, 1, "x"}));

TEST(ParseArguments, HelpAndVersionWinOverEverythingBeforeTheDoubleDash)
{
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(Parse({"--help"})));
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(Parse({"--bogus", "--help"})));
    EXPECT_TRUE(std::holds_alternative<VersionRequest>(Parse({"a", "b", "--version"})));
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(Parse({"--help", "--version"})));
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(Parse({"-h"})));
    EXPECT_TRUE(std::holds_alternative<HelpRequest>(Parse({"--count", "0", "-h"})));
    EXPECT_TRUE(std::holds_alternative<VersionRequest>(Parse({"--version", "-h"})));
    const Arguments fileNamedHelp = Parse({"--", "--help"});
    ASSERT_TRUE(std::holds_alternative<VerseRequest>(fileNamedHelp));
    EXPECT_EQ(std::get<VerseRequest>(fileNamedHelp).Input, "--help");
    const Arguments fileNamedH = Parse({"--seed", "1", "--", "-h"});
    ASSERT_TRUE(std::holds_alternative<VerseRequest>(fileNamedH));
    EXPECT_EQ(std::get<VerseRequest>(fileNamedH).Input, "-h");
}

struct ErrorCase {
    const char* name;
    std::vector<std::string_view> arguments;
    std::string message;
};

void PrintTo(const ErrorCase& c, std::ostream* os)
{
    *os << c.name;
}

class UsageErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(UsageErrorTest, NamesWhatIsWrong)
{
    const ErrorCase& c = GetParam();
    const Arguments parsed = Parse(c.arguments);
    const auto* error = std::get_if<UsageError>(&parsed);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->Message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, UsageErrorTest,
    testing::Values(
        ErrorCase{"Unknown", {"--counts", "3"}, "unknown option '--counts'"},
        ErrorCase{"SingleDashLetter", {"-c"}, "unknown option '-c'"},
        ErrorCase{"HelpWithValue", {"--help=1"}, "unknown option '--help=1'"},
        ErrorCase{"ShortHelpWithValue", {"-h=1"}, "unknown option '-h=1'"},
        ErrorCase{"ShortHelpJoinedToALetter", {"-hv"}, "unknown option '-hv'"},
        ErrorCase{"MissingCount", {"--count"}, "--count needs a value"},
        ErrorCase{"MissingSeed", {"--seed"}, "--seed needs a value"},
        ErrorCase{"ZeroCount",
                  {"--count=0"},
                  "invalid count '0': expected a whole number from 1 to 18446744073709551615"},
        ErrorCase{"HexCount",
                  {"--count", "0x10"},
                  "invalid count '0x10': expected a whole number from 1 to 18446744073709551615"},
        ErrorCase{"BlankInCount",
                  {"--count", " 4"},
                  "invalid count ' 4': expected a whole number from 1 to 18446744073709551615"},
        ErrorCase{"SeedOverflow",
                  {"--seed", "18446744073709551616"},
                  "invalid seed '18446744073709551616': expected a whole number from 0 to "
                  "18446744073709551615"},
        ErrorCase{"TwoFiles", {"a", "-"}, "more than one input file: 'a' and '-'"}));

struct NumberCase {
    const char* name;
    std::string_view text;
    std::optional<std::uint64_t> value;
};

void PrintTo(const NumberCase& c, std::ostream* os)
{
    *os << c.name;
}

class SeedValueTest : public testing::TestWithParam<NumberCase> {};

TEST_P(SeedValueTest, AcceptsOnlyPlainDecimalsThatFitIn64Bits)
{
    const Arguments parsed = Parse({"--seed", GetParam().text});
    if (GetParam().value) {
        ASSERT_TRUE(std::holds_alternative<VerseRequest>(parsed));
        EXPECT_EQ(std::get<VerseRequest>(parsed).Seed, GetParam().value);
    } else {
        EXPECT_TRUE(std::holds_alternative<UsageError>(parsed));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SeedValueTest,
    testing::Values(NumberCase{"Zero", "0", 0}, NumberCase{"Plain", "1234", 1234},
                    NumberCase{"Largest", "18446744073709551615", 18446744073709551615ULL},
                    NumberCase{"OneTooLarge", "18446744073709551616", std::nullopt},
                    NumberCase{"ManyDigits", "000000000000000000000000001", 1},
                    NumberCase{"Empty", "", std::nullopt}, NumberCase{"Minus", "-1", std::nullopt},
                    NumberCase{"Plus", "+1", std::nullopt},
                    NumberCase{"TrailingBlank", "1 ", std::nullopt},
                    NumberCase{"Fraction", "1.5", std::nullopt},
                    NumberCase{"Exponent", "1e3", std::nullopt}));

} // namespace
} // namespace wumpel::cli
