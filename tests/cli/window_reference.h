// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wumpel::testing_support {

// What the window's output field shows after "Übernehmen" and count - 1 clicks
// on "Zeilen anhängen" with a SeededRandomSource(seed), taken from the engine's
// actions over the fake window, with every CR LF made LF. The word list is
// UTF-8 with any line breaks, as the tool reads it.
std::string WindowOutput(std::string_view wordList, std::uint64_t seed, int count);

} // namespace wumpel::testing_support
