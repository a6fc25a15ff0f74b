// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/word_list_parser.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace wumpel {
namespace {

constexpr std::u16string_view LineBreak = u"\r\n";

std::u16string LowerCase(std::u16string_view article)
{
    std::u16string lowered(article);
    for (char16_t& c : lowered) {
        const bool asciiCapital = c >= u'A' && c <= u'Z';
        // U+00C0..U+00DE are the Latin-1 capitals, except the multiplication sign.
        const bool latin1Capital = c >= u'\u00C0' && c <= u'\u00DE' && c != u'\u00D7';
        if (asciiCapital || latin1Capital) {
            c = static_cast<char16_t>(c + (u'a' - u'A'));
        }
    }
    return lowered;
}

} // namespace

void ParseWordList(GeneratorState& state, std::u16string_view text)
{
    // A text that does not end in CR LF is read as if it did, without copying it.
    const std::size_t length =
        text.ends_with(LineBreak) ? text.size() : text.size() + LineBreak.size();
    std::size_t pos = 0;
    std::size_t slot = 0;
    std::size_t blank = text.find(u' ');
    while (slot < WordListCapacity && pos < length) {
        // A blank found beyond this line is still the first one from here on:
        // searching again for every line would make a long run of lines without
        // a blank cost time quadratic in its length.
        if (blank < pos) {
            blank = text.find(u' ', pos);
        }
        if (blank == std::u16string_view::npos) {
            break;
        }
        const std::size_t lineEnd = std::min(text.find(LineBreak, pos), text.size());
        // A line without a blank (an empty line, a stray word) while a later line
        // has one is no entry: it is skipped rather than read across its line break.
        if (blank < lineEnd) {
            WordEntry& entry = state.WordList.at(slot);
            entry.Article = LowerCase(text.substr(pos, blank - pos));
            entry.Noun = text.substr(blank + 1, lineEnd - blank - 1);
            ++slot;
        }
        pos = lineEnd + LineBreak.size();
    }
    state.LastEntryIndex = static_cast<std::int16_t>(static_cast<int>(slot) - 1);
}

} // namespace wumpel
