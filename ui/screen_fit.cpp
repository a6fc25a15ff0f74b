// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/screen_fit.h"

#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace wumpel {

std::unique_ptr<QWidget> fitToScreen(std::unique_ptr<WumpelWindow> window, const QScreen& screen)
{
    // The frame is the window manager's and unknown before the window is
    // shown; the style's title bar height stands in for it.
    const int titleBar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize workArea = screen.availableGeometry().size() - QSize(0, titleBar);
    if (window->width() <= workArea.width() && window->height() <= workArea.height()) {
        return window;
    }
    auto area = std::make_unique<QScrollArea>();
    area->move(screen.availableGeometry().topLeft());
    area->setWindowTitle(window->windowTitle());
    area->setWindowIcon(window->windowIcon());
    area->setFrameShape(QFrame::NoFrame);
    const QSize laidOut = window->size();
    area->setWidget(window.release());
    // Maximised, the window manager fits the frame to the work area exactly;
    // restored, the size is near it and can be changed.
    area->resize(laidOut.boundedTo(workArea));
    area->setWindowState(Qt::WindowMaximized);
    return area;
}

} // namespace wumpel
