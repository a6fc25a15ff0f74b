// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// Where every object of the window sits, how its type is set and what it says,
// in the units the layout was drawn in: twips (1440 to the inch) for boxes and
// hundredths of a point for type. At 96 dots per inch a logical pixel is 15
// twips and a point is 4/3 of a pixel.
//
// Standard C++ only, so that every front end draws the window from this one
// table: the Qt window (window_layout.h) and the browser page alike.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace wumpel {

inline constexpr int TwipsPerPixel = 15;
inline constexpr int HundredthsOfPointPerPixel = 75;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

enum class Face { TimesNewRoman, MsSansSerif };
enum class Weight { Regular, Bold };

struct FontSpec {
    Face face;
    int hundredthsOfPoint;
    Weight weight;
};

// 0xRRGGBB.
using Rgb = std::uint32_t;

struct ObjectLayout {
    std::string_view name;
    TwipsRect box;
    FontSpec font;
    // Empty: the desktop's own text-field background.
    std::optional<Rgb> background;
    // What the object shows when the window opens, line breaks as CR LF.
    std::string_view text;
};

constexpr int pixelsFromTwips(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr int pixelSize(FontSpec font)
{
    return font.hundredthsOfPoint / HundredthsOfPointPerPixel;
}

// The face the layout names first, then faces drawn to the same widths, best
// known first: the layout was measured in the named faces, and a wider face
// cuts off the last line of the instruction and of the information text.
// "MS Sans Serif" is rare outside its home platform; Arial sets the same
// widths and has stand-ins of its own.
inline constexpr std::array<std::string_view, 4> SerifFamilies{
    "Times New Roman", "Liberation Serif", "Tinos", "Nimbus Roman"};
inline constexpr std::array<std::string_view, 5> SansSerifFamilies{
    "MS Sans Serif", "Arial", "Liberation Sans", "Arimo", "Nimbus Sans"};

constexpr std::span<const std::string_view> fontFamilies(Face face)
{
    return face == Face::TimesNewRoman ? std::span<const std::string_view>(SerifFamilies)
                                       : std::span<const std::string_view>(SansSerifFamilies);
}

namespace layout {

// clang-format off

inline constexpr std::string_view WindowName = "Wumpel";
inline constexpr std::string_view WindowTitle = "Wumpel";
inline constexpr TwipsRect ClientArea{0, 0, 12120, 8025};
inline constexpr Rgb Background = 0x80FF80;

// The longer texts the window starts with.
inline constexpr std::string_view InstructionText =
    "Bitte geben Sie mindenstens 9 Wörter (singular) mit Artikel und sich anschließendem "
    "Enter ein.";
inline constexpr std::string_view InformationText =
    "Quarnik nach einem eigenen Rundfunkprogramm von etwa 1983. Es werden seltsame "
    "Dreizeiler per Zufall generiert. Es ist eine \r\n"
    "Erweiterung der zweizeiligen Variationen von Tarbosch (1850) \r\n"
    "etwa: Wenn der Wumpel mit der Wurst über den Spucknapf springt ... \r\n";
inline constexpr std::string_view OutputBeforeFirstVerse = " noch leer\r\n";

inline constexpr FontSpec Serif12{Face::TimesNewRoman, 1200, Weight::Regular};
inline constexpr FontSpec Serif12Bold{Face::TimesNewRoman, 1200, Weight::Bold};
inline constexpr FontSpec Serif1425{Face::TimesNewRoman, 1425, Weight::Regular};
inline constexpr FontSpec Serif1125{Face::TimesNewRoman, 1125, Weight::Regular};
inline constexpr FontSpec Serif1125Bold{Face::TimesNewRoman, 1125, Weight::Bold};
inline constexpr FontSpec Sans12{Face::MsSansSerif, 1200, Weight::Regular};
inline constexpr FontSpec Sans975{Face::MsSansSerif, 975, Weight::Regular};

// In tab order.                           name              Left    Top  Width  Height  font           background    text
inline constexpr ObjectLayout Eingabe     {"Eingabe",     {  600,     0,  2655,  1335}, Serif1125,     0x80FF80,     InstructionText};
inline constexpr ObjectLayout Text1       {"Text1",       {  120,  1560,  3255,  5295}, Serif12,       std::nullopt, ""};
inline constexpr ObjectLayout Uebernehmen {"Übernehmen",  {  120,  6840,  3255,   495}, Serif1425,     0xFF0000,     "Übernehmen"};
inline constexpr ObjectLayout Label2      {"Label2",      { 3360,     0,  4215,   375}, Serif1425,     0x00FFFF,     "Neuen Text generieren"};
inline constexpr ObjectLayout Text2       {"Text2",       { 3360,   360,  8655,  6975}, Sans12,        std::nullopt, OutputBeforeFirstVerse};
inline constexpr ObjectLayout Text3       {"Text3",       {    0,  7440, 11895,   615}, Sans975,       0x80FF80,     InformationText};
inline constexpr ObjectLayout Label1      {"Label1",      { 7560,     0,  4455,   375}, Serif1425,     0x80FFFF,     "Zeilen anhängen"};
inline constexpr ObjectLayout Label3      {"Label3",      { 1560,  1080,   615,   375}, Serif12Bold,   0xC0C000,     "1"};
inline constexpr ObjectLayout Command1    {"Command1",    {  120,  1080,  1455,   375}, Serif1125Bold, 0xC0FFC0,     "Beispiele:"};
inline constexpr ObjectLayout Text4       {"Text4",       { 2160,  1080,   615,   375}, Serif12Bold,   0xC04000,     "2"};
inline constexpr ObjectLayout Text5       {"Text5",       { 2760,  1080,   615,   375}, Serif12Bold,   0xFF0000,     "3"};

inline constexpr std::array<ObjectLayout, 11> Objects{
    Eingabe, Text1, Uebernehmen, Label2, Text2, Text3, Label1, Label3, Command1, Text4, Text5};
// clang-format on

constexpr bool onPixelGrid(TwipsRect box)
{
    return box.left % TwipsPerPixel == 0 && box.top % TwipsPerPixel == 0 &&
           box.width % TwipsPerPixel == 0 && box.height % TwipsPerPixel == 0;
}

constexpr bool allOnPixelGrid()
{
    for (const ObjectLayout& object : Objects) {
        if (!onPixelGrid(object.box)) {
            return false;
        }
    }
    return onPixelGrid(ClientArea);
}

// A box off the pixel grid would be cut short by a pixel and break the
// one-pixel overlaps the neighbouring boxes are drawn with.
static_assert(allOnPixelGrid());

} // namespace layout
} // namespace wumpel
