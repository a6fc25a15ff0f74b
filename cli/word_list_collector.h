// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wumpel::cli {

// Turns word-list text arriving in pieces into the text the window's parser
// would see, keeping only what can change its result, so memory stays bounded
// however long the input runs:
// - every LF not preceded by CR is a line break, as is CR LF; a lone CR is text;
// - a line holding a blank may become an entry and is kept as it is, up to the
//   most entries the word list holds; nothing after the last of those matters;
// - a line without a blank can never be an entry, whatever its content, so each
//   run of such lines is kept as one empty line;
// - a byte order mark at the very start is the encoding's signature, not text.
class WordListCollector {
public:
    void Append(std::u16string_view text);

    // The collected text, every kept line ended by CR LF.
    std::u16string Finish() &&;

private:
    void AppendToLine(std::u16string_view part);
    void EndLine();
    bool IsFull() const;

    std::u16string m_text;
    std::size_t m_lineStart = 0;
    std::size_t m_entries = 0;
    bool m_lineHasBlank = false;
    bool m_lastLineKeptEmpty = false;
    bool m_atStart = true;
};

} // namespace wumpel::cli
