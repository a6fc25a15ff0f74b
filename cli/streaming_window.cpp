// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/streaming_window.h"

#include "engine/actions.h"

namespace wumpel::cli {

void StreamingWindow::ReplaceOutput(std::u16string_view text)
{
    m_showsTooFewWords = text == TooFewWordsMessage;
    if (!m_showsTooFewWords) {
        m_writer.Write(text);
    }
}

} // namespace wumpel::cli
