// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// Where every object of the window sits and how its type is set, in the units
// the layout was drawn in: twips (1440 to the inch) for boxes and hundredths of
// a point for type. At 96 dots per inch a logical pixel is 15 twips and a point
// is 4/3 of a pixel; Qt scales logical pixels on high-density screens, so the
// window grows evenly there instead of drifting apart.

#include <QFont>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>

#include <optional>
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

struct ObjectLayout {
    std::u16string_view name;
    TwipsRect box;
    FontSpec font;
    // Empty: the desktop's own text-field background.
    std::optional<QRgb> background;
};

constexpr int pixelsFromTwips(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr QRect pixelRect(TwipsRect box)
{
    return {pixelsFromTwips(box.left), pixelsFromTwips(box.top), pixelsFromTwips(box.width),
            pixelsFromTwips(box.height)};
}

constexpr int pixelSize(FontSpec font)
{
    return font.hundredthsOfPoint / HundredthsOfPointPerPixel;
}

// Asks for the face by name with a style hint, so the nearest face of the same
// kind and size stands in wherever the named one is missing.
QFont fontFor(FontSpec font);

// "MS Sans Serif" where it is installed, otherwise the closest widely known face.
QString sansSerifFamily();

namespace layout {

// clang-format off

inline constexpr std::u16string_view WindowName = u"Wumpel";
inline constexpr TwipsRect ClientArea{0, 0, 12120, 8025};
inline constexpr QRgb Background = 0x80FF80;

inline constexpr FontSpec Serif12{Face::TimesNewRoman, 1200, Weight::Regular};
inline constexpr FontSpec Serif12Bold{Face::TimesNewRoman, 1200, Weight::Bold};
inline constexpr FontSpec Serif1425{Face::TimesNewRoman, 1425, Weight::Regular};
inline constexpr FontSpec Serif1125{Face::TimesNewRoman, 1125, Weight::Regular};
inline constexpr FontSpec Serif1125Bold{Face::TimesNewRoman, 1125, Weight::Bold};
inline constexpr FontSpec Sans12{Face::MsSansSerif, 1200, Weight::Regular};
inline constexpr FontSpec Sans975{Face::MsSansSerif, 975, Weight::Regular};

// In tab order.                        name           Left   Top    Width  Height   font            background
inline constexpr ObjectLayout Eingabe     {u"Eingabe",     {600,   0,     2655,  1335 }, Serif1125,      0x80FF80};
inline constexpr ObjectLayout Text1       {u"Text1",       {120,   1560,  3255,  5295 }, Serif12,        std::nullopt};
inline constexpr ObjectLayout Uebernehmen {u"Übernehmen",  {120,   6840,  3255,  495  }, Serif1425,      0xFF0000};
inline constexpr ObjectLayout Label2      {u"Label2",      {3360,  0,     4215,  375  }, Serif1425,      0x00FFFF};
inline constexpr ObjectLayout Text2       {u"Text2",       {3360,  360,   8655,  6975 }, Sans12,         std::nullopt};
inline constexpr ObjectLayout Text3       {u"Text3",       {0,     7440,  11895, 615  }, Sans975,        0x80FF80};
inline constexpr ObjectLayout Label1      {u"Label1",      {7560,  0,     4455,  375  }, Serif1425,      0x80FFFF};
inline constexpr ObjectLayout Label3      {u"Label3",      {1560,  1080,  615,   375  }, Serif12Bold,    0xC0C000};
inline constexpr ObjectLayout Command1    {u"Command1",    {120,   1080,  1455,  375  }, Serif1125Bold,  0xC0FFC0};
inline constexpr ObjectLayout Text4       {u"Text4",       {2160,  1080,  615,   375  }, Serif12Bold,    0xC04000};
inline constexpr ObjectLayout Text5       {u"Text5",       {2760,  1080,  615,   375  }, Serif12Bold,    0xFF0000};
// clang-format on

constexpr bool onPixelGrid(TwipsRect box)
{
    return box.left % TwipsPerPixel == 0 && box.top % TwipsPerPixel == 0 &&
           box.width % TwipsPerPixel == 0 && box.height % TwipsPerPixel == 0;
}

// A box off the pixel grid would be cut short by a pixel and break the
// one-pixel overlaps the neighbouring boxes are drawn with.
static_assert(onPixelGrid(ClientArea) && onPixelGrid(Eingabe.box) && onPixelGrid(Text1.box) &&
              onPixelGrid(Uebernehmen.box) && onPixelGrid(Label2.box) && onPixelGrid(Text2.box) &&
              onPixelGrid(Text3.box) && onPixelGrid(Label1.box) && onPixelGrid(Label3.box) &&
              onPixelGrid(Command1.box) && onPixelGrid(Text4.box) && onPixelGrid(Text5.box));

} // namespace layout
} // namespace wumpel
