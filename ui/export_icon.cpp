// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// Build tool: writes the dog as the PNGs of the icon theme. Given a size, it
// renders the SVG drawing at that size; without one it converts the window's
// 32 x 32 XPM pixel for pixel, so the theme's 32 px icon is the window's own.

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>
#include <optional>

namespace {

std::optional<QImage> rendered(const QString& svgFile, int size)
{
    QSvgRenderer renderer(svgFile);
    if (!renderer.isValid()) {
        return std::nullopt;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

std::optional<QImage> converted(const QString& file)
{
    QImage image(file);
    if (image.isNull()) {
        return std::nullopt;
    }
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    const int size = argc == 4 ? QString::fromLocal8Bit(argv[3]).toInt() : 0;
    if ((argc != 3 && argc != 4) || (argc == 4 && size <= 0)) {
        std::fputs("usage: wumpel_export_icon INPUT.xpm OUTPUT.png\n"
                   "       wumpel_export_icon INPUT.svg OUTPUT.png SIZE\n",
                   stderr);
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const std::optional<QImage> image = size > 0 ? rendered(input, size) : converted(input);
    if (!image) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    if (!image->save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
