// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The seeded runs that promise the same verses on every run, machine and
// release: what wumpel-verse writes for a list, a seed and a count, as UTF-8
// with LF line breaks. The tool's tests run the built program on them, the
// engine's tests compose the same verses in memory; both must give these bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wumpel::testing_support {

inline std::uint64_t Fnv1a(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

// The window's three example lists, and a list of everything odd the parser
// accepts: upper-case, "ein" and "kein" articles, blanks inside and after a
// noun, an empty article, a stray line without a blank that is skipped, and
// more than 26 lines, of which only the first 26 entries count.
inline constexpr std::string_view ExampleList1 =
    "Der Gott\nDie Hölle\nDer Himmel\ndie Disko\nDas Geld\n"
    "Die Liebe\nDer Tod\nDas Elend\nDie Güte\nDas Vergnügen\n";
inline constexpr std::string_view ExampleList2 =
    "Der Quendler\nDie Trunzel\nDer Knörzel\nder Bundestag\nDas Geld\nDer Wahnsinn\n"
    "Die Freiheit\nder Friede\nDie Lüge\nDer Schlaf\nDas Gesetz\nder Gestank\n"
    "Die Korruption\nDas Gebet\n";
inline constexpr std::string_view ExampleList3 =
    "Der Zaffi\nDer Trubbi\nDie Sellu\ndie Wurst\nDer Joghurt\nDer Gnoppi\nDie Liebe\n"
    "der Freund\nDer Teppich\nDer Hai\nDer Flamenko\nder Marksknochen\nDer Smoking\n"
    "Der Gelbschnabel\n";
inline constexpr std::string_view OddList =
    "DER Hund\ndie Rote Katze\nDas Haus\nein Apfel\nkein Baum\nEine Wolke\n Leerartikel\n"
    "Streuner\nder Große Bär\ndie Wurst\ndas Boot \nDIE Sonne\nder Mond\ndas Meer\n"
    "die Insel\nder Berg\ndie Blume\ndas Feld\nder Fluss\ndie Stadt\ndas Dorf\n"
    "der Wald\ndie Brücke\ndas Schiff\nder Turm\ndie Mauer\ndas Tor\nder Stern\n"
    "die Nacht\n";

inline constexpr std::uint64_t MaxSeed = 18446744073709551615ULL;

struct GoldenRun {
    std::string_view List;
    std::uint64_t Seed;
    int Count;
    std::size_t Bytes;
    std::uint64_t Hash;
    std::string_view Name;
};

// Recorded with the release that first made these promises; a row may only
// ever be added, never changed.
inline constexpr std::array<GoldenRun, 48> GoldenRuns = {{
    {ExampleList1, 0, 1, 166, 0x56e93a4d338720b9ULL, "ExampleList1Seed0Count1"},
    {ExampleList1, 0, 3, 484, 0x46ca98bcae9a0fccULL, "ExampleList1Seed0Count3"},
    {ExampleList1, 0, 1000, 162196, 0x343c440a85cd5095ULL, "ExampleList1Seed0Count1000"},
    {ExampleList1, 1, 1, 154, 0x37f4f6c7454dacc2ULL, "ExampleList1Seed1Count1"},
    {ExampleList1, 1, 3, 481, 0x70b523fd1569400dULL, "ExampleList1Seed1Count3"},
    {ExampleList1, 1, 1000, 162307, 0x2473376127eed46bULL, "ExampleList1Seed1Count1000"},
    {ExampleList1, 42, 1, 162, 0xe7b3a0d3ef023917ULL, "ExampleList1Seed42Count1"},
    {ExampleList1, 42, 3, 484, 0xa763e710252dd28dULL, "ExampleList1Seed42Count3"},
    {ExampleList1, 42, 1000, 162243, 0xbbbd49002d88be34ULL, "ExampleList1Seed42Count1000"},
    {ExampleList1, MaxSeed, 1, 162, 0x9f3f0d24181f6113ULL, "ExampleList1SeedMaxCount1"},
    {ExampleList1, MaxSeed, 3, 483, 0xf15a3fe60c1c8a1eULL, "ExampleList1SeedMaxCount3"},
    {ExampleList1, MaxSeed, 1000, 162250, 0xf5934b2546311024ULL, "ExampleList1SeedMaxCount1000"},
    {ExampleList2, 0, 1, 176, 0xeb92292e2a746283ULL, "ExampleList2Seed0Count1"},
    {ExampleList2, 0, 3, 536, 0x34af1bdd66d8f3afULL, "ExampleList2Seed0Count3"},
    {ExampleList2, 0, 1000, 177537, 0xd5bf5811eff7c293ULL, "ExampleList2Seed0Count1000"},
    {ExampleList2, 1, 1, 187, 0x33d2b508deada2ccULL, "ExampleList2Seed1Count1"},
    {ExampleList2, 1, 3, 540, 0x3bdca5fa76f4955dULL, "ExampleList2Seed1Count3"},
    {ExampleList2, 1, 1000, 177920, 0x9fdb2c6529034dc9ULL, "ExampleList2Seed1Count1000"},
    {ExampleList2, 42, 1, 171, 0x7bb6692a353b0ffeULL, "ExampleList2Seed42Count1"},
    {ExampleList2, 42, 3, 526, 0x771a7df1259df9d7ULL, "ExampleList2Seed42Count3"},
    {ExampleList2, 42, 1000, 177760, 0xbd44dd835de93a96ULL, "ExampleList2Seed42Count1000"},
    {ExampleList2, MaxSeed, 1, 186, 0x3f425ef753a23db1ULL, "ExampleList2SeedMaxCount1"},
    {ExampleList2, MaxSeed, 3, 538, 0x9e4c8f45f6706c18ULL, "ExampleList2SeedMaxCount3"},
    {ExampleList2, MaxSeed, 1000, 177381, 0xb8c3bd546630be0aULL, "ExampleList2SeedMaxCount1000"},
    {ExampleList3, 0, 1, 185, 0x5996ea8b7bd133aaULL, "ExampleList3Seed0Count1"},
    {ExampleList3, 0, 3, 525, 0x169df28986db07c6ULL, "ExampleList3Seed0Count3"},
    {ExampleList3, 0, 1000, 174986, 0xee8aa4970bd58477ULL, "ExampleList3Seed0Count1000"},
    {ExampleList3, 1, 1, 178, 0xf1e2fcdc1807f987ULL, "ExampleList3Seed1Count1"},
    {ExampleList3, 1, 3, 541, 0xcb417b9ea0710b1bULL, "ExampleList3Seed1Count3"},
    {ExampleList3, 1, 1000, 175012, 0x3784f6b25fa1fed9ULL, "ExampleList3Seed1Count1000"},
    {ExampleList3, 42, 1, 181, 0x177a85aafb5688e3ULL, "ExampleList3Seed42Count1"},
    {ExampleList3, 42, 3, 537, 0xbd8a864108330649ULL, "ExampleList3Seed42Count3"},
    {ExampleList3, 42, 1000, 174986, 0xffbae0b1b52bd782ULL, "ExampleList3Seed42Count1000"},
    {ExampleList3, MaxSeed, 1, 173, 0x428ebc00dec2b461ULL, "ExampleList3SeedMaxCount1"},
    {ExampleList3, MaxSeed, 3, 521, 0xfee18061fd223e00ULL, "ExampleList3SeedMaxCount3"},
    {ExampleList3, MaxSeed, 1000, 174563, 0x6e9fcbf921794aabULL, "ExampleList3SeedMaxCount1000"},
    {OddList, 0, 1, 164, 0xb4245303fe4b9f0bULL, "OddListSeed0Count1"},
    {OddList, 0, 3, 489, 0xee24946e442ba9dbULL, "OddListSeed0Count3"},
    {OddList, 0, 1000, 163462, 0x509f10df873a59d9ULL, "OddListSeed0Count1000"},
    {OddList, 1, 1, 157, 0x07a7846133d63a8cULL, "OddListSeed1Count1"},
    {OddList, 1, 3, 479, 0xe5a4d3f2de00f446ULL, "OddListSeed1Count3"},
    {OddList, 1, 1000, 163800, 0x9e862e8fcc41022cULL, "OddListSeed1Count1000"},
    {OddList, 42, 1, 158, 0x345ac6e76bb28c93ULL, "OddListSeed42Count1"},
    {OddList, 42, 3, 469, 0xf1e72f4211996be7ULL, "OddListSeed42Count3"},
    {OddList, 42, 1000, 163331, 0xbf41df101779986dULL, "OddListSeed42Count1000"},
    {OddList, MaxSeed, 1, 174, 0x375465ec3ae57094ULL, "OddListSeedMaxCount1"},
    {OddList, MaxSeed, 3, 510, 0x7fe7ba2285e04027ULL, "OddListSeedMaxCount3"},
    {OddList, MaxSeed, 1000, 163344, 0xb5a56ccf1793b35cULL, "OddListSeedMaxCount1000"},
}};

} // namespace wumpel::testing_support
