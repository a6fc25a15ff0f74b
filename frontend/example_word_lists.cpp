// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "frontend/example_word_lists.h"

#include <array>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string_view>

namespace wumpel {
namespace {

// Entries keep their capitalisation, lower-case articles included: the parser
// lower-cases every article, so both spellings load alike.
constexpr std::array<std::u16string_view, 10> List1{
    u"Der Gott",  u"Die Hölle", u"Der Himmel", u"die Disko", u"Das Geld",
    u"Die Liebe", u"Der Tod",   u"Das Elend",  u"Die Güte",  u"Das Vergnügen",
};

constexpr std::array<std::u16string_view, 14> List2{
    u"Der Quendler", u"Die Trunzel",  u"Der Knörzel",    u"der Bundestag", u"Das Geld",
    u"Der Wahnsinn", u"Die Freiheit", u"der Friede",     u"Die Lüge",      u"Der Schlaf",
    u"Das Gesetz",   u"der Gestank",  u"Die Korruption", u"Das Gebet",
};

constexpr std::array<std::u16string_view, 14> List3{
    u"Der Zaffi",    u"Der Trubbi",       u"Die Sellu",   u"die Wurst",        u"Der Joghurt",
    u"Der Gnoppi",   u"Die Liebe",        u"der Freund",  u"Der Teppich",      u"Der Hai",
    u"Der Flamenko", u"der Marksknochen", u"Der Smoking", u"Der Gelbschnabel",
};

std::span<const std::u16string_view> entries(int number)
{
    switch (number) {
    case 1:
        return List1;
    case 2:
        return List2;
    case 3:
        return List3;
    default:
        throw std::out_of_range("no example word list with this number");
    }
}

} // namespace

std::u16string exampleWordList(int number)
{
    std::u16string text;
    for (const std::u16string_view entry : entries(number)) {
        text += entry;
        text += u"\r\n";
    }
    return text;
}

} // namespace wumpel
