// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace wumpel {

// The window's layout table (layout_table.h) as one JSON object in UTF-8, in
// CSS pixels: the browser page builds its window from it, and its tests
// measure the page against it.
//
//   {"width", "height", "background": "#RRGGBB",
//    "objects": [{"name", "left", "top", "width", "height",
//                 "families": [...], "generic": "serif" | "sans-serif",
//                 "pixelSize", "bold", "background": "#RRGGBB" | null,
//                 "text"}, ...]}
//
// Objects come in tab order; each text is what the object shows when the
// window opens, with its CR LF line breaks.
std::string layoutJson();

} // namespace wumpel
