// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// Text on the window's fixed backgrounds. The layout gives several objects a
// light background of their own but leaves their text in the desktop's colour,
// which a dark theme makes near white: unreadable on light green or cyan.

#include <QColor>
#include <QPalette>

namespace wumpel {

// The contrast ratio of two colours, from 1 (the same luminance) to 21 (black
// on white), as WCAG 2 defines it.
double contrastRatio(QColor one, QColor other);

// The desktop's text colour where it reads on this background at WCAG AA's
// 4.5:1 or better, otherwise black.
QColor readableTextOn(QColor background, QColor desktopText);

// Sets the background role of every colour group (active, inactive, disabled)
// to background, and the text role to a colour readable on it.
void giveFixedBackground(QPalette& palette, QPalette::ColorRole backgroundRole,
                         QPalette::ColorRole textRole, QColor background);

} // namespace wumpel
