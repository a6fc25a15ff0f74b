// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The bounds-checked article read of word_tables.h as inline code for the
// composer's inner loop; word_tables.cpp implements Article() with it. Not part
// of the engine's interface.

#include "engine/generator_state.h"
#include "engine/grammar.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace wumpel::tables {

// Gender varies fastest and kind slowest, so one kind's nine cells lie together.
inline std::size_t ArticleCell(std::size_t gender, std::size_t grammaticalCase, std::size_t kind)
{
    if (gender >= GenderCount || grammaticalCase >= GrammaticalCaseCount ||
        kind >= ArticleKindCount) {
        throw std::out_of_range("article code out of range");
    }
    return gender + GenderCount * grammaticalCase + GenderCount * GrammaticalCaseCount * kind;
}

// A negative code becomes a large index, which ArticleCell rejects with the rest.
template <typename Code> std::size_t CodeIndex(Code code)
{
    return static_cast<std::uint16_t>(code);
}

inline const std::u16string& ArticleAt(const GeneratorState& state, Gender gender,
                                       GrammaticalCase grammaticalCase, ArticleKind kind)
{
    return state.ArticleTable.at(
        ArticleCell(CodeIndex(gender), CodeIndex(grammaticalCase), CodeIndex(kind)));
}

} // namespace wumpel::tables
