// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/generator_state.h"
#include "engine/random_source.h"

namespace wumpel {

// Appends one three-line verse and an empty line to state.VerseText, drawing
// nine different entries and declining each article for its slot's case.
// Needs LastEntryIndex >= MinimumLastEntryIndex (throws std::out_of_range
// otherwise: with fewer entries nine different ones cannot be drawn). If a draw
// fails, VerseText and EntryGenders are left as they were.
void ComposeVerse(GeneratorState& state, RandomSource& random);

} // namespace wumpel
