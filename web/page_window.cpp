// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "web/page_window.h"

#include "frontend/example_word_lists.h"
#include "frontend/output_extension.h"

#include <cstddef>
#include <emscripten/emscripten.h>
#include <optional>

// The page's side of these lives in page.js; texts cross as UTF-8 with CR LF
// line breaks, counted in bytes, and the browser's own TextEncoder and
// TextDecoder convert them. The word list's length is counted in UTF-16 code
// units, as a script's strings are.
EM_JS(int, pageWordListLength, (), { return pageWordList().length; });
EM_JS(int, pageCopyWordList, (char* target, int capacity), {
    return new TextEncoder()
        .encodeInto(pageWordList(), HEAPU8.subarray(target, target + capacity))
        .written;
});
EM_JS(bool, pageOutputEdited, (), { return pageOutputEditedSinceShown; });
EM_JS(void, pageReplaceOutput, (const char* text, int length, bool appendOnly),
      { pageShowOutput(pageText(text, length), appendOnly); });
EM_JS(void, pageReplaceWordList, (const char* text, int length),
      { pageShowWordList(pageText(text, length)); });

namespace wumpel {
namespace {

// A code unit becomes three bytes at most: a surrogate pair four for its two
// units, and a surrogate without its partner U+FFFD, which is three.
constexpr std::size_t MaxBytesPerCodeUnit = 3;

int byteCount(std::string_view text)
{
    return static_cast<int>(text.size());
}

} // namespace

std::string PageWindow::ReadWordList() const
{
    std::string list(static_cast<std::size_t>(pageWordListLength()) * MaxBytesPerCodeUnit, '\0');
    list.resize(static_cast<std::size_t>(pageCopyWordList(list.data(), byteCount(list))));
    return list;
}

void PageWindow::ReplaceOutput(std::string_view text)
{
    // Once the user has typed into Text2 it no longer shows m_shown.
    const std::optional<std::size_t> newPart =
        pageOutputEdited() ? std::nullopt : extensionStart(m_shown, text);
    const std::string_view shownPart = newPart.has_value() ? text.substr(*newPart) : text;
    pageReplaceOutput(shownPart.data(), byteCount(shownPart), newPart.has_value());
    m_shown = text;
}

void PageWindow::LoadExample(int number)
{
    const std::string list = exampleWordList(number);
    pageReplaceWordList(list.data(), byteCount(list));
}

} // namespace wumpel
