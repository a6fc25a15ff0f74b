// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_composer.h"
#include "engine/verse_window.h"
#include "engine/word_list_parser.h"
#include "engine/word_tables.h"
#include "tests/support/fake_verse_window.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace wumpel {
namespace {

// A list of entryCount entries of all three genders.
std::string WordListOf(std::size_t entryCount)
{
    std::string text;
    const std::array<std::string, 3> articles = {"der", "die", "das"};
    for (std::size_t i = 0; i < entryCount; ++i) {
        text += articles.at(i % articles.size()) + " Wörterbuch" +
                std::string(1, static_cast<char>('A' + i)) + "\r\n";
    }
    return text;
}

// The longest list the parser takes.
std::string FullWordList()
{
    return WordListOf(WordListCapacity);
}

GeneratorState FullListState()
{
    GeneratorState state;
    InitWordTables(state);
    ParseWordList(state, FullWordList());
    return state;
}

// The window's first example list: with ten entries a verse draws the same
// entry more often, and each such entry is drawn again.
constexpr std::string_view ExampleList1 =
    "Der Gott\r\nDie Hölle\r\nDer Himmel\r\ndie Disko\r\nDas Geld\r\n"
    "Die Liebe\r\nDer Tod\r\nDas Elend\r\nDie Güte\r\nDas Vergnügen\r\n";

void ComposeVerses(benchmark::State& benchmarkState, GeneratorState& state)
{
    SeededRandomSource random(1);
    for (auto _ : benchmarkState) {
        ComposeVerse(state, random, state.VerseText);
        benchmark::DoNotOptimize(state.VerseText.data());
        // As the command-line tool does once its buffer is written out.
        state.VerseText.clear();
    }
    benchmarkState.SetItemsProcessed(benchmarkState.iterations());
}

void ComposeVerseBench(benchmark::State& benchmarkState)
{
    GeneratorState state = FullListState();
    ComposeVerses(benchmarkState, state);
}
BENCHMARK(ComposeVerseBench)->Name("ComposeVerse/26Entries");

void ComposeVerseExampleListBench(benchmark::State& benchmarkState)
{
    GeneratorState state;
    InitWordTables(state);
    ParseWordList(state, ExampleList1);
    ComposeVerses(benchmarkState, state);
}
BENCHMARK(ComposeVerseExampleListBench)->Name("ComposeVerse/ExampleList1");

void ParseWordListBench(benchmark::State& benchmarkState)
{
    const std::string text = FullWordList();
    GeneratorState state;
    for (auto _ : benchmarkState) {
        ParseWordList(state, text);
        benchmark::DoNotOptimize(state.LastEntryIndex);
    }
    benchmarkState.SetItemsProcessed(benchmarkState.iterations());
}
BENCHMARK(ParseWordListBench)->Name("ParseWordList/26Entries");

// Tables, parse and the first verse: one click on "Übernehmen".
void ApplyWordListBench(benchmark::State& benchmarkState)
{
    testing_support::FakeVerseWindow window;
    window.WordList = FullWordList();
    GeneratorState state;
    SeededRandomSource random(1);
    for (auto _ : benchmarkState) {
        ApplyWordList(state, window, random);
        benchmark::DoNotOptimize(state.VerseText.data());
    }
    benchmarkState.SetItemsProcessed(benchmarkState.iterations());
}
BENCHMARK(ApplyWordListBench)->Name("ApplyWordList/26Entries");

} // namespace
} // namespace wumpel

BENCHMARK_MAIN();
