// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wumpel::testing_support {

// Every CR LF made a lone LF, as the tool writes line breaks.
inline std::string WithLf(std::string_view text)
{
    std::string withLf;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text.at(i) == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n')) {
            withLf += text.at(i);
        }
    }
    return withLf;
}

// Every LF that does not follow a CR made CR LF, as the window hands text over.
inline std::string WithCrLf(std::string_view text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.at(i) == '\n' && (i == 0 || text.at(i - 1) != '\r')) {
            result += '\r';
        }
        result += text.at(i);
    }
    return result;
}

} // namespace wumpel::testing_support
