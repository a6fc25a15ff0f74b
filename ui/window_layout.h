// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The layout table (frontend/layout_table.h) in Qt's terms. Qt scales logical pixels on
// high-density screens, so the window grows evenly there instead of drifting
// apart.

#include "frontend/layout_table.h"

#include <QFont>
#include <QRect>

namespace wumpel {

constexpr QRect pixelRect(TwipsRect box)
{
    return {pixelsFromTwips(box.left), pixelsFromTwips(box.top), pixelsFromTwips(box.width),
            pixelsFromTwips(box.height)};
}

// Asks for the named face and then its stand-ins by name (fontFamilies), the
// first installed one winning. Qt on fontconfig looks a family up by its own
// name only: a missing "Times New Roman" fell to the default face, DejaVu,
// whatever fontconfig's aliases said, and DejaVu's wider type cut off the last
// line of the instruction and of the information text. The style hint picks a
// face of the same kind where none of the list is installed.
QFont fontFor(FontSpec font);

// font asking for the face's families as fontFor does, its size and the rest
// unchanged.
QFont withFamiliesOf(QFont font, Face face);

} // namespace wumpel
