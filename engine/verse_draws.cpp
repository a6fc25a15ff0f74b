// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_draws.h"

#include "engine/verse_draws_inline.h"

#include <array>
#include <cmath>

namespace wumpel {
namespace {

int KindByLogarithm(float r)
{
    return static_cast<int>(std::floor(std::log(50.0 * static_cast<double>(r) + 1.0)));
}

// The smallest float r for which the logarithm rule yields at least `kind`. The
// logarithm is monotonic, so comparing r with these gives exactly its result
// without evaluating it per draw.
float KindThreshold(int kind)
{
    auto r = static_cast<float>(std::expm1(static_cast<double>(kind)) / 50.0);
    while (KindByLogarithm(r) >= kind) {
        r = std::nextafter(r, 0.0F);
    }
    while (KindByLogarithm(r) < kind) {
        r = std::nextafter(r, 1.0F);
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

std::int16_t DrawEntryIndex(std::int16_t lastEntryIndex, float r)
{
    return draws::EntryIndex(draws::EntryScale(lastEntryIndex), draws::CheckedDraw(r));
}

ArticleKind DrawArticleKind(float r)
{
    return draws::Kind(draws::CheckedDraw(r), draws::KindThresholds());
}

ArticleKind DrawArticleKindByLogarithm(float r)
{
    return static_cast<ArticleKind>(KindByLogarithm(draws::CheckedDraw(r)));
}

std::size_t DrawPrepositionIndex(float r)
{
    return draws::PrepositionIndex(draws::CheckedDraw(r));
}

std::size_t DrawVerbEndingIndex(float r)
{
    return draws::VerbEndingIndex(draws::CheckedDraw(r));
}

} // namespace wumpel
