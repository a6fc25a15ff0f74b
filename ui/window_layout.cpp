// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/window_layout.h"

#include <QFontDatabase>
#include <QString>

namespace wumpel {

QString sansSerifFamily()
{
    const QString named = QStringLiteral("MS Sans Serif");
    // Qt on fontconfig resolves only the first family it is given, and for a
    // missing "MS Sans Serif" fontconfig picks its default sans face, so much
    // wider that the information text no longer fits its box. Arial sets the
    // same widths and has a metric-compatible stand-in wherever it is missing.
    return QFontDatabase::hasFamily(named) ? named : QStringLiteral("Arial");
}

QFont fontFor(FontSpec font)
{
    const bool serif = font.face == Face::TimesNewRoman;
    QFont result(serif ? QStringLiteral("Times New Roman") : sansSerifFamily());
    result.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    result.setPixelSize(pixelSize(font));
    result.setWeight(font.weight == Weight::Bold ? QFont::Bold : QFont::Normal);
    return result;
}

} // namespace wumpel
