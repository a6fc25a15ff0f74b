// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_draws.h"

#include "engine/verse_draws_inline.h"

#include <array>
#include <cmath>

namespace wumpel {
namespace {

int KindByLogarithm(Draw r)
{
    return static_cast<int>(std::floor(std::log(50.0 * DrawValue(r) + 1.0)));
}

// The smallest draw for which the logarithm rule yields at least `kind`. The
// logarithm is monotonic, so comparing a draw with these gives exactly its
// result without evaluating it per draw.
Draw KindThreshold(int kind)
{
    auto r = static_cast<Draw>(std::expm1(static_cast<double>(kind)) / 50.0 * DrawOne);
    while (r > 0 && KindByLogarithm(r) >= kind) {
        --r;
    }
    while (KindByLogarithm(r) < kind) {
        ++r;
    }
    return r;
}

} // namespace

namespace draws {

const KindThresholdTable& KindThresholds()
{
    static const KindThresholdTable thresholds = {KindThreshold(1), KindThreshold(2),
                                                  KindThreshold(3)};
    return thresholds;
}

} // namespace draws

std::int16_t DrawEntryIndex(std::int16_t lastEntryIndex, Draw r)
{
    return draws::EntryIndex(draws::EntryScale(lastEntryIndex), draws::CheckedDraw(r));
}

ArticleKind DrawArticleKind(Draw r)
{
    return draws::Kind(draws::CheckedDraw(r), draws::KindThresholds());
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
