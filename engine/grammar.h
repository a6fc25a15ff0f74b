// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace wumpel {

// The codes are stored as 16-bit integers, as the word tables index by them.
enum class Gender : std::int16_t { Masculine = 0, Feminine = 1, Neuter = 2 };
enum class GrammaticalCase : std::int16_t { Nominative = 0, Dative = 1, Accusative = 2 };
enum class ArticleKind : std::int16_t { None = 0, Negative = 1, Indefinite = 2, Definite = 3 };

inline constexpr std::size_t GenderCount = 3;
inline constexpr std::size_t GrammaticalCaseCount = 3;
inline constexpr std::size_t ArticleKindCount = 4;

} // namespace wumpel
