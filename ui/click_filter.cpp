// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/click_filter.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace wumpel {

ClickFilter* ClickFilter::watch(QWidget* target)
{
    return new ClickFilter(target);
}

ClickFilter::ClickFilter(QWidget* target) : QObject(target), m_target(target)
{
    target->installEventFilter(this);
}

void ClickFilter::click()
{
    emit clicked();
}

bool ClickFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_target) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_pressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const bool wasPressed = m_pressed;
            m_pressed = false;
            if (wasPressed && m_target->rect().contains(mouse->position().toPoint())) {
                emit clicked();
            }
        }
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace wumpel
