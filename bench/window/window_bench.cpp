// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// One click on "Zeilen anhängen" as the user makes it: the window system's
// press and release, composing the verse, replacing the output and painting the
// window, with a given number of verses already shown.

#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_composer.h"
#include "engine/verse_window.h"
#include "frontend/example_word_lists.h"
#include "tests/support/fake_verse_window.h"
#include "ui/wumpel_window.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

using namespace wumpel;

namespace {

// List 1 taken over and `verses` verses composed.
GeneratorState stateWith(int verses)
{
    GeneratorState state;
    SeededRandomSource random(1);
    testing_support::FakeVerseWindow window;
    window.WordList = exampleWordList(1);
    ApplyWordList(state, window, random);
    for (int verse = 1; verse < verses; ++verse) {
        ComposeVerse(state, random, state.VerseText);
    }
    return state;
}

void clickAppend(WumpelWindow& window)
{
    QWidget* append = window.findChild<QWidget*>(QStringLiteral("Label1"));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      append->mapTo(&window, append->rect().center()));
    window.repaint();
}

void appendVerseClick(benchmark::State& state)
{
    const int shown = static_cast<int>(state.range(0));
    // One verse short: the first, unmeasured click brings the window to `shown`.
    const GeneratorState prepared = stateWith(shown - 1);
    for (auto _ : state) {
        std::optional<WumpelWindow> window;
        window.emplace(prepared, std::make_unique<SeededRandomSource>(2));
        window->show();
        if (!QTest::qWaitForWindowExposed(&*window)) {
            state.SkipWithError("the window was not exposed");
            break;
        }
        clickAppend(*window);

        const auto start = std::chrono::steady_clock::now();
        clickAppend(*window);
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
    state.SetLabel(std::to_string(shown) + " verses shown");
}

} // namespace

BENCHMARK(appendVerseClick)
    ->Arg(10)
    ->Arg(1'000)
    ->Arg(10'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
