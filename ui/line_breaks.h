// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The window's edge to the engine. The engine's text is UTF-8 with lines
// separated by CR LF; Qt's is UTF-16, and its text fields keep one block per
// line, hand out '\n' between blocks, and would read a CR as a line break of
// its own. These convert both at once, with Qt's own UTF-8 converters.

#include <QString>

#include <string>
#include <string_view>

namespace wumpel {

// UTF-8 text, such as a name or a label from the layout table, as Qt's.
QString qString(std::string_view utf8);

// Every CR LF becomes '\n'; any other character is kept.
QString displayedText(std::string_view crLfText);

// Every lineBreak becomes CR LF: '\n' as toPlainText() puts it between blocks,
// or the paragraph separator U+2029 of QTextDocument::toRawText(). A surrogate
// without its partner, which UTF-8 cannot hold, becomes U+FFFD.
std::string crLfText(QStringView displayed, QChar lineBreak = u'\n');

} // namespace wumpel
