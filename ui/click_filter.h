// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

namespace wumpel {

// Reports the ordinary click on one widget: the left button pressed on it and
// released over it. Qt delivers the second press of a double-click as a
// double-click event, which does not arm a click, so a double-click reports
// one click. Events pass on untouched, so a text field still places its caret.
class ClickFilter : public QObject {
    Q_OBJECT

public:
    // The filter is a child of target and lives as long as it.
    static ClickFilter* watch(QWidget* target);

    // For assistive technology, which presses without a mouse.
    void click();

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ClickFilter(QWidget* target);

    QWidget* m_target;
    bool m_pressed = false;
};

} // namespace wumpel
