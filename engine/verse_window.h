// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace wumpel {

// All the actions ever ask of a window: the word list it holds, and a new text
// for its output. Texts are UTF-8 with CR LF line breaks both ways.
class VerseWindow {
public:
    VerseWindow() = default;
    VerseWindow(const VerseWindow&) = delete;
    VerseWindow(VerseWindow&&) = delete;
    VerseWindow& operator=(const VerseWindow&) = delete;
    VerseWindow& operator=(VerseWindow&&) = delete;
    virtual ~VerseWindow() = default;

    virtual std::string ReadWordList() const = 0;
    virtual void ReplaceOutput(std::string_view text) = 0;
};

} // namespace wumpel
