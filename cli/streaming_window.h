// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/verse_writer.h"
#include "engine/verse_window.h"

#include <string>
#include <string_view>
#include <utility>

namespace wumpel::cli {

// A window whose output field is a stream. The engine always replaces the whole
// output, so whoever drives it must empty VerseText after every action: then
// each replacement holds only the verses not yet written, and the stream ends
// up with exactly the text a window would show, without ever holding it all.
// The too-few-words message is noted instead of written; it can never be taken
// for verses, which always end in an empty line.
class StreamingWindow final : public VerseWindow {
public:
    StreamingWindow(std::u16string wordList, VerseWriter& writer)
        : m_wordList(std::move(wordList)), m_writer(writer)
    {
    }

    std::u16string ReadWordList() const override { return m_wordList; }
    void ReplaceOutput(std::u16string_view text) override;

    bool ShowsTooFewWords() const { return m_showsTooFewWords; }

private:
    std::u16string m_wordList;
    VerseWriter& m_writer;
    bool m_showsTooFewWords = false;
};

} // namespace wumpel::cli
