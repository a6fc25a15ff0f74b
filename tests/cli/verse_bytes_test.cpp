// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "captured_file.h"
#include "cli/verse_bytes.h"
#include "engine/random_source.h"
#include "engine/verse_composer.h"
#include "engine/verse_text.h"
#include "engine/word_list_parser.h"
#include "engine/word_tables.h"
#include "window_reference.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace wumpel::cli {
namespace {

using testing_support::CapturedFile;
using testing_support::Utf16ToUtf8;
using testing_support::WithLf;

GeneratorState StateWith(const std::u16string& list)
{
    GeneratorState state;
    InitWordTables(state);
    ParseWordList(state, list);
    return state;
}

std::u16string Lines(const std::vector<std::u16string>& lines)
{
    std::u16string text;
    for (const std::u16string& line : lines) {
        text += line + u"\r\n";
    }
    return text;
}

struct ListCase {
    const char* Name;
    std::u16string List;
};

// The same plans written by the engine as the window's text, converted by
// iconv, and written as bytes: identical, verse after verse, while genders are
// learnt along the way.
TEST(VerseBytes, WritesTheWindowsTextConverted)
{
    const std::vector<ListCase> cases = {
        {"nine entries, definite and indefinite",
         Lines({u"der Hund", u"die Katze", u"das Pferd", u"ein Fisch", u"eine Maus", u"Der Bär",
                u"Die Ölkanne", u"DAS Übel", u"kein Spaß"})},
        {"all 26 entries, umlauts and sharp s",
         Lines({u"der Quendler", u"die Trunzel", u"der Knörzel", u"das Gemüse", u"die Straße",
                u"der Äther",    u"das Öl",      u"die Übung",   u"der A",      u"die B",
                u"das C",        u"der D",       u"die E",       u"das F",      u"der G",
                u"die H",        u"das I",       u"der J",       u"die K",      u"das L",
                u"der M",        u"die N",       u"das O",       u"der P",      u"die Q",
                u"das R"})},
        {"pairs, a lone CR, a NUL and long nouns",
         Lines({u"der Hund\U0001F415", u"die Ka\rtze", u"das Nu" + std::u16string(1, u'\0') + u"ll",
                u"der " + std::u16string(40, u'ä'), u"die " + std::u16string(100000, u'x'),
                u"das 𝄞Notenschlüssel𝄞", u"der  Doppelblank", u"die Z", u"das Ende"})},
        // Nouns kept with each slot's tail up to a length and apart from it
        // beyond, mixed in one list; and a noun that ends in a lone CR.
        {"nouns around the longest joined to their tail",
         Lines({u"der " + std::u16string(VerseBytes::LongestJoinedNoun - 1, u'a'),
                u"die " + std::u16string(VerseBytes::LongestJoinedNoun, u'ö'),
                u"das " + std::u16string(VerseBytes::LongestJoinedNoun + 1, u'b'),
                u"der " + std::u16string(VerseBytes::LongestJoinedNoun + 2, u'ü'), u"die Kurz",
                u"das Hund\r", u"der " + std::u16string(31, u'c'), u"die Y",
                u"das " + std::u16string(VerseBytes::LongestJoinedNoun / 2, u'ß')})},
    };
    for (const ListCase& list : cases) {
        for (const std::uint64_t seed : {1U, 2U, 2026U}) {
            GeneratorState state = StateWith(list.List);
            ASSERT_GE(state.LastEntryIndex, MinimumLastEntryIndex) << list.Name;
            const VerseBytes bytes(state);
            SeededRandomSource random(seed);
            CapturedFile file;
            VerseWriter writer(file.Fd());
            std::u16string text;
            for (int verse = 0; verse < 60; ++verse) {
                const VersePlan plan = DrawVerse(state, random);
                AppendVerseText(text, state, plan);
                bytes.Write(plan, writer);
                LearnGenders(state, plan);
            }
            writer.Flush();
            EXPECT_TRUE(file.Content() == WithLf(Utf16ToUtf8(text)))
                << list.Name << ", seed " << seed;
        }
    }
}

TEST(VerseBytes, RejectsAnEntryItWasNotBuiltWith)
{
    const GeneratorState state = StateWith(Lines({u"der A", u"die B", u"das C", u"der D", u"die E",
                                                  u"das F", u"der G", u"die H", u"das I"}));
    const VerseBytes bytes(state);
    VersePlan plan;
    plan.Entries.at(4) = 9;
    CapturedFile file;
    VerseWriter writer(file.Fd());
    EXPECT_THROW(bytes.Write(plan, writer), std::out_of_range);
}

} // namespace
} // namespace wumpel::cli
