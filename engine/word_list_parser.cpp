// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/word_list_parser.h"

#include <cstddef>
#include <cstdint>

namespace wumpel {
namespace {

constexpr std::u16string_view LineBreak = u"\r\n";

// A text that does not end in CR LF is read as if it did, so the last line is
// terminated like every other one without copying the text.
class TerminatedText {
public:
    explicit TerminatedText(std::u16string_view text)
        : m_text(text),
          m_length(text.ends_with(LineBreak) ? text.size() : text.size() + LineBreak.size())
    {
    }

    std::size_t Length() const { return m_length; }

    // The first blank at or after pos, or npos.
    std::size_t FindBlank(std::size_t pos) const { return m_text.find(u' ', pos); }

    // The first CR LF at or after pos; the implied final one when the text lacks it.
    std::size_t FindLineBreak(std::size_t pos) const
    {
        const std::size_t found = m_text.find(LineBreak, pos);
        return found == std::u16string_view::npos ? m_text.size() : found;
    }

    std::u16string_view Slice(std::size_t from, std::size_t to) const
    {
        return m_text.substr(from, to - from);
    }

private:
    std::u16string_view m_text;
    std::size_t m_length;
};

} // namespace

std::u16string LowerCaseArticle(std::u16string_view article)
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

void ParseWordList(GeneratorState& state, std::u16string_view text)
{
    const TerminatedText lines(text);
    std::size_t pos = 0;
    std::size_t slot = 0;
    std::size_t blank = lines.FindBlank(pos);
    while (slot < WordListCapacity) {
        // A blank found beyond this line is still the first one from here on:
        // searching again for every line would make a long run of lines without
        // a blank cost time quadratic in its length.
        if (blank < pos) {
            blank = lines.FindBlank(pos);
        }
        if (blank == std::u16string_view::npos) {
            break;
        }
        const std::size_t lineEnd = lines.FindLineBreak(pos);
        // A line without a blank (an empty line, a stray word) while a later line
        // has one is no entry: it is skipped rather than read across its line break.
        if (blank < lineEnd) {
            WordEntry& entry = state.WordList.at(slot);
            entry.Article = LowerCaseArticle(lines.Slice(pos, blank));
            entry.Noun = lines.Slice(blank + 1, lineEnd);
            ++slot;
        }
        pos = lineEnd + LineBreak.size();
        if (pos >= lines.Length()) {
            break;
        }
    }
    state.LastEntryIndex = static_cast<std::int16_t>(static_cast<int>(slot) - 1);
}

} // namespace wumpel
