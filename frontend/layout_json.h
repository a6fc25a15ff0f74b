// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace wumpel {

// The window's layout table (layout_table.h) as one JSON object, in CSS
// pixels: the browser page builds its window from it, and its tests measure
// the page against it. Every character outside ASCII is written as a \u
// escape, so the text is the same in any byte encoding.
//
//   {"width", "height", "background": "#RRGGBB",
//    "objects": [{"name", "left", "top", "width", "height",
//                 "families": [...], "generic": "serif" | "sans-serif",
//                 "pixelSize", "bold", "background": "#RRGGBB" | null}, ...],
//    "instruction", "information"}
//
// Objects come in tab order; texts keep their CR LF line breaks.
std::string layoutJson();

} // namespace wumpel
