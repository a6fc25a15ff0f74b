// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/screen_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace wumpel {

FittedWindow::FittedWindow(std::unique_ptr<WumpelWindow> window)
{
    setWindowTitle(window->windowTitle());
    setWindowIcon(window->windowIcon());
    setFrameShape(QFrame::NoFrame);
    // The focus walks the window's objects alone, as in the bare window.
    setFocusPolicy(Qt::NoFocus);
    setWidget(window.release());
}

void FittedWindow::showOn(const QScreen& screen)
{
    m_workArea = screen.availableGeometry();
    m_learnsByMaximising = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    const bool windowAloneFits =
        widget()->width() <= m_workArea.width() && widget()->height() <= m_workArea.height();
    if (m_learnsByMaximising || !windowAloneFits) {
        scrollWithinWorkArea();
    } else {
        fixToWindow();
    }
    // The frame is known once the window system has shown the window, which it
    // reports by exposing it.
    create();
    windowHandle()->installEventFilter(this);
    show();
}

bool FittedWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool shownOrResized = event->type() == QEvent::Expose || event->type() == QEvent::Resize;
    if (watched == windowHandle() && shownOrResized && windowHandle()->isExposed()) {
        decideOnceShown();
    }
    return QScrollArea::eventFilter(watched, event);
}

void FittedWindow::showAsLaidOut()
{
    // Shown anew rather than restored: the compositor would keep the
    // maximised size for a window that was never shown at a size of its own.
    hide();
    setWindowState(windowState() & ~Qt::WindowMaximized);
    fixToWindow();
    show();
}

void FittedWindow::decideOnceShown()
{
    const QSize shown = windowHandle()->size();
    if (m_learnsByMaximising) {
        // The compositor's maximised size comes apart from the exposure; until
        // it has come, the window has the size it asked for.
        if (shown == m_askedSize) {
            return;
        }
        windowHandle()->removeEventFilter(this);
        // Maximised, the window has all the room the compositor leaves it.
        if (shown.width() >= widget()->width() && shown.height() >= widget()->height()) {
            QMetaObject::invokeMethod(this, &FittedWindow::showAsLaidOut, Qt::QueuedConnection);
        }
        return;
    }
    windowHandle()->removeEventFilter(this);
    const QSize framed = windowHandle()->frameGeometry().size();
    if (framed.width() > m_workArea.width() || framed.height() > m_workArea.height()) {
        scrollWithinWorkArea();
    }
}

void FittedWindow::fixToWindow()
{
    setFixedSize(widget()->size());
}

void FittedWindow::scrollWithinWorkArea()
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    move(m_workArea.topLeft());
    // Maximised, the window manager fits the frame to the work area exactly;
    // restored, the size is near it and can be changed.
    m_askedSize = widget()->size().boundedTo(m_workArea.size());
    resize(m_askedSize);
    setWindowState(windowState() | Qt::WindowMaximized);
}

} // namespace wumpel
