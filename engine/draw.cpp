// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/draw.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace wumpel {
namespace {

// The rules work in double, as they are stated. r is exact there, and so is
// every product, as each multiplies r by a whole number below 2^6.
double Fraction(Draw r)
{
    return static_cast<double>(r) / DrawOne;
}

double Value(Draw r)
{
    if (r >= DrawOne) {
        throw std::out_of_range("random draw outside [0, 1)");
    }
    return Fraction(r);
}

// Every rule rounds down a value that is never negative, as conversion does.
template <typename Integer> Integer Floor(double nonNegative)
{
    return static_cast<Integer>(nonNegative);
}

int KindByLogarithm(double r)
{
    return Floor<int>(std::log(50.0 * r + 1.0));
}

// The logarithm rule rises with r, so each kind from 1 to 3 begins at one draw,
// found here by bisection: comparing with these gives the rule's kind without a
// logarithm per draw, and a test holds the two together for every draw.
std::array<double, ArticleKindCount - 1> DeriveKindThresholds() noexcept
{
    std::array<double, ArticleKindCount - 1> thresholds{};
    int kind = 1;
    for (double& threshold : thresholds) {
        Draw below = 0;          // KindByLogarithm(below) < kind
        Draw from = DrawOne - 1; // KindByLogarithm(from) >= kind
        while (from - below > 1) {
            const Draw middle = below + (from - below) / 2;
            (KindByLogarithm(Fraction(middle)) < kind ? below : from) = middle;
        }
        threshold = Fraction(from);
        ++kind;
    }
    return thresholds;
}

// Worked out once at start-up; nothing draws a kind before main() runs.
const std::array<double, ArticleKindCount - 1> KindThresholds = DeriveKindThresholds();

} // namespace

std::int16_t DrawEntryIndex(std::int16_t lastEntryIndex, Draw r)
{
    const auto last = static_cast<float>(lastEntryIndex);
    return Floor<std::int16_t>(static_cast<double>(last) * Value(r) + 0.5);
}

ArticleKind DrawArticleKind(Draw r)
{
    const double value = Value(r);
    int kind = 0;
    for (const double threshold : KindThresholds) {
        kind += value >= threshold ? 1 : 0;
    }
    return static_cast<ArticleKind>(kind);
}

std::size_t DrawTableIndex(std::size_t n, Draw r)
{
    return Floor<std::size_t>(static_cast<double>(n) * Value(r) + 0.6);
}

} // namespace wumpel
