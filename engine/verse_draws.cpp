// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_draws.h"

#include "engine/verse_draws_inline.h"

#include <cmath>

namespace wumpel {
namespace {

int KindByLogarithm(Draw r)
{
    return static_cast<int>(std::floor(std::log(50.0 * DrawValue(r) + 1.0)));
}

} // namespace

std::int16_t DrawEntryIndex(std::int16_t lastEntryIndex, Draw r)
{
    return draws::EntryIndex(draws::EntryScale(lastEntryIndex), draws::CheckedDraw(r));
}

ArticleKind DrawArticleKind(Draw r)
{
    return draws::Kind(draws::CheckedDraw(r));
}

ArticleKind DrawArticleKindByLogarithm(Draw r)
{
    return static_cast<ArticleKind>(KindByLogarithm(draws::CheckedDraw(r)));
}

std::size_t DrawPrepositionIndex(Draw r)
{
    return draws::PrepositionIndex(draws::CheckedDraw(r));
}

std::size_t DrawVerbEndingIndex(Draw r)
{
    return draws::VerbEndingIndex(draws::CheckedDraw(r));
}

} // namespace wumpel
