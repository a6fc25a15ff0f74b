// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/wumpel_window.h"

#include <QWidget>

#include <memory>

class QScreen;

namespace wumpel {

// What to show of the window on this screen. Where the screen's work area holds
// the window and its title bar, the window itself, fixed as laid out. On a
// smaller one (a scaled laptop panel: 1366 x 768 at 150 % leaves 910 x 512) it
// would reach past the screen's edge, where no fixed-size window can be
// dragged back: the window then goes unchanged into a scroll area with scroll
// bars, which opens maximised and takes over its title and icon.
std::unique_ptr<QWidget> fitToScreen(std::unique_ptr<WumpelWindow> window, const QScreen& screen);

} // namespace wumpel
