// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// What the page's script calls: the engine's own actions over one PageWindow
// and one GeneratorState, which live as long as the page.

#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "frontend/layout_json.h"
#include "frontend/layout_table.h"
#include "frontend/whole_number.h"
#include "web/page_window.h"

#include <cstdint>
#include <cstdio>
#include <emscripten/emscripten.h>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace wumpel {
namespace {

struct Page {
    GeneratorState state;
    std::unique_ptr<RandomSource> random = std::make_unique<ClockRandomSource>();
    PageWindow window;
};

Page& page()
{
    static Page thePage;
    return thePage;
}

// An exception does not cross into the page's script; one that got there
// would stop the module for good. The click is dropped with one line on the
// console, and Text1 and Text2 keep what they showed.
template <typename Action> void runAction(const char* name, Action action)
{
    try {
        action(page());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "wumpel: %s failed: %s\n", name, error.what());
    }
}

} // namespace
} // namespace wumpel

extern "C" {

// The layout table as JSON (frontend/layout_json.h), UTF-8, for the page to
// build its window from.
EMSCRIPTEN_KEEPALIVE const char* wumpelLayout()
{
    static const std::string json = wumpel::layoutJson();
    return json.c_str();
}

// Text2's start text, put there as every later text is, so that the first
// verse replaces it.
EMSCRIPTEN_KEEPALIVE void wumpelOpen()
{
    wumpel::page().window.ReplaceOutput(wumpel::layout::Text2.text);
}

// Makes every verse follow from seed, as wumpel-verse --seed does. Returns
// false, and leaves the source on the clock, for text that is no seed.
EMSCRIPTEN_KEEPALIVE bool wumpelUseSeed(const char* seed)
{
    const std::optional<std::uint64_t> value = wumpel::ParseUnsigned64(seed);
    if (!value.has_value()) {
        return false;
    }
    wumpel::page().random = std::make_unique<wumpel::SeededRandomSource>(*value);
    return true;
}

EMSCRIPTEN_KEEPALIVE void wumpelApplyWordList()
{
    wumpel::runAction("\"Übernehmen\"", [](wumpel::Page& page) {
        wumpel::ApplyWordList(page.state, page.window, *page.random);
    });
}

EMSCRIPTEN_KEEPALIVE void wumpelStartNewText()
{
    wumpel::runAction("\"Neuen Text generieren\"", [](wumpel::Page& page) {
        wumpel::StartNewText(page.state, page.window, *page.random);
    });
}

EMSCRIPTEN_KEEPALIVE void wumpelAppendVerse()
{
    wumpel::runAction("\"Zeilen anhängen\"", [](wumpel::Page& page) {
        wumpel::AppendVerse(page.state, page.window, *page.random);
    });
}

EMSCRIPTEN_KEEPALIVE void wumpelLoadExample(int number)
{
    wumpel::runAction("loading an example list", [number](wumpel::Page& /*page*/) {
        wumpel::PageWindow::LoadExample(number);
    });
}

} // extern "C"
