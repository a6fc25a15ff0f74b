// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/flat_button_face.h"

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
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1;"
                                         " color: palette(button-text);"
                                         " border: 2px solid; border-color: %2 %3 %3 %2;"
                                         " outline: 1px dotted palette(button-text); }"
                                         "QPushButton:pressed { border-color: %3 %2 %2 %3;"
                                         " padding-left: 2px; padding-top: 2px; }")
                              .arg(face.name(), light, dark));
}

} // namespace wumpel
