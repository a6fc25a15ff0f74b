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

// In UTF-8 the Latin-1 capitals U+00C0..U+00DE are the lead byte C3 followed by
// 80..9E, and each small letter lies 0x20 above its capital in that second byte,
// as the ASCII ones do in their only byte.
constexpr unsigned char Latin1Lead = 0xC3;
constexpr unsigned char Latin1FirstCapital = 0x80;
constexpr unsigned char Latin1LastCapital = 0x9E;
// U+00D7, the multiplication sign, among the capitals but no letter.
constexpr unsigned char MultiplicationSign = 0x97;
constexpr char CapitalToSmall = 'a' - 'A';

bool IsLatin1Capital(unsigned char second)
{
    return second >= Latin1FirstCapital && second <= Latin1LastCapital &&
           second != MultiplicationSign;
}

std::string LowerCase(std::string_view article)
{
    std::string lowered(article);
    for (std::size_t i = 0; i < lowered.size(); ++i) {
        char& c = lowered[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + CapitalToSmall);
        } else if (static_cast<unsigned char>(c) == Latin1Lead && i + 1 < lowered.size() &&
                   IsLatin1Capital(static_cast<unsigned char>(lowered[i + 1]))) {
            ++i;
            lowered[i] = static_cast<char>(lowered[i] + CapitalToSmall);
        }
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
