// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/word_list_collector.h"

#include "engine/generator_state.h"

#include <utility>

namespace wumpel::cli {
namespace {

constexpr char16_t Cr = u'\r';
constexpr char16_t Lf = u'\n';
constexpr char16_t ByteOrderMark = u'\uFEFF';
constexpr std::u16string_view LineBreak = u"\r\n";

} // namespace

void WordListCollector::Append(std::u16string_view text)
{
    if (m_atStart && !text.empty()) {
        m_atStart = false;
        if (text.front() == ByteOrderMark) {
            text.remove_prefix(1);
        }
    }
    while (!text.empty() && !IsFull()) {
        const std::size_t lf = text.find(Lf);
        AppendToLine(text.substr(0, lf));
        if (lf == std::u16string_view::npos) {
            return;
        }
        // The CR of a CR LF may have arrived with the previous piece.
        if (m_text.size() > m_lineStart && m_text.back() == Cr) {
            m_text.pop_back();
        }
        EndLine();
        text.remove_prefix(lf + 1);
    }
}

std::u16string WordListCollector::Finish() &&
{
    if (!IsFull() && m_text.size() > m_lineStart) {
        EndLine();
    }
    return std::move(m_text);
}

void WordListCollector::AppendToLine(std::u16string_view part)
{
    m_text += part;
    m_lineHasBlank = m_lineHasBlank || part.find(u' ') != std::u16string_view::npos;
}

void WordListCollector::EndLine()
{
    if (m_lineHasBlank) {
        m_text += LineBreak;
        ++m_entries;
        m_lastLineKeptEmpty = false;
    } else {
        m_text.resize(m_lineStart);
        if (!m_lastLineKeptEmpty) {
            m_text += LineBreak;
            m_lastLineKeptEmpty = true;
        }
    }
    m_lineStart = m_text.size();
    m_lineHasBlank = false;
}

bool WordListCollector::IsFull() const
{
    return m_entries >= WordListCapacity;
}

} // namespace wumpel::cli
