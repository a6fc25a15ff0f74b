// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/flat_button_face.h"

#include "ui/readable_text.h"

#include <QPushButton>
#include <QString>

namespace wumpel {

void giveFlatFace(QPushButton* button, QColor face)
{
    // Light from the top left: a raised frame is light at the top and left edges
    // and dark at the others, a sunken one the other way round, and the caption
    // moves with the press.
    const QString light = QColor(Qt::white).name();
    const QString dark = face.darker().name();
    // Named outright: a style sheet's palette(button-text) is the desktop's
    // colour, whatever the button's own palette says.
    const QPalette& palette = button->palette();
    const QString caption =
        readableTextOn(face, palette.color(QPalette::Active, QPalette::ButtonText)).name();
    const QString disabledCaption =
        readableTextOn(face, palette.color(QPalette::Disabled, QPalette::ButtonText)).name();
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1;"
                                         " color: %4;"
                                         " border: 2px solid; border-color: %2 %3 %3 %2;"
                                         " outline: 1px dotted %4; }"
                                         "QPushButton:disabled { color: %5; }"
                                         "QPushButton:pressed { border-color: %3 %2 %2 %3;"
                                         " padding-left: 2px; padding-top: 2px; }")
                              .arg(face.name(), light, dark, caption, disabledCaption));
}

} // namespace wumpel
