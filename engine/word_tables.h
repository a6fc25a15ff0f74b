// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/generator_state.h"

#include <string>

namespace wumpel {

// Writes the constant article forms, prepositions and verb endings. Idempotent.
void InitWordTables(GeneratorState& state);

// The article declined for gender, case and kind. A code outside its range
// throws std::out_of_range, even where the cell number it gives would exist.
const std::string& Article(const GeneratorState& state, Gender gender,
                           GrammaticalCase grammaticalCase, ArticleKind kind);

} // namespace wumpel
