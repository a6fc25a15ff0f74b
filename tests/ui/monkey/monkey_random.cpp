// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "monkey_random.h"

#include <numeric>
#include <stdexcept>

namespace wumpel::monkey {

std::size_t MonkeyRandom::pick(std::span<const int> weights)
{
    const int total = std::accumulate(weights.begin(), weights.end(), 0);
    if (total <= 0) {
        throw std::invalid_argument("no weight to draw from");
    }
    int rest = below(total);
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (rest < weights[i]) {
            return i;
        }
        rest -= weights[i];
    }
    throw std::logic_error("weights changed while drawing");
}

} // namespace wumpel::monkey
