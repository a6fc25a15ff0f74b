// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/window_layout.h"

#include "ui/line_breaks.h"

#include <QString>
#include <QStringList>

namespace wumpel {

QFont fontFor(FontSpec font)
{
    QStringList families;
    for (const std::string_view family : fontFamilies(font.face)) {
        families << qString(family);
    }
    QFont result;
    result.setFamilies(families);
    result.setStyleHint(font.face == Face::TimesNewRoman ? QFont::Serif : QFont::SansSerif);
    result.setPixelSize(pixelSize(font));
    result.setWeight(font.weight == Weight::Bold ? QFont::Bold : QFont::Normal);
    return result;
}

} // namespace wumpel
