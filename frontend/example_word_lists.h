// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace wumpel {

inline constexpr int ExampleWordListCount = 3;

// Example list number 1 to ExampleWordListCount as the word-list field takes
// it: every entry followed by CR LF. Any other number throws std::out_of_range.
std::string exampleWordList(int number);

} // namespace wumpel
