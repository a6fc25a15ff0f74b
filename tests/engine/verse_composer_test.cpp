// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_composer.h"
#include "engine/word_list_parser.h"
#include "engine/word_tables.h"
#include "tests/engine/scripted_random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace wumpel {
namespace {

using testing_support::DrawAt;
using testing_support::ScriptedRandomSource;

constexpr std::string_view FirstExampleList =
    "Der Gott\r\nDie Hölle\r\nDer Himmel\r\ndie Disko\r\nDas Geld\r\nDie Liebe\r\n"
    "Der Tod\r\nDas Elend\r\nDie Güte\r\nDas Vergnügen\r\n";

// Draws that pick a given value from each formula, inside its bin.
float EntryDraw(int index, int lastEntryIndex)
{
    return static_cast<float>(index) / (static_cast<float>(lastEntryIndex) + 0.5F);
}
constexpr float Definite = 0.9F;
constexpr float Indefinite = 0.3F;
constexpr float Negative = 0.1F;
constexpr float NoArticle = 0.01F;
// floor(n r + 0.6) is i for r in [(i - 0.6) / n, (i + 0.4) / n); bin 0 starts at 0.
float OffsetDraw(int index, float n)
{
    return (index == 0 ? 0.2F : static_cast<float>(index) - 0.1F) / n;
}
float PrepositionDraw(int index)
{
    return OffsetDraw(index, 14.0F);
}
float VerbDraw(int index)
{
    return OffsetDraw(index, 7.0F);
}

GeneratorState StateWith(std::string_view list)
{
    GeneratorState state;
    InitWordTables(state);
    ParseWordList(state, list);
    return state;
}

// Draws for the given entries (the nine of the verse, then any replacements),
// then one kind per slot with the preposition and verb ending at their places.
std::vector<Draw> VerseDraws(const std::vector<int>& entries, int lastEntryIndex,
                             const std::vector<float>& kinds, int preposition, int verb)
{
    std::vector<Draw> draws;
    draws.reserve(entries.size() + kinds.size() + 2);
    for (const int entry : entries) {
        draws.push_back(DrawAt(EntryDraw(entry, lastEntryIndex)));
    }
    for (std::size_t slot = 0; slot < kinds.size(); ++slot) {
        if (slot == 7) {
            draws.push_back(DrawAt(PrepositionDraw(preposition)));
        }
        draws.push_back(DrawAt(kinds.at(slot)));
    }
    draws.push_back(DrawAt(VerbDraw(verb)));
    return draws;
}

ScriptedRandomSource VerseScript(const std::vector<int>& entries, int lastEntryIndex,
                                 const std::vector<float>& kinds, int preposition, int verb)
{
    ScriptedRandomSource random;
    random.Append(VerseDraws(entries, lastEntryIndex, kinds, preposition, verb));
    return random;
}

std::vector<float> AllDefinite()
{
    return std::vector<float>(9, Definite);
}

// Each slot declines its article with the gender its entry's definite article
// tells, or else the one the entry had; only the definite articles are learnt.
TEST(ComposeVerse, DeclinesWithTheGenderEachEntryHasOrIsTold)
{
    GeneratorState state = StateWith("ein A\r\ndie B\r\ndas C\r\nder D\r\ndie E\r\n"
                                     "das F\r\nder G\r\ndie H\r\nkein I\r\n");
    state.EntryGenders.at(0) = Gender::Neuter;
    const auto gendersBefore = state.EntryGenders;
    ScriptedRandomSource random = VerseScript({8, 7, 6, 5, 4, 3, 2, 1, 0}, 8,
                                              {Definite, Definite, Indefinite, Negative, Definite,
                                               NoArticle, Definite, Definite, Definite},
                                              3, 6);
    ComposeVerse(state, random, state.VerseText);
    EXPECT_EQ(state.VerseText, "Wenn der I mit der H über einen G springt\r\n"
                               "und kein F in der E  D verschlingt,\r\n"
                               "dann das C nach der B als das A schwingt.\r\n"
                               "\r\n");

    auto learnt = gendersBefore;
    learnt.at(1) = Gender::Feminine;
    learnt.at(2) = Gender::Neuter;
    learnt.at(4) = Gender::Feminine;
    learnt.at(5) = Gender::Neuter;
    learnt.at(7) = Gender::Feminine;
    EXPECT_EQ(state.EntryGenders, learnt);
}

TEST(ComposeVerse, RejectsAStoredGenderOutOfRangeAndChangesNothing)
{
    GeneratorState state = StateWith(FirstExampleList);
    state.EntryGenders.at(3) = static_cast<Gender>(3);
    state.WordList.at(3).Article = "ein";
    state.VerseText = "vorher";
    const auto gendersBefore = state.EntryGenders;
    ScriptedRandomSource random = VerseScript({0, 1, 2, 3, 4, 5, 6, 7, 8}, 9, AllDefinite(), 0, 0);
    EXPECT_THROW(ComposeVerse(state, random, state.VerseText), std::out_of_range);
    EXPECT_EQ(state.VerseText, "vorher");
    EXPECT_EQ(state.EntryGenders, gendersBefore);
}

TEST(ComposeVerse, AppendsToWhatIsThere)
{
    GeneratorState state = StateWith(FirstExampleList);
    state.VerseText = "vorher\r\n";
    ScriptedRandomSource random = VerseScript({9, 8, 7, 6, 5, 4, 3, 2, 1}, 9, AllDefinite(), 0, 0);
    ComposeVerse(state, random, state.VerseText);
    EXPECT_EQ(state.VerseText, "vorher\r\n"
                               "Wenn das Vergnügen mit der Güte über das Elend springt\r\n"
                               "und der Tod in der Liebe das Geld verschlingt,\r\n"
                               "dann die Disko aus dem Himmel als die Hölle erklingt.\r\n"
                               "\r\n");
}

TEST(ComposeVerse, GenderComesOnlyFromDefiniteArticles)
{
    // "ein" and an unknown word tell no gender; "DIE" is lowered and does.
    GeneratorState state = StateWith("ein Hund\r\nDIE Katze\r\nxyz Maus\r\nder D\r\ndie E\r\n"
                                     "das F\r\nder G\r\ndie H\r\ndas I\r\n");
    state.EntryGenders.at(2) = Gender::Neuter;
    ScriptedRandomSource random = VerseScript({0, 1, 2, 3, 4, 5, 6, 7, 8}, 8, AllDefinite(), 10, 1);
    ComposeVerse(state, random, state.VerseText);
    EXPECT_EQ(state.VerseText, "Wenn der Hund mit der Katze über das Maus springt\r\n"
                               "und der D in der E das F verschlingt,\r\n"
                               "dann der G in der H als das I versinkt.\r\n"
                               "\r\n");
    EXPECT_EQ(state.EntryGenders.at(0), Gender::Masculine);
    EXPECT_EQ(state.EntryGenders.at(1), Gender::Feminine);
    EXPECT_EQ(state.EntryGenders.at(2), Gender::Neuter);
}

// Articles a byte or a length away from a definite one tell nothing: the entry
// keeps whichever gender it had.
TEST(ComposeVerse, NearlyDefiniteArticlesTellNoGender)
{
    for (const std::string_view article : std::initializer_list<std::string_view>{
             "des", "dem", "den", "dis", "dae", "dar", "dus", "xer", "eie", "dasx", "da", "d",
             "daß", std::string_view("d\0r", 3)}) {
        for (const Gender known : {Gender::Masculine, Gender::Feminine, Gender::Neuter}) {
            GeneratorState state =
                StateWith(std::string(article) + " A\r\nder B\r\nder C\r\nder D\r\nder E\r\n"
                                                 "der F\r\nder G\r\nder H\r\nder I\r\n");
            state.EntryGenders.at(0) = known;
            ScriptedRandomSource random =
                VerseScript({0, 1, 2, 3, 4, 5, 6, 7, 8}, 8, AllDefinite(), 0, 0);
            ComposeVerse(state, random, state.VerseText);
            EXPECT_EQ(state.EntryGenders.at(0), known)
                << std::string(article.begin(), article.end());
        }
    }
}

TEST(ComposeVerse, WritesGendersOnlyForTheDrawnEntries)
{
    GeneratorState state = StateWith(FirstExampleList);
    ScriptedRandomSource random = VerseScript({0, 1, 2, 3, 4, 5, 6, 7, 8}, 9, AllDefinite(), 0, 0);
    ComposeVerse(state, random, state.VerseText);
    EXPECT_EQ(state.EntryGenders.at(8), Gender::Feminine);
    EXPECT_EQ(state.EntryGenders.at(9), Gender::Masculine) << "Das Vergnügen was not drawn";
}

TEST(ComposeVerse, LearntGendersOutliveANewList)
{
    GeneratorState state = StateWith(FirstExampleList);
    ScriptedRandomSource first = VerseScript({0, 1, 2, 3, 4, 5, 6, 7, 8}, 9, AllDefinite(), 0, 0);
    ComposeVerse(state, first, state.VerseText);

    // Entry 1 was "Die Hölle"; now it is indefinite and keeps the feminine gender.
    ParseWordList(state, "ein A\r\neine B\r\nein C\r\nein D\r\nein E\r\nein F\r\nein G\r\n"
                         "ein H\r\nein I\r\n");
    state.VerseText.clear();
    ScriptedRandomSource second = VerseScript({0, 1, 2, 3, 4, 5, 6, 7, 8}, 8, AllDefinite(), 0, 0);
    ComposeVerse(state, second, state.VerseText);
    EXPECT_EQ(state.VerseText, "Wenn der A mit der B über den C springt\r\n"
                               "und die D in dem E die F verschlingt,\r\n"
                               "dann der G aus dem H als die I erklingt.\r\n"
                               "\r\n");
}

struct VerseCase {
    const char* Name;
    std::string_view List;
    std::vector<int> Entries; // the nine drawn, then each replacement
    std::vector<float> Kinds;
    int Preposition;
    int Verb;
    std::string_view Verse;
};

void PrintTo(const VerseCase& c, std::ostream* os)
{
    *os << c.Name;
}

class ComposeVerseWrites : public testing::TestWithParam<VerseCase> {};

// Every draw is used once, in the order the verse reads, and the source is
// reseeded once per verse.
TEST_P(ComposeVerseWrites, TheVerseTheDrawsDescribe)
{
    const VerseCase& c = GetParam();
    GeneratorState state = StateWith(c.List);
    ScriptedRandomSource random =
        VerseScript(c.Entries, state.LastEntryIndex, c.Kinds, c.Preposition, c.Verb);
    ComposeVerse(state, random, state.VerseText);
    EXPECT_EQ(state.VerseText, c.Verse);
    EXPECT_EQ(random.Remaining(), 0U);
    EXPECT_EQ(random.Reseeds(), 1U);
}

constexpr std::string_view NineNouns = "der A\r\ndie B\r\ndas C\r\nder D\r\ndie E\r\n"
                                       "das F\r\nder G\r\ndie H\r\ndas I\r\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, ComposeVerseWrites,
    testing::Values(VerseCase{"AllDefinite",
                              FirstExampleList,
                              {0, 1, 2, 3, 4, 5, 6, 7, 8},
                              AllDefinite(),
                              8,
                              4,
                              "Wenn der Gott mit der Hölle über den Himmel springt\r\n"
                              "und die Disko in dem Geld die Liebe verschlingt,\r\n"
                              "dann der Tod hinter dem Elend als die Güte winkt.\r\n"
                              "\r\n"},
                    VerseCase{"EachSlotDeclinedForItsCaseAndKind",
                              NineNouns,
                              {0, 1, 2, 3, 4, 5, 6, 7, 8},
                              {Negative, Indefinite, Negative, Indefinite, Negative, Indefinite,
                               Negative, Negative, Indefinite},
                              14,
                              7,
                              "Wenn kein A mit einer B über kein C springt\r\n"
                              "und ein D in keiner E ein F verschlingt,\r\n"
                              "dann kein G zwischen keiner H als ein I umringt.\r\n"
                              "\r\n"},
                    VerseCase{"KindNoneLeavesTwoBlanks",
                              FirstExampleList,
                              {0, 1, 2, 3, 4, 5, 6, 7, 8},
                              std::vector<float>(9, NoArticle),
                              2,
                              5,
                              "Wenn  Gott mit  Hölle über  Himmel springt\r\n"
                              "und  Disko in  Geld  Liebe verschlingt,\r\n"
                              "dann  Tod mit  Elend als  Güte verschlingt.\r\n"
                              "\r\n"},
                    // Entries 0 0 1 2 3 4 5 6 7: the second 0 is replaced by 0 again (a
                    // replacement that changes nothing still asks for another pass), then by 9.
                    VerseCase{"DuplicatesReplacedUntilAllNineDiffer",
                              FirstExampleList,
                              {0, 0, 1, 2, 3, 4, 5, 6, 7, 0, 9},
                              AllDefinite(),
                              0,
                              0,
                              "Wenn der Gott mit dem Vergnügen über die Hölle springt\r\n"
                              "und der Himmel in der Disko das Geld verschlingt,\r\n"
                              "dann die Liebe aus dem Tod als das Elend erklingt.\r\n"
                              "\r\n"},
                    // Entries 0 1 0 ...: the third is replaced by 1, which the comparison
                    // with the second sees in the same pass and replaces by 9.
                    VerseCase{"LaterComparisonsSeeAReplacementWithinThePass",
                              FirstExampleList,
                              {0, 1, 0, 2, 3, 4, 5, 6, 7, 1, 9},
                              AllDefinite(),
                              0,
                              0,
                              "Wenn der Gott mit der Hölle über das Vergnügen springt\r\n"
                              "und der Himmel in der Disko das Geld verschlingt,\r\n"
                              "dann die Liebe aus dem Tod als das Elend erklingt.\r\n"
                              "\r\n"},
                    // Entries 0 .. 7 7: the last is replaced by 0, which slot 0 was compared
                    // with before; only the next pass finds that pair and replaces it by 9.
                    VerseCase{"AReplacementEqualToAnEarlierSlotWaitsForTheNextPass",
                              FirstExampleList,
                              {0, 1, 2, 3, 4, 5, 6, 7, 7, 0, 9},
                              AllDefinite(),
                              0,
                              0,
                              "Wenn der Gott mit der Hölle über den Himmel springt\r\n"
                              "und die Disko in dem Geld die Liebe verschlingt,\r\n"
                              "dann der Tod aus dem Elend als das Vergnügen erklingt.\r\n"
                              "\r\n"}),
    [](const testing::TestParamInfo<VerseCase>& row) { return row.param.Name; });

TEST(ComposeVerse, RefusesTooShortAList)
{
    GeneratorState state = StateWith("der A\r\nder B\r\nder C\r\nder D\r\nder E\r\n"
                                     "der F\r\nder G\r\nder H\r\n");
    ScriptedRandomSource random;
    EXPECT_THROW(ComposeVerse(state, random, state.VerseText), std::out_of_range);
    EXPECT_EQ(random.Reseeds(), 0U);
    state.LastEntryIndex = 26;
    EXPECT_THROW(ComposeVerse(state, random, state.VerseText), std::out_of_range);
}

struct FailingDrawCase {
    const char* Name;
    std::size_t Index;
    Draw Value;
};

// From the first draw to the last: the verse would learn the genders of nine
// entries ("die" and "das" among them), yet none may stick when a draw fails.
TEST(ComposeVerse, LeavesTextAndGendersAsTheyWereWhenADrawFails)
{
    const std::vector<Draw> verse = VerseDraws({0, 1, 2, 3, 4, 5, 6, 7, 8}, 9, AllDefinite(), 0, 0);
    const std::array<FailingDrawCase, 5> cases = {{
        {"first entry", 0, std::numeric_limits<Draw>::max()},
        {"last entry", 8, DrawOne},
        {"first kind", 9, 2 * DrawOne},
        {"preposition", 16, DrawOne + 1},
        {"verb ending", 19, DrawOne + DrawOne / 2},
    }};
    for (const FailingDrawCase& failing : cases) {
        GeneratorState state = StateWith(FirstExampleList);
        state.VerseText = "vorher\r\n";
        const auto gendersBefore = state.EntryGenders;
        std::vector<Draw> draws = verse;
        draws.at(failing.Index) = failing.Value;
        ScriptedRandomSource random;
        random.Append(draws);
        EXPECT_THROW(ComposeVerse(state, random, state.VerseText), std::out_of_range)
            << failing.Name;
        EXPECT_EQ(state.VerseText, "vorher\r\n") << failing.Name;
        EXPECT_EQ(state.EntryGenders, gendersBefore) << failing.Name;
    }

    GeneratorState state = StateWith(FirstExampleList);
    const auto gendersBefore = state.EntryGenders;
    ScriptedRandomSource dry;
    dry.Append(std::vector<Draw>(verse.begin(), verse.end() - 1));
    EXPECT_THROW(ComposeVerse(state, dry, state.VerseText), std::logic_error);
    EXPECT_EQ(state.VerseText, "");
    EXPECT_EQ(state.EntryGenders, gendersBefore);
}

} // namespace
} // namespace wumpel
