// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/qt_texts.h"

#include "ui/window_layout.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace wumpel {

bool useGermanQtTexts(QCoreApplication& application)
{
    // Owned by the application, which must hold it for as long as it translates.
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void useLayoutFaceForQtTexts()
{
    QGuiApplication::setFont(withFamiliesOf(QGuiApplication::font(), Face::MsSansSerif));
}

} // namespace wumpel
