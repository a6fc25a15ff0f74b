// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/verse_window.h"

#include <string>
#include <string_view>

namespace wumpel {

// The browser page as the engine's window: Text1 and Text2 are elements of the
// page, reached through its script (page.js).
class PageWindow final : public VerseWindow {
public:
    std::string ReadWordList() const override;
    void ReplaceOutput(std::string_view text) override;

    // Example list number (1 to 3) into Text1, as the Qt window's example
    // buttons load it.
    static void LoadExample(int number);

private:
    // What Text2 was last given, so that a text that only grows is handed on
    // as its new part.
    std::string m_shown;
};

} // namespace wumpel
