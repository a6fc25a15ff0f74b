// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/dog_image.h"

#include <QDirIterator>
#include <QString>

namespace wumpel {

QIcon dogIcon()
{
    QIcon icon(QStringLiteral(":/wumpel/wumpel.xpm"));
    // The build decides which sizes are rendered; whatever it put there is offered.
    QDirIterator renderings(QStringLiteral(":/wumpel/dog"), QDir::Files,
                            QDirIterator::Subdirectories);
    while (renderings.hasNext()) {
        icon.addFile(renderings.next());
    }
    return icon;
}

} // namespace wumpel
