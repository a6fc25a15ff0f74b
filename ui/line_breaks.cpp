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
    return displayed.toString().replace(lineBreak, QStringLiteral("\r\n")).toStdString();
}

} // namespace wumpel
