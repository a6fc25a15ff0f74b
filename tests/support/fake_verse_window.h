// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/verse_window.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace wumpel::testing_support {

// Stands in for the window: a word list to hand out and the last output shown.
class FakeVerseWindow final : public VerseWindow {
public:
    std::string WordList;
    std::string Output = " noch leer\r\n";
    mutable std::size_t Reads = 0;
    std::size_t Replacements = 0;

    std::string ReadWordList() const override
    {
        ++Reads;
        return WordList;
    }
    void ReplaceOutput(std::string_view text) override
    {
        Output = text;
        ++Replacements;
    }
};

} // namespace wumpel::testing_support
