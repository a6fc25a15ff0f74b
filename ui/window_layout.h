// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The layout table (layout_table.h) in Qt's terms. Qt scales logical pixels on
// high-density screens, so the window grows evenly there instead of drifting
// apart.

#include "ui/layout_table.h"

#include <QFont>
#include <QRect>
#include <QString>

namespace wumpel {

constexpr QRect pixelRect(TwipsRect box)
{
    return {pixelsFromTwips(box.left), pixelsFromTwips(box.top), pixelsFromTwips(box.width),
            pixelsFromTwips(box.height)};
}

// Asks for the face by name with a style hint, so the nearest face of the same
// kind and size stands in wherever the named one is missing.
QFont fontFor(FontSpec font);

// "MS Sans Serif" where it is installed, otherwise the closest widely known face.
QString sansSerifFamily();

} // namespace wumpel
