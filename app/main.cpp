// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/qt_texts.h"
#include "ui/screen_fit.h"
#include "ui/wumpel_window.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <memory>

namespace {

// Without a display Qt aborts, with a core dump and a hint about platform
// plugins. A platform named in QT_QPA_PLATFORM is left to Qt; otherwise the
// window needs an X11 or a Wayland display, each named in the environment.
bool displayNamed()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!displayNamed()) {
        std::fputs("wumpel: no display found (DISPLAY and WAYLAND_DISPLAY are unset)\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    // Lets the desktop match the window to its installed entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.wumpel.Wumpel"));
    wumpel::useGermanQtTexts(application);
    wumpel::useLayoutFaceForQtTexts();

    const auto window = wumpel::fitToScreen(std::make_unique<wumpel::WumpelWindow>(),
                                            *QGuiApplication::primaryScreen());
    window->show();
    return QApplication::exec();
}
