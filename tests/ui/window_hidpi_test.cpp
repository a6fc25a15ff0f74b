// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "offscreen_test_main.h"
#include "window_test_support.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include <cstdlib>

using namespace wumpel;
using namespace wumpel::test;

namespace {

constexpr int Scale = 2;
const QColor Green(0x80FF80);

// source drawn over the green background.
QColor over(QRgb source)
{
    const int alpha = qAlpha(source);
    const auto blend = [alpha](int top, int bottom) {
        return (top * alpha + bottom * (255 - alpha) + 127) / 255;
    };
    return QColor(blend(qRed(source), Green.red()), blend(qGreen(source), Green.green()),
                  blend(qBlue(source), Green.blue()));
}

bool closeTo(QColor actual, QColor expected)
{
    constexpr int Tolerance = 2;
    return std::abs(actual.red() - expected.red()) <= Tolerance &&
           std::abs(actual.green() - expected.green()) <= Tolerance &&
           std::abs(actual.blue() - expected.blue()) <= Tolerance;
}

QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class WindowHiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void windowHasTwoDevicePixelsPerLogicalPixel()
    {
        const auto window = makeShownWindow();
        QCOMPARE(window->devicePixelRatioF(), qreal(Scale));
    }

    // The corner shows the 64 px rendering pixel for pixel, not the 32 px picture
    // blown up: the two differ, so matching one rules out the other.
    void dogIsDrawnFromTheLargerRendering()
    {
        const QImage rendering = argb(QImage(":/wumpel/dog/64x64/org.wumpel.Wumpel.png"));
        const QImage blownUp =
            argb(QImage(":/wumpel/wumpel.xpm").scaled(64, 64, Qt::IgnoreAspectRatio));
        QVERIFY(rendering != blownUp);

        const auto window = makeShownWindow();
        const QImage shown = window->grab().toImage();
        for (int y = 0; y < rendering.height(); ++y) {
            for (int x = 0; x < rendering.width(); ++x) {
                const QColor expected = over(rendering.pixel(x, y));
                const QColor actual = shown.pixelColor(x, y);
                QVERIFY2(closeTo(actual, expected),
                         qPrintable(QString("(%1, %2) shows %3, expected %4")
                                        .arg(x)
                                        .arg(y)
                                        .arg(actual.name())
                                        .arg(expected.name())));
            }
        }
    }

    // 32 logical pixels and no more: the background shows right of and below
    // the dog, up to where the next objects begin.
    void dogKeepsItsPlaceAndSize()
    {
        const auto window = makeShownWindow();
        const QImage shown = window->grab().toImage();
        for (int y = 0; y < 32 * Scale; ++y) {
            for (int x = 32 * Scale; x < 40 * Scale; ++x) {
                QCOMPARE(shown.pixelColor(x, y), Green);
            }
        }
        for (int y = 32 * Scale; y < 70 * Scale; ++y) {
            for (int x = 0; x < 8 * Scale; ++x) {
                QCOMPARE(shown.pixelColor(x, y), Green);
            }
        }
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN_AT_SCALE(WindowHiDpiTest, "2")
#include "window_hidpi_test.moc"
