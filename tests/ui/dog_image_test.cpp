// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "offscreen_test_main.h"
#include "ui/dog_image.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QTest>

#include <algorithm>

using namespace wumpel;

namespace {

// The part of the image that is not transparent.
QRect drawnArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

// A drawing cut off by its square leaves solid pixels on the border; the
// faint edge of a line that merely comes close does not.
bool borderIsClear(const QImage& image)
{
    constexpr int Solid = 128;
    const int last = image.width() - 1;
    for (int i = 0; i <= last; ++i) {
        for (const QPoint point : {QPoint(i, 0), QPoint(i, last), QPoint(0, i), QPoint(last, i)}) {
            if (qAlpha(image.pixel(point)) >= Solid) {
                return false;
            }
        }
    }
    return true;
}

template <typename Predicate> int countPixels(const QImage& image, Predicate wanted)
{
    int found = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            found += wanted(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return found;
}

// Small renderings blend most pixels with a neighbour, so the body counts as
// nearly white and the collar, a line under a pixel wide at 16 px, as clearly red.
bool nearlyWhite(QColor pixel)
{
    return pixel.alpha() >= 208 && std::min({pixel.red(), pixel.green(), pixel.blue()}) >= 208;
}

bool clearlyRed(QColor pixel)
{
    return pixel.alpha() >= 208 && pixel.red() >= 192 && pixel.red() - pixel.green() >= 128 &&
           pixel.red() - pixel.blue() >= 128;
}

QImage iconAt(int size)
{
    return dogIcon()
        .pixmap(QSize(size, size), 1.0)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class DogImageTest : public QObject {
    Q_OBJECT

private slots:
    void iconOffersEveryThemeSize()
    {
        QList<QSize> sizes = dogIcon().availableSizes();
        std::sort(sizes.begin(), sizes.end(),
                  [](QSize a, QSize b) { return a.width() < b.width(); });
        const QList<QSize> expected{{16, 16}, {22, 22}, {24, 24},   {32, 32},
                                    {48, 48}, {64, 64}, {128, 128}, {256, 256}};
        QCOMPARE(sizes, expected);
    }

    void iconAt32IsThePictureItself()
    {
        const QImage picture = QImage(":/wumpel/wumpel.xpm").convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(iconAt(32), picture);
    }

    // A rendering that lost part of the drawing (a wrong view box, a path the
    // renderer skipped) shows as a dog that does not fill its square, is cut
    // off at an edge, or lacks its white body or red collar.
    void eachSizeIsTheWholeDog_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 22, 24, 48, 64, 128, 256}) {
            QTest::addRow("%d px", size) << size;
        }
    }

    void eachSizeIsTheWholeDog()
    {
        QFETCH(int, size);
        const QImage image = iconAt(size);
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY2(borderIsClear(image), "the dog is cut off at the edge of its square");
        const QRect area = drawnArea(image);
        QVERIFY(area.width() >= size * 4 / 5);
        QVERIFY(area.height() >= size * 2 / 3);
        QVERIFY(countPixels(image, nearlyWhite) >= size * size / 10);
        QVERIFY(countPixels(image, clearlyRed) >= 1);
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN(DogImageTest)
#include "dog_image_test.moc"
