// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/generator_state.h"
#include "engine/random_source.h"

#include <string>

namespace wumpel {

// Reseeds the source, draws nine different entries, learns their genders and
// appends one verse (three lines and an empty line) to text, allocating nothing
// once text has room. Throws std::out_of_range for a LastEntryIndex outside
// MinimumLastEntryIndex..WordListCapacity - 1, a draw or a stored gender out of
// range, and what std::string throws; then text and EntryGenders stay as they were.
void ComposeVerse(GeneratorState& state, RandomSource& random, std::string& text);

} // namespace wumpel
