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
constexpr std::array<std::string_view, 10> List1{
    "Der Gott",  "Die Hölle", "Der Himmel", "die Disko", "Das Geld",
    "Die Liebe", "Der Tod",   "Das Elend",  "Die Güte",  "Das Vergnügen",
};

constexpr std::array<std::string_view, 14> List2{
    "Der Quendler", "Die Trunzel",  "Der Knörzel",    "der Bundestag", "Das Geld",
    "Der Wahnsinn", "Die Freiheit", "der Friede",     "Die Lüge",      "Der Schlaf",
    "Das Gesetz",   "der Gestank",  "Die Korruption", "Das Gebet",
};

constexpr std::array<std::string_view, 14> List3{
    "Der Zaffi",    "Der Trubbi",       "Die Sellu",   "die Wurst",        "Der Joghurt",
    "Der Gnoppi",   "Die Liebe",        "der Freund",  "Der Teppich",      "Der Hai",
    "Der Flamenko", "der Marksknochen", "Der Smoking", "Der Gelbschnabel",
};

std::span<const std::string_view> entries(int number)
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

std::string exampleWordList(int number)
{
    std::string text;
    for (const std::string_view entry : entries(number)) {
        text += entry;
        text += "\r\n";
    }
    return text;
}

} // namespace wumpel
