// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The window's dog at every size the program carries: the 32 x 32, 16-colour
// picture, and the SVG drawing of the same dog rendered at build time for the
// icon theme's other sizes.

#include <QIcon>
#include <QSize>
#include <QWidget>

namespace wumpel {

// The picture's size in the window's corner, in logical pixels.
inline constexpr QSize DogSize(32, 32);

// At DogSize the icon is the 16-colour picture itself, so a screen at scale 1
// shows exactly that; a denser screen gets the rendering that fills its pixels.
QIcon dogIcon();

// The dog in the window's corner, DogSize large, drawn at the density of the
// screen it is on. A screen reader finds it as a picture, by its accessible
// name.
class DogPicture final : public QWidget {
    Q_OBJECT

public:
    DogPicture(QIcon dog, const QString& accessibleName, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon m_dog;
};

} // namespace wumpel
