// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_composer.h"
#include "engine/verse_window.h"
#include "engine/word_list_parser.h"
#include "engine/word_tables.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string>

namespace wumpel {
namespace {

// A list of entryCount entries of all three genders.
std::u16string WordListOf(std::size_t entryCount)
{
    std::u16string text;
    const std::array<std::u16string, 3> articles = {u"der", u"die", u"das"};
    for (std::size_t i = 0; i < entryCount; ++i) {
        text += articles.at(i % articles.size()) + u" Wörterbuch" +
                std::u16string(1, static_cast<char16_t>(u'A' + i)) + u"\r\n";
    }
    return text;
}

// The longest list the parser takes.
std::u16string FullWordList()
{
    return WordListOf(WordListCapacity);
}

class ListWindow final : public VerseWindow {
public:
    std::u16string ReadWordList() const override { return m_list; }
    void ReplaceOutput(std::u16string_view text) override { benchmark::DoNotOptimize(text.data()); }

private:
    std::u16string m_list = FullWordList();
};

GeneratorState ListState(std::size_t entryCount)
{
    GeneratorState state;
    InitWordTables(state);
    ParseWordList(state, WordListOf(entryCount));
    return state;
}

GeneratorState FullListState()
{
    return ListState(WordListCapacity);
}

void ComposeVerseBench(benchmark::State& benchmarkState)
{
    GeneratorState state = FullListState();
    SeededRandomSource random(1);
    for (auto _ : benchmarkState) {
        ComposeVerse(state, random);
        benchmark::DoNotOptimize(state.VerseText.data());
        // As the command-line tool does after writing each verse.
        state.VerseText.clear();
    }
    benchmarkState.SetItemsProcessed(benchmarkState.iterations());
}
BENCHMARK(ComposeVerseBench)->Name("ComposeVerse");

// The draws of a verse without writing it: what the command-line tool pays in
// the engine for each verse it writes as UTF-8.
void DrawVerses(benchmark::State& benchmarkState, GeneratorState& state)
{
    SeededRandomSource random(1);
    for (auto _ : benchmarkState) {
        const VersePlan plan = DrawVerse(state, random);
        LearnGenders(state, plan);
        benchmark::DoNotOptimize(plan);
    }
    benchmarkState.SetItemsProcessed(benchmarkState.iterations());
}

void DrawVerseBench(benchmark::State& benchmarkState)
{
    GeneratorState state = FullListState();
    DrawVerses(benchmarkState, state);
}
BENCHMARK(DrawVerseBench)->Name("DrawVerse");

// Shorter lists draw the same entry more often, and each such entry is drawn
// again: with ten entries a verse takes some twelve more draws.
void DrawVerseFromListBench(benchmark::State& benchmarkState)
{
    GeneratorState state = ListState(static_cast<std::size_t>(benchmarkState.range(0)));
    DrawVerses(benchmarkState, state);
}
BENCHMARK(DrawVerseFromListBench)->Name("DrawVerse/Entries")->Arg(9)->Arg(10)->Arg(14)->Arg(20);

void ParseWordListBench(benchmark::State& benchmarkState)
{
    const std::u16string text = FullWordList();
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
    ListWindow window;
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
