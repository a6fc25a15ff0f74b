// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace wumpel {

// A random draw in [0, 1), held as a count of 2^-24: the draw stands for
// Draw / 2^24. Those are the values a single-precision number takes at an even
// spacing over [0, 1), and with them every rule the composer applies to a draw
// is exact integer arithmetic: no conversion to floating point and back on the
// way from the generator to an index.
using Draw = std::uint32_t;

inline constexpr unsigned DrawBits = 24;

// One, which no draw reaches.
inline constexpr Draw DrawOne = Draw{1} << DrawBits;

// The number a draw stands for, exactly.
constexpr double DrawValue(Draw draw)
{
    return static_cast<double>(draw) * 0x1.0p-24;
}

} // namespace wumpel
