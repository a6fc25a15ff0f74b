// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The engine separates lines by CR LF; Qt's text fields keep one block per line
// and hand out '\n' between blocks, and would read a CR as a line break of its
// own. These convert at the boundary, in one pass each, since the output grows
// with every verse.

#include <QString>

#include <string>
#include <string_view>

namespace wumpel {

// Every CR LF becomes '\n'; any other character is kept.
QString displayedText(std::u16string_view crLfText);

// Every lineBreak becomes CR LF: '\n' as toPlainText() puts it between blocks,
// or the paragraph separator U+2029 of QTextDocument::toRawText().
std::u16string crLfText(QStringView displayed, QChar lineBreak = u'\n');

} // namespace wumpel
