// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/generator_state.h"

#include <string>
#include <string_view>

namespace wumpel {

// Splits a word list (one "article noun" per line, lines separated by CR LF) into
// the state's WordList and sets LastEntryIndex (-1 when the text holds no entry).
// At most WordListCapacity lines are taken; the text itself is never changed.
void ParseWordList(GeneratorState& state, std::u16string_view text);

// Lower-cases A-Z and the Latin-1 capitals; everything else is left as it is.
std::u16string LowerCaseArticle(std::u16string_view article);

} // namespace wumpel
