// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/utf8.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace wumpel::cli {
namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::u16string text; // what is decoded before any error
    std::optional<std::size_t> badOffset;
};

void PrintTo(const DecodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class Utf8DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(Utf8DecodeTest, DecodesUpToTheFirstBadByte)
{
    const DecodeCase& c = GetParam();
    std::u16string out;
    EXPECT_EQ(DecodeUtf8(c.bytes, out), c.badOffset);
    EXPECT_EQ(out, c.text);
}

// Input arrives in pieces of any size: cut anywhere, the same text and offset.
TEST_P(Utf8DecodeTest, DecodesTheSameInTwoPieces)
{
    const DecodeCase& c = GetParam();
    const std::string_view bytes = c.bytes;
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        Utf8Decoder decoder;
        std::u16string out;
        std::optional<std::size_t> offset = decoder.Decode(bytes.substr(0, cut), out);
        if (!offset) {
            offset = decoder.Decode(bytes.substr(cut), out);
        }
        if (!offset) {
            offset = decoder.Finish();
        }
        EXPECT_EQ(offset, c.badOffset) << "cut at " << cut;
        EXPECT_EQ(out, c.text) << "cut at " << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(
    WellFormed, Utf8DecodeTest,
    testing::Values(
        DecodeCase{"Empty", "", u"", std::nullopt},
        DecodeCase{"Ascii", "der Hund\r\n", u"der Hund\r\n", std::nullopt},
        DecodeCase{"LfBecomesCrLf", "der A\ndie B\n\n", u"der A\r\ndie B\r\n\r\n", std::nullopt},
        DecodeCase{"LeadingLf", "\nder A", u"\r\nder A", std::nullopt},
        DecodeCase{"LoneCrStays", "der A\rdie B\r", u"der A\rdie B\r", std::nullopt},
        DecodeCase{"CrBeforeCrLf", "der A\r\r\n", u"der A\r\r\n", std::nullopt},
        DecodeCase{"LfAfterAnUmlaut", "\xC3\xA4\n", u"ä\r\n", std::nullopt},
        DecodeCase{"NulByte", std::string("a\0b", 3), std::u16string(u"a\0b", 3), std::nullopt},
        DecodeCase{"TwoByteUmlauts", "H\xC3\xB6lle \xC3\x9F", u"Hölle ß", std::nullopt},
        DecodeCase{"SmallestTwoByte", "\xC2\x80", u"\u0080", std::nullopt},
        DecodeCase{"SmallestThreeByte", "\xE0\xA0\x80", u"\u0800", std::nullopt},
        DecodeCase{"LastBeforeSurrogates", "\xED\x9F\xBF", u"\uD7FF", std::nullopt},
        DecodeCase{"FirstAfterSurrogates", "\xEE\x80\x80", u"\uE000", std::nullopt},
        DecodeCase{"ByteOrderMarkAtTheStartIsDropped",
                   "\xEF\xBB\xBF"
                   "der A",
                   u"der A", std::nullopt},
        DecodeCase{"ByteOrderMarkLaterIsText", "a\xEF\xBB\xBF", u"a\uFEFF", std::nullopt},
        DecodeCase{"OnlyTheFirstOfTwoMarksIsDropped", "\xEF\xBB\xBF\xEF\xBB\xBF", u"\uFEFF",
                   std::nullopt},
        DecodeCase{"SmallestFourByte", "\xF0\x90\x80\x80", u"\U00010000", std::nullopt},
        DecodeCase{"Dog", "\xF0\x9F\x90\x95", u"\U0001F415", std::nullopt},
        DecodeCase{"LargestCodePoint", "\xF4\x8F\xBF\xBF", u"\U0010FFFF", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    IllFormed, Utf8DecodeTest,
    testing::Values(DecodeCase{"StrayContinuation", "ab\x80", u"ab", 2},
                    DecodeCase{"OverlongTwoByteC0", "\xC0\x80", u"", 0},
                    DecodeCase{"OverlongTwoByteC1", "x\xC1\xBF", u"x", 1},
                    DecodeCase{"OverlongThreeByte", "\xE0\x9F\xBF", u"", 0},
                    DecodeCase{"OverlongFourByte", "\xF0\x8F\xBF\xBF", u"", 0},
                    DecodeCase{"HighSurrogate", "ok\xED\xA0\x80", u"ok", 2},
                    DecodeCase{"LowSurrogate", "\xED\xBF\xBF", u"", 0},
                    DecodeCase{"AboveLargestCodePoint", "\xF4\x90\x80\x80", u"", 0},
                    DecodeCase{"LeadByteF5", "\xF5\x80\x80\x80", u"", 0},
                    DecodeCase{"ByteFF", "abc\xFF", u"abc", 3},
                    DecodeCase{"TwoByteCutByAscii",
                               "\xC3"
                               "a",
                               u"", 0},
                    DecodeCase{"ThreeByteCutByAscii", "Z\xE2\x82Z", u"Z", 1},
                    DecodeCase{"FourByteCutByNewLead", "\xF0\x9F\x90\xF0\x9F\x90\x95", u"", 0},
                    DecodeCase{"TwoByteCutByTheEnd", "ab\xC3", u"ab", 2},
                    DecodeCase{"FourByteCutByTheEnd", "ab\xF0\x9F\x90", u"ab", 2},
                    DecodeCase{"ErrorAfterGoodText", "H\xC3\xB6lle\xC3\xC3", u"Hölle", 6}));

struct EncodeCase {
    const char* name;
    std::u16string text;
    std::string bytes;
};

void PrintTo(const EncodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class Utf8EncodeTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(Utf8EncodeTest, WritesUtf8WithLfBreaks)
{
    const EncodeCase& c = GetParam();
    std::vector<char> out(c.text.size() * MaxUtf8BytesPerUnit);
    const std::size_t written = EncodeUtf8WithLf(c.text, out);
    EXPECT_EQ(std::string(out.data(), written), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8EncodeTest,
    testing::Values(
        EncodeCase{"Empty", u"", ""}, EncodeCase{"Ascii", u"Wenn der Hund", "Wenn der Hund"},
        EncodeCase{"CrLfBecomesLf", u"a\r\nb\r\n\r\n", "a\nb\n\n"},
        EncodeCase{"LoneCrStays", u"a\rb\r", "a\rb\r"}, EncodeCase{"LoneLfStays", u"a\nb", "a\nb"},
        EncodeCase{"CrBeforeCrLf", u"a\r\r\n", "a\r\n"},
        EncodeCase{"NulStays", std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
        EncodeCase{"Umlauts", u"über Größe",
                   "\xC3\xBC"
                   "ber Gr\xC3\xB6\xC3\x9F"
                   "e"},
        EncodeCase{"TwoByteBounds", u"\u0080\u07FF", "\xC2\x80\xDF\xBF"},
        EncodeCase{"ThreeByteBounds", u"\u0800\uFFFF", "\xE0\xA0\x80\xEF\xBF\xBF"},
        EncodeCase{"SurrogatePair", u"\U0001F415", "\xF0\x9F\x90\x95"},
        EncodeCase{"LargestCodePoint", u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
        EncodeCase{"LoneHighSurrogate", std::u16string{u'a', char16_t{0xD800}, u'b'},
                   "a\xEF\xBF\xBD"
                   "b"},
        EncodeCase{"HighSurrogateAtTheEnd", std::u16string{u'a', char16_t{0xDBFF}},
                   "a\xEF\xBF\xBD"},
        EncodeCase{"LoneLowSurrogate", std::u16string{char16_t{0xDC00}, u'x'}, "\xEF\xBF\xBDx"},
        EncodeCase{"SwappedPair", std::u16string{char16_t{0xDC00}, char16_t{0xD800}},
                   "\xEF\xBF\xBD\xEF\xBF\xBD"}));

TEST(Utf8Encode, RefusesABufferThatMightNotHoldTheText)
{
    std::vector<char> out(3 * MaxUtf8BytesPerUnit - 1);
    EXPECT_THROW(EncodeUtf8WithLf(u"abc", out), std::length_error);
}

TEST(Utf8Encode, RoundTripsEveryCodePointThroughTheDecoder)
{
    std::u16string text;
    for (char32_t c = 0; c <= 0x10FFFF; c += (c < 0x3000 ? 1 : 97)) {
        // Line breaks do not survive unchanged: that is their point.
        if (c == u'\r' || c == u'\n' || (c >= 0xD800 && c <= 0xDFFF)) {
            continue;
        }
        if (c < 0x10000) {
            text.push_back(static_cast<char16_t>(c));
        } else {
            text.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10U)));
            text.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FFU)));
        }
    }
    std::vector<char> bytes(text.size() * MaxUtf8BytesPerUnit);
    const std::size_t written = EncodeUtf8WithLf(text, bytes);
    std::u16string decoded;
    EXPECT_EQ(DecodeUtf8(std::string_view(bytes.data(), written), decoded), std::nullopt);
    EXPECT_EQ(decoded, text);
}

struct StartCase {
    const char* name;
    std::u16string text;
    std::size_t units;
    std::size_t start;
};

void PrintTo(const StartCase& c, std::ostream* os)
{
    *os << c.name;
}

class EncodableStartTest : public testing::TestWithParam<StartCase> {};

TEST_P(EncodableStartTest, NeverSplitsWhatTheEncoderReadsAsOne)
{
    const StartCase& c = GetParam();
    EXPECT_EQ(EncodableStart(c.text, c.units), c.start);
}

constexpr char16_t High = 0xD83D;
constexpr char16_t Low = 0xDC15;

INSTANTIATE_TEST_SUITE_P(
    Cuts, EncodableStartTest,
    testing::Values(StartCase{"ShorterThanAsked", u"abc", 5, 3},
                    StartCase{"ExactlyAsLongAsAsked", u"abc", 3, 3},
                    StartCase{"PlainCut", u"abcdef", 4, 4},
                    StartCase{"BetweenCrAndLf", u"abc\r\ndef", 4, 3},
                    StartCase{"AfterCrLf", u"abc\r\ndef", 5, 5},
                    StartCase{"AfterLoneCr", u"abc\rdef", 4, 4},
                    StartCase{"CrAtTheVeryEnd", u"abc\r", 4, 4},
                    StartCase{"InsideSurrogatePair", std::u16string{u'a', High, Low, u'b'}, 2, 1},
                    StartCase{"AfterSurrogatePair", std::u16string{u'a', High, Low, u'b'}, 3, 3},
                    StartCase{"AfterLoneHighSurrogate", std::u16string{u'a', High, u'b'}, 2, 2}));

} // namespace
} // namespace wumpel::cli
