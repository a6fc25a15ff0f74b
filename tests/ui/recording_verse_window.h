// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/verse_window.h"

#include <string>
#include <string_view>

namespace wumpel::test {

// A window without widgets: the word list is whatever the test sets, and the
// last output is kept. Running the engine against it tells what the real
// window must show for the same clicks and the same seed.
class RecordingVerseWindow final : public VerseWindow {
public:
    std::u16string wordList;
    std::u16string output;

    std::u16string ReadWordList() const override { return wordList; }
    void ReplaceOutput(std::u16string_view text) override { output = text; }
};

} // namespace wumpel::test
