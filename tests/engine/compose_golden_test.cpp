// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_composer.h"
#include "engine/word_list_parser.h"
#include "engine/word_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wumpel {
namespace {

// A seed promises the same verses on every run, machine and release. These
// hashes were recorded from the composer as it was before it was rewritten to
// read like its rules, so a single changed code unit for any seed shows here.

std::uint64_t Fnv1a(std::u16string_view text)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char16_t unit : text) {
        for (const unsigned shift : {0U, 8U}) {
            hash ^= (static_cast<unsigned>(unit) >> shift) & 0xFFU;
            hash *= 0x100000001b3ULL;
        }
    }
    return hash;
}

// The window's three example lists, and a list of everything odd the parser
// accepts: upper-case, "ein" and "kein" articles, blanks inside and after a
// noun, an empty article, a stray line without a blank that is skipped, and
// more than 26 lines, of which only the first 26 entries count.
constexpr std::u16string_view ExampleList1 =
    u"Der Gott\r\nDie Hölle\r\nDer Himmel\r\ndie Disko\r\nDas Geld\r\n"
    u"Die Liebe\r\nDer Tod\r\nDas Elend\r\nDie Güte\r\nDas Vergnügen\r\n";
constexpr std::u16string_view ExampleList2 =
    u"Der Quendler\r\nDie Trunzel\r\nDer Knörzel\r\nder Bundestag\r\nDas Geld\r\n"
    u"Der Wahnsinn\r\nDie Freiheit\r\nder Friede\r\nDie Lüge\r\nDer Schlaf\r\nDas Gesetz\r\n"
    u"der Gestank\r\nDie Korruption\r\nDas Gebet\r\n";
constexpr std::u16string_view ExampleList3 =
    u"Der Zaffi\r\nDer Trubbi\r\nDie Sellu\r\ndie Wurst\r\nDer Joghurt\r\nDer Gnoppi\r\n"
    u"Die Liebe\r\nder Freund\r\nDer Teppich\r\nDer Hai\r\nDer Flamenko\r\n"
    u"der Marksknochen\r\nDer Smoking\r\nDer Gelbschnabel\r\n";
constexpr std::u16string_view OddList =
    u"DER Hund\r\ndie Rote Katze\r\nDas Haus\r\nein Apfel\r\nkein Baum\r\nEine Wolke\r\n"
    u" Leerartikel\r\nStreuner\r\nder Große Bär\r\ndie Wurst\r\ndas Boot \r\nDIE Sonne\r\n"
    u"der Mond\r\ndas Meer\r\ndie Insel\r\nder Berg\r\ndie Blume\r\ndas Feld\r\nder Fluss\r\n"
    u"die Stadt\r\ndas Dorf\r\nder Wald\r\ndie Brücke\r\ndas Schiff\r\nder Turm\r\n"
    u"die Mauer\r\ndas Tor\r\nder Stern\r\ndie Nacht\r\n";

struct NamedList {
    const char* Name;
    std::u16string_view Text;
};

constexpr NamedList Example1{"example list 1", ExampleList1};
constexpr NamedList Example2{"example list 2", ExampleList2};
constexpr NamedList Example3{"example list 3", ExampleList3};
constexpr NamedList Odd{"odd list", OddList};

struct GoldenRun {
    NamedList List;
    std::uint64_t Seed;
    int Count;
    std::size_t Length;
    std::uint64_t Hash;
};

std::u16string ComposeVerses(std::u16string_view list, std::uint64_t seed, int count)
{
    GeneratorState state;
    InitWordTables(state);
    ParseWordList(state, list);
    SeededRandomSource random(seed);
    for (int verse = 0; verse < count; ++verse) {
        ComposeVerse(state, random);
    }
    return state.VerseText;
}

constexpr std::uint64_t MaxSeed = 18446744073709551615ULL;

constexpr std::array<GoldenRun, 48> GoldenRuns = {{
    {Example1, 0, 1, 166, 0xd7d741a4c70d23e5ULL},
    {Example1, 0, 3, 485, 0x5116b26303bfa553ULL},
    {Example1, 0, 1000, 162516, 0x39c2c28f6823fd7dULL},
    {Example1, 1, 1, 154, 0xad7d09f3cfa6bca2ULL},
    {Example1, 1, 3, 481, 0x0a584a14ce61c95dULL},
    {Example1, 1, 1000, 162613, 0xce7df9b021c62b2dULL},
    {Example1, 42, 1, 162, 0xbee40b7b32be1755ULL},
    {Example1, 42, 3, 483, 0x0b7c1abbcb325346ULL},
    {Example1, 42, 1000, 162533, 0x58becbcdd744dc9eULL},
    {Example1, MaxSeed, 1, 162, 0x9afd63099554b5a1ULL},
    {Example1, MaxSeed, 3, 484, 0x41da06ecef029309ULL},
    {Example1, MaxSeed, 1000, 162558, 0xf1e7fa00d02ab916ULL},
    {Example2, 0, 1, 178, 0x3376e06013f01aa5ULL},
    {Example2, 0, 3, 541, 0x0685582c8316bc76ULL},
    {Example2, 0, 1000, 179140, 0x028a3419454ed4b4ULL},
    {Example2, 1, 1, 188, 0xad7aaf44ece974c5ULL},
    {Example2, 1, 3, 545, 0xd3d226e2ec6f2c1aULL},
    {Example2, 1, 1000, 179478, 0x0a2b70f78e018e93ULL},
    {Example2, 42, 1, 173, 0x83325a9fceca0ae0ULL},
    {Example2, 42, 3, 531, 0x5b9e8329160cf816ULL},
    {Example2, 42, 1000, 179318, 0x9af9961a78d545c6ULL},
    {Example2, MaxSeed, 1, 187, 0x19eac4f66269010cULL},
    {Example2, MaxSeed, 3, 543, 0x40b0230028d1372fULL},
    {Example2, MaxSeed, 1000, 178917, 0x9e902bc036205cc4ULL},
    {Example3, 0, 1, 188, 0x45ae6f87015984a9ULL},
    {Example3, 0, 3, 534, 0x9f33d3c613feafd3ULL},
    {Example3, 0, 1000, 177931, 0x4750c174dbf15a00ULL},
    {Example3, 1, 1, 181, 0xd9582b8dad8fbdfcULL},
    {Example3, 1, 3, 550, 0x105f72f8ff8a7790ULL},
    {Example3, 1, 1000, 177957, 0xe80589620dc441f4ULL},
    {Example3, 42, 1, 184, 0x85c03df5847a38f2ULL},
    {Example3, 42, 3, 546, 0x42d690c643829ae0ULL},
    {Example3, 42, 1000, 177917, 0x7aae015299767afbULL},
    {Example3, MaxSeed, 1, 176, 0x91e68a4f1b8ad746ULL},
    {Example3, MaxSeed, 3, 530, 0xc9459b3198e4f2dfULL},
    {Example3, MaxSeed, 1000, 177479, 0xda035d30afa70f0dULL},
    {Odd, 0, 1, 166, 0x0863a0dee3aeb063ULL},
    {Odd, 0, 3, 495, 0x603ee14cd3beb25dULL},
    {Odd, 0, 1000, 165301, 0x2b7340b4d18493caULL},
    {Odd, 1, 1, 160, 0xcba55304a23e7b25ULL},
    {Odd, 1, 3, 487, 0x3909abcfde2ac8aaULL},
    {Odd, 1, 1000, 165618, 0x088599d91499c60cULL},
    {Odd, 42, 1, 160, 0x489676081baa800bULL},
    {Odd, 42, 3, 476, 0xd909c98f4a0b605cULL},
    {Odd, 42, 1000, 165230, 0x9330abadb167e570ULL},
    {Odd, MaxSeed, 1, 177, 0xa37cca42134ddaafULL},
    {Odd, MaxSeed, 3, 517, 0x088e3db5677f2b48ULL},
    {Odd, MaxSeed, 1000, 165235, 0x76a39b3b2b16f721ULL},
}};

TEST(ComposeVerseGolden, EverySeedGivesTheVersesItAlwaysGave)
{
    for (const GoldenRun& run : GoldenRuns) {
        SCOPED_TRACE(testing::Message()
                     << run.List.Name << ", seed " << run.Seed << ", count " << run.Count);
        const std::u16string text = ComposeVerses(run.List.Text, run.Seed, run.Count);
        EXPECT_EQ(text.size(), run.Length);
        EXPECT_EQ(Fnv1a(text), run.Hash);
    }
}

// The hashes above in words, for one run a reader can check by eye.
TEST(ComposeVerseGolden, SeedOneGivesTheseThreeVersesOfTheFirstExampleList)
{
    EXPECT_EQ(ComposeVerses(ExampleList1, 1, 3),
              u"Wenn der Tod mit der Liebe über die Güte springt\r\n"
              u"und das Geld in  Vergnügen die Hölle verschlingt,\r\n"
              u"dann die Disko an dem Himmel als ein Gott stinkt.\r\n"
              u"\r\n"
              u"Wenn die Güte mit der Disko über das Geld springt\r\n"
              u"und die Hölle in einem Gott die Liebe verschlingt,\r\n"
              u"dann ein Tod auf dem Himmel als das Vergnügen verschlingt.\r\n"
              u"\r\n"
              u"Wenn eine Disko mit dem Vergnügen über die Liebe springt\r\n"
              u"und die Güte in dem Tod den Himmel verschlingt,\r\n"
              u"dann  Geld zwischen der Hölle als das Elend stinkt.\r\n"
              u"\r\n");
}

} // namespace
} // namespace wumpel
