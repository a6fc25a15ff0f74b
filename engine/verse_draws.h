// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// How one random draw r in [0, 1) becomes each of the composer's choices. A draw
// of DrawOne or more is a broken random source and throws std::out_of_range.

#include "engine/draw.h"
#include "engine/grammar.h"

#include <cstddef>
#include <cstdint>

namespace wumpel {

// floor(L * r + 0.5) with L as float, computed in double: 0 and L come up half as
// often as the indices between them.
std::int16_t DrawEntryIndex(std::int16_t lastEntryIndex, Draw r);

// floor(ln(50 r + 1)): the kinds weigh 3.44, 9.34, 25.39 and 61.83 percent.
ArticleKind DrawArticleKind(Draw r);

// The same, by evaluating the logarithm itself; DrawArticleKind gives the
// identical result from thresholds found with it.
ArticleKind DrawArticleKindByLogarithm(Draw r);

// floor(14 r + 0.6) and floor(7 r + 0.6): the first index at 0.4 and the last at
// 0.6 of the others' weight.
std::size_t DrawPrepositionIndex(Draw r);
std::size_t DrawVerbEndingIndex(Draw r);

} // namespace wumpel
