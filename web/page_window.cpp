// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "web/page_window.h"

#include "frontend/example_word_lists.h"
#include "frontend/output_extension.h"

#include <cstddef>
#include <emscripten/emscripten.h>
#include <optional>

// The page's side of these lives in page.js; texts cross as UTF-16 with CR LF
// line breaks, counted in code units.
EM_JS(int, pageWordListLength, (), { return pageWordList().length; });
EM_JS(void, pageCopyWordList, (char16_t* target, int length),
      { stringToUTF16(pageWordList(), target, 2 * (length + 1)); });
EM_JS(bool, pageOutputEdited, (), { return pageOutputEditedSinceShown; });
EM_JS(void, pageReplaceOutput, (const char16_t* text, int length, bool appendOnly),
      { pageShowOutput(pageText(text, length), appendOnly); });
EM_JS(void, pageReplaceWordList, (const char16_t* text, int length),
      { pageShowWordList(pageText(text, length)); });

namespace wumpel {
namespace {

int codeUnits(std::u16string_view text)
{
    return static_cast<int>(text.size());
}

} // namespace

std::u16string PageWindow::ReadWordList() const
{
    std::u16string list(static_cast<std::size_t>(pageWordListLength()), u'\0');
    // The copy ends in a NUL, which lands on the string's own terminator.
    pageCopyWordList(list.data(), codeUnits(list));
    return list;
}

void PageWindow::ReplaceOutput(std::u16string_view text)
{
    // Once the user has typed into Text2 it no longer shows m_shown.
    const std::optional<std::size_t> newPart =
        pageOutputEdited() ? std::nullopt : extensionStart(m_shown, text);
    const std::u16string_view shownPart = newPart.has_value() ? text.substr(*newPart) : text;
    pageReplaceOutput(shownPart.data(), codeUnits(shownPart), newPart.has_value());
    m_shown = text;
}

void PageWindow::LoadExample(int number)
{
    const std::u16string list = exampleWordList(number);
    pageReplaceWordList(list.data(), codeUnits(list));
}

} // namespace wumpel
