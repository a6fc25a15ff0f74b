// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/generator_state.h"
#include "engine/verse_composer.h"

#include <string>

namespace wumpel {

// Appends the drawn verse to text as the window shows it: UTF-16, lines ending
// in CR LF, three lines and an empty one. Reads the pieces from the state's
// tables and word list, bounds-checked (std::out_of_range). text is grown once,
// and is left as it was if that fails.
void AppendVerseText(std::u16string& text, const GeneratorState& state, const VersePlan& plan);

} // namespace wumpel
