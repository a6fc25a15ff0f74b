// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/readable_text.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>

namespace wumpel {
namespace {

// WCAG AA for body text.
constexpr double MinimumContrast = 4.5;

// The constants below are those of WCAG 2's relative luminance: sRGB's
// transfer curve, and the share each primary has in perceived brightness.

// A channel of sRGB, 0 to 1, back to linear light.
double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double relativeLuminance(QColor colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

double contrastRatio(QColor one, QColor other)
{
    const double a = relativeLuminance(one);
    const double b = relativeLuminance(other);
    // The 0.05 stands for the flare of ambient light on the screen.
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableTextOn(QColor background, QColor desktopText)
{
    return contrastRatio(background, desktopText) >= MinimumContrast ? desktopText
                                                                     : QColor(Qt::black);
}

void giveFixedBackground(QPalette& palette, QPalette::ColorRole backgroundRole,
                         QPalette::ColorRole textRole, QColor background)
{
    constexpr std::array groups{QPalette::Active, QPalette::Inactive, QPalette::Disabled};
    for (const QPalette::ColorGroup group : groups) {
        palette.setColor(group, backgroundRole, background);
        palette.setColor(group, textRole,
                         readableTextOn(background, palette.color(group, textRole)));
    }
}

} // namespace wumpel
