// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

class QPushButton;

namespace wumpel {

// Gives the button a flat face of exactly this colour, a two-pixel frame that is
// raised when up and sunken while held, and a dotted outline while it has the
// focus. Caption and outline take the button-text colour where it reads on the
// face, else black (readable_text.h). Styles such as Fusion paint the face as a
// gradient of their own; a style sheet is honoured by every style and
// leaves the button a button: it still takes the focus, shows a press and
// clicks.
void giveFlatFace(QPushButton* button, QColor face);

} // namespace wumpel
