// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/word_list_parser.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace wumpel {
namespace {

constexpr std::string_view LineBreak = "\r\n";

// In UTF-8 the Latin-1 capitals U+00C0..U+00DE but U+00D7, the multiplication
// sign, are C3 80..C3 9E but C3 97; each small letter lies 0x20 above its
// capital in that second byte, as the ASCII ones do in their only byte.
constexpr unsigned char Latin1Lead = 0xC3, FirstCapital = 0x80, LastCapital = 0x9E;
constexpr unsigned char MultiplicationSign = 0x97;
constexpr char CapitalToSmall = 'a' - 'A';

std::string LowerCase(std::string_view article)
{
    std::string lowered(article);
    bool afterLead = false;
    for (char& c : lowered) {
        const auto byte = static_cast<unsigned char>(c);
        const bool capital =
            afterLead ? byte >= FirstCapital && byte <= LastCapital && byte != MultiplicationSign
                      : c >= 'A' && c <= 'Z';
        c = capital ? static_cast<char>(c + CapitalToSmall) : c;
        afterLead = byte == Latin1Lead;
    }
    return lowered;
}

} // namespace

void ParseWordList(GeneratorState& state, std::string_view text)
{
    // A text that does not end in CR LF is read as if it did, without copying it.
    const std::size_t length =
        text.ends_with(LineBreak) ? text.size() : text.size() + LineBreak.size();
    std::size_t pos = 0;
    std::size_t slot = 0;
    std::size_t blank = text.find(' ');
    while (slot < WordListCapacity && pos < length) {
        // A blank found beyond this line is still the first one from here on:
        // searching again for every line would make a long run of lines without
        // a blank cost time quadratic in its length.
        if (blank < pos) {
            blank = text.find(' ', pos);
        }
        if (blank == std::string_view::npos) {
            break;
        }
        const std::size_t lineEnd = std::min(text.find(LineBreak, pos), text.size());
        // A line without a blank (an empty line, a stray word) while a later line
        // has one is no entry: it is skipped rather than read across its line break.
        if (blank < lineEnd) {
            WordEntry& entry = state.WordList.at(slot);
            entry.Article = LowerCase(text.substr(pos, blank - pos));
            entry.Noun = text.substr(blank + 1, lineEnd - blank - 1);
            ++slot;
        }
        pos = lineEnd + LineBreak.size();
    }
    state.LastEntryIndex = static_cast<std::int16_t>(static_cast<int>(slot) - 1);
}

} // namespace wumpel
