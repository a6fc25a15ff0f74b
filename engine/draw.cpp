// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/draw.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace wumpel {
namespace {

Draw Checked(Draw r)
{
    if (r >= DrawOne) {
        throw std::out_of_range("random draw outside [0, 1)");
    }
    return r;
}

// r exactly. The rules work in double, as they are stated, and each multiplies
// r by a whole number below 2^6, so every product is exact too.
double Value(Draw r)
{
    return static_cast<double>(Checked(r)) / DrawOne;
}

// Every rule rounds down a value that is never negative, and for those the
// conversion to an integer is floor.
template <typename Integer> Integer Floor(double nonNegative)
{
    return static_cast<Integer>(nonNegative);
}

int KindByLogarithm(Draw r)
{
    return Floor<int>(std::log(50.0 * Value(r) + 1.0));
}

// The logarithm rule rises with r, so each kind from 1 to 3 begins at one draw:
// the first whose kind by the rule is that kind or more, found by bisection.
// Comparing with these gives the rule's kind without a logarithm per draw; a
// test holds the two together for every draw.
std::array<Draw, ArticleKindCount - 1> DeriveKindThresholds()
{
    std::array<Draw, ArticleKindCount - 1> thresholds{};
    for (std::size_t k = 0; k < thresholds.size(); ++k) {
        const int kind = static_cast<int>(k) + 1;
        Draw below = 0;          // KindByLogarithm(below) < kind
        Draw from = DrawOne - 1; // KindByLogarithm(from) >= kind
        while (from - below > 1) {
            const Draw middle = below + (from - below) / 2;
            (KindByLogarithm(middle) < kind ? below : from) = middle;
        }
        thresholds.at(k) = from;
    }
    return thresholds;
}

// Worked out once at start-up; nothing draws a kind before main() runs.
const std::array<Draw, ArticleKindCount - 1> KindThresholds = DeriveKindThresholds();

} // namespace

std::int16_t DrawEntryIndex(std::int16_t lastEntryIndex, Draw r)
{
    const auto last = static_cast<float>(lastEntryIndex);
    return Floor<std::int16_t>(static_cast<double>(last) * Value(r) + 0.5);
}

ArticleKind DrawArticleKind(Draw r)
{
    const Draw checked = Checked(r);
    std::int16_t kind = 0;
    for (const Draw threshold : KindThresholds) {
        kind = static_cast<std::int16_t>(kind + (checked >= threshold ? 1 : 0));
    }
    return static_cast<ArticleKind>(kind);
}

std::size_t DrawPrepositionIndex(Draw r)
{
    return Floor<std::size_t>(14.0 * Value(r) + 0.6);
}

std::size_t DrawVerbEndingIndex(Draw r)
{
    return Floor<std::size_t>(7.0 * Value(r) + 0.6);
}

} // namespace wumpel
