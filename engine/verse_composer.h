// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/generator_state.h"
#include "engine/random_source.h"

namespace wumpel {

// Reseeds the source, draws nine different entries, learns their genders from
// their articles and appends one verse to state.VerseText: three lines and an
// empty line. Throws std::out_of_range when LastEntryIndex is below
// MinimumLastEntryIndex (nine different entries cannot be drawn from fewer) or
// outside the list, or when a draw or a stored gender is out of range; then
// VerseText and EntryGenders are left as they were.
void ComposeVerse(GeneratorState& state, RandomSource& random);

} // namespace wumpel
