// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/draw.h"

#include <array>
#include <cmath>

namespace wumpel {
namespace {

int KindByLogarithm(double r)
{
    return RoundDown<int>(std::log(50.0 * r + 1.0));
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
            (KindByLogarithm(DrawFraction(middle)) < kind ? below : from) = middle;
        }
        threshold = DrawFraction(from);
        ++kind;
    }
    return thresholds;
}

// Worked out once at start-up; nothing draws a kind before main() runs.
const std::array<double, ArticleKindCount - 1> KindThresholds = DeriveKindThresholds();

} // namespace

ArticleKind DrawArticleKind(Draw r)
{
    const double value = DrawValue(r);
    int kind = 0;
    for (const double threshold : KindThresholds) {
        kind += value >= threshold ? 1 : 0;
    }
    return static_cast<ArticleKind>(kind);
}

} // namespace wumpel
