// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/window_layout.h"

#include "ui/line_breaks.h"

#include <QString>
#include <QStringList>

namespace wumpel {

QFont withFamiliesOf(QFont font, Face face)
{
    QStringList families;
    for (const std::string_view family : fontFamilies(face)) {
        families << qString(family);
    }
    font.setFamilies(families);
    font.setStyleHint(face == Face::TimesNewRoman ? QFont::Serif : QFont::SansSerif);
    return font;
}

QFont fontFor(FontSpec font)
{
    QFont result = withFamiliesOf(QFont(), font.face);
    result.setPixelSize(pixelSize(font));
    result.setWeight(font.weight == Weight::Bold ? QFont::Bold : QFont::Normal);
    return result;
}

} // namespace wumpel
