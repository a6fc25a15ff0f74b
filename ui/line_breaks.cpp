// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/line_breaks.h"

namespace wumpel {

QString qString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString displayedText(std::string_view crLfText)
{
    return qString(crLfText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string crLfText(QStringView displayed, QChar lineBreak)
{
    QString text = displayed.toString().replace(lineBreak, QStringLiteral("\r\n"));
    // Qt's encoder would write such a surrogate as '?'.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (pair) {
            ++i;
        } else if (text.at(i).isSurrogate()) {
            text[i] = QChar::ReplacementCharacter;
        }
    }
    return text.toStdString();
}

} // namespace wumpel
