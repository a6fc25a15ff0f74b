// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

namespace wumpel {

// Gives Qt's own texts in the window, such as the fields' context menus, in
// German whatever the locale, as the window is German throughout. Qt loads no
// translation of its own texts by itself. Returns false, leaving them English,
// where Qt's German translation (qt6-translations-l10n) is not installed.
bool useGermanQtTexts(QCoreApplication& application);

// Sets Qt's own texts in the layout's sans face, at the desktop's size. Qt
// takes fontconfig's default face for them, and with only the Liberation faces
// installed fontconfig answers with Liberation Mono: the context menus were
// set in a typewriter face.
void useLayoutFaceForQtTexts();

} // namespace wumpel
