// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/wumpel_window.h"

#include <QRect>
#include <QScrollArea>
#include <QSize>

#include <memory>

class QScreen;

namespace wumpel {

// The window as the desktop shows it. Where the screen's work area holds the
// window and its frame, the window itself, fixed as laid out: the scroll area
// around it is exactly as large and shows nothing of its own. On a smaller
// screen (a scaled laptop panel: 1366 x 768 at 150 % leaves 910 x 512) the
// window would reach past the screen's edge, where no fixed-size window can be
// dragged back: the area then opens maximised, with scroll bars, so every
// object can still be reached.
//
// The frame is the desktop's, known only once the window is on screen, so the
// decision waits for it. Under Wayland, Qt draws the frame itself, and the
// compositor tells no client how much room its panels leave: only a maximised
// window learns that. There the area opens maximised and goes back to the
// window's own size when the maximised area turns out to hold it.
class FittedWindow final : public QScrollArea {
    Q_OBJECT

public:
    explicit FittedWindow(std::unique_ptr<WumpelWindow> window);

    void showOn(const QScreen& screen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fixToWindow();
    void showAsLaidOut();
    void scrollWithinWorkArea();
    void decideOnceShown();

    // As the screen reports it: under Wayland the whole screen.
    QRect m_workArea;
    QSize m_askedSize;
    bool m_learnsByMaximising = false;
};

} // namespace wumpel
