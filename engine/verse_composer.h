// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/generator_state.h"
#include "engine/random_source.h"

#include <string>

namespace wumpel {

// Reseeds the source, draws nine different entries, learns their genders from
// their articles and appends one verse to text (state.VerseText, or any text a
// front end writes out from): three lines and an empty line. Once text has room,
// nothing is allocated. Throws std::out_of_range when LastEntryIndex is below
// MinimumLastEntryIndex (nine different entries cannot be drawn from fewer) or
// outside the list, or when a draw or a stored gender is out of range, and
// std::bad_alloc or std::length_error when text cannot grow; then text and
// EntryGenders are left as they were.
void ComposeVerse(GeneratorState& state, RandomSource& random, std::string& text);

} // namespace wumpel
