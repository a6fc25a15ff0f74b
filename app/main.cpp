// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "app/display_probe.h"
#include "ui/qt_texts.h"
#include "ui/screen_fit.h"
#include "ui/wumpel_window.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    if (const auto unreachable = wumpel::unreachableDisplays(argc, argv)) {
        std::fprintf(stderr, "wumpel: no display found (%s)\n", unreachable->c_str());
        return 1;
    }
    QApplication application(argc, argv);
    // Lets the desktop match the window to its installed entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.wumpel.Wumpel"));
    wumpel::useGermanQtTexts(application);
    wumpel::useLayoutFaceForQtTexts();

    wumpel::FittedWindow window(std::make_unique<wumpel::WumpelWindow>());
    window.showOn(*QGuiApplication::primaryScreen());
    return QApplication::exec();
}
