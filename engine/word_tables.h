// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/generator_state.h"
#include "engine/grammar.h"

#include <cstddef>
#include <string>

namespace wumpel {

// Writes the constant article forms, prepositions and verb endings. Idempotent.
void InitWordTables(GeneratorState& state);

// Bounds-checked reads; a code or index outside its range throws std::out_of_range.
const std::u16string& Article(const GeneratorState& state, Gender gender,
                              GrammaticalCase grammaticalCase, ArticleKind kind);
// Inline, as the verse writer reads them for every verse.
inline const std::u16string& Preposition(const GeneratorState& state, std::size_t index)
{
    return state.Prepositions.at(index);
}
inline const std::u16string& VerbEnding(const GeneratorState& state, std::size_t index)
{
    return state.VerbEndings.at(index);
}

} // namespace wumpel
