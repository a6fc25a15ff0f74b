// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/generator_state.h"

#include <string_view>

namespace wumpel {

// Splits a word list (one "article noun" per line, lines separated by CR LF) into
// the state's WordList and sets LastEntryIndex (-1 when the text holds no entry).
// Articles are lower-cased (A-Z and the Latin-1 capitals). A line without a
// blank is skipped. At most WordListCapacity entries are taken.
void ParseWordList(GeneratorState& state, std::string_view text);

} // namespace wumpel
