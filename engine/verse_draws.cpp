// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_draws.h"

#include "engine/generator_state.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace wumpel {
namespace {

float CheckedDraw(float r)
{
    if (!(r >= 0.0F && r < 1.0F)) {
        throw std::out_of_range("random draw outside [0, 1)");
    }
    return r;
}

std::size_t OffsetFloor(double scale, float r, double offset)
{
    return static_cast<std::size_t>(
        std::floor(scale * static_cast<double>(CheckedDraw(r)) + offset));
}

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

const std::array<float, ArticleKindCount - 1>& KindThresholds()
{
    static const std::array<float, ArticleKindCount - 1> thresholds = {
        KindThreshold(1), KindThreshold(2), KindThreshold(3)};
    return thresholds;
}

} // namespace

std::int16_t DrawEntryIndex(std::int16_t lastEntryIndex, float r)
{
    if (lastEntryIndex < 0 || static_cast<std::size_t>(lastEntryIndex) >= WordListCapacity) {
        throw std::out_of_range("last entry index out of range");
    }
    const auto scale = static_cast<double>(static_cast<float>(lastEntryIndex));
    return static_cast<std::int16_t>(OffsetFloor(scale, r, 0.5));
}

ArticleKind DrawArticleKind(float r)
{
    CheckedDraw(r);
    int kind = 0;
    for (const float threshold : KindThresholds()) {
        kind += r >= threshold ? 1 : 0;
    }
    return static_cast<ArticleKind>(kind);
}

ArticleKind DrawArticleKindByLogarithm(float r)
{
    return static_cast<ArticleKind>(KindByLogarithm(CheckedDraw(r)));
}

std::size_t DrawPrepositionIndex(float r)
{
    return OffsetFloor(14.0, r, 0.6);
}

std::size_t DrawVerbEndingIndex(float r)
{
    return OffsetFloor(7.0, r, 0.6);
}

} // namespace wumpel
