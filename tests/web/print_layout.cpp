// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// Prints the window's layout table as the page gets it, for the page's tests
// to measure the page against.

#include "frontend/layout_json.h"

#include <iostream>

int main()
{
    std::cout << wumpel::layoutJson() << '\n';
    return 0;
}
