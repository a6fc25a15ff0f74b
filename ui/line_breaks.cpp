// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/line_breaks.h"

#include <cstddef>

namespace wumpel {

QString displayedText(std::u16string_view crLfText)
{
    QString result(static_cast<qsizetype>(crLfText.size()), Qt::Uninitialized);
    QChar* out = result.data();
    qsizetype length = 0;
    for (std::size_t i = 0; i < crLfText.size(); ++i) {
        if (crLfText[i] == u'\r' && i + 1 < crLfText.size() && crLfText[i + 1] == u'\n') {
            continue;
        }
        out[length++] = QChar(crLfText[i]);
    }
    result.truncate(length);
    return result;
}

std::u16string crLfText(QStringView displayed, QChar lineBreak)
{
    std::u16string result;
    result.reserve(static_cast<std::size_t>(displayed.size()) +
                   static_cast<std::size_t>(displayed.count(lineBreak)));
    for (const QChar character : displayed) {
        if (character == lineBreak) {
            result += u"\r\n";
        } else {
            result += character.unicode();
        }
    }
    return result;
}

} // namespace wumpel
