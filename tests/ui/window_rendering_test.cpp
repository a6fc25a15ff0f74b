// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "offscreen_test_main.h"
#include "window_test_support.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QTest>

#include <cstdlib>

using namespace wumpel;
using namespace wumpel::test;

namespace {

const QColor Green(0x80FF80);

// A fill counts as that colour within a tolerance per channel.
bool closeTo(QColor actual, QColor expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

QImage renderedWindow(WumpelWindow& window)
{
    QImage image = window.grab().toImage();
    // One logical pixel per image pixel keeps the sample points readable.
    return image.scaled(window.size());
}

QImage dogImage()
{
    return QImage(":/wumpel/wumpel.xpm").convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class WindowRenderingTest : public QObject {
    Q_OBJECT

private slots:
    void fillColourShowsInsideEachObject_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("tolerance");
        const QColor base = QApplication::palette().color(QPalette::Base);
        QTest::newRow("background left of Text1") << QPoint(3, 300) << Green << 0;
        QTest::newRow("background right of Text2") << QPoint(805, 300) << Green << 0;
        QTest::newRow("background right of Label1") << QPoint(805, 10) << Green << 0;
        QTest::newRow("background below the dog") << QPoint(5, 50) << Green << 0;
        QTest::newRow("Eingabe") << QPoint(41, 68) << Green << 0;
        QTest::newRow("Text1") << QPoint(100, 300) << base << 0;
        QTest::newRow("Übernehmen") << QPoint(14, 484) << QColor(0xFF0000) << 0;
        QTest::newRow("Label2") << QPoint(230, 20) << QColor(0x00FFFF) << 0;
        QTest::newRow("Text2") << QPoint(500, 300) << base << 0;
        QTest::newRow("Text3") << QPoint(4, 530) << Green << 0;
        QTest::newRow("Label1") << QPoint(510, 20) << QColor(0x80FFFF) << 0;
        QTest::newRow("Label3") << QPoint(108, 93) << QColor(0xC0C000) << 0;
        // The style draws the face as a gradient a little lighter than its colour,
        // still far from the grey of an ordinary button.
        QTest::newRow("Command1") << QPoint(50, 92) << QColor(0xC0FFC0) << 30;
        QTest::newRow("Text4") << QPoint(149, 92) << QColor(0xC04000) << 0;
        QTest::newRow("Text5") << QPoint(189, 92) << QColor(0xFF0000) << 0;
    }

    void fillColourShowsInsideEachObject()
    {
        QFETCH(QPoint, point);
        QFETCH(QColor, colour);
        QFETCH(int, tolerance);
        const auto window = makeShownWindow();
        const QColor actual = renderedWindow(*window).pixelColor(point);
        QVERIFY2(closeTo(actual, colour, tolerance),
                 qPrintable(QString("%1 at (%2, %3), expected %4")
                                .arg(actual.name())
                                .arg(point.x())
                                .arg(point.y())
                                .arg(colour.name())));
    }

    void dogIsA32By32WhiteDogWithARedCollar()
    {
        const QImage dog = dogImage();
        QCOMPARE(dog.size(), QSize(32, 32));
        QSet<QRgb> colours;
        int white = 0;
        int red = 0;
        int transparent = 0;
        for (int y = 0; y < dog.height(); ++y) {
            for (int x = 0; x < dog.width(); ++x) {
                const QRgb pixel = dog.pixel(x, y);
                colours.insert(pixel);
                white += pixel == qRgb(255, 255, 255) ? 1 : 0;
                red += pixel == qRgb(255, 0, 0) ? 1 : 0;
                transparent += qAlpha(pixel) == 0 ? 1 : 0;
            }
        }
        QVERIFY(colours.size() <= 16);
        QVERIFY(white > 150);
        QVERIFY(red >= 6);
        QVERIFY(transparent > 400);
        QCOMPARE(qAlpha(dog.pixel(0, 0)), 0);
    }

    // Every pixel of the top-left 32 x 32 shows the dog, its transparent parts the
    // window's green.
    void dogIsDrawnAtTheTopLeftCorner()
    {
        const auto window = makeShownWindow();
        const QImage rendered = renderedWindow(*window);
        const QImage dog = dogImage();
        int white = 0;
        int red = 0;
        for (int y = 0; y < dog.height(); ++y) {
            for (int x = 0; x < dog.width(); ++x) {
                const QRgb source = dog.pixel(x, y);
                const QColor expected = qAlpha(source) == 0 ? Green : QColor(source);
                const QColor shown = rendered.pixelColor(x, y);
                QVERIFY2(shown == expected, qPrintable(QString("(%1, %2) shows %3, expected %4")
                                                           .arg(x)
                                                           .arg(y)
                                                           .arg(shown.name())
                                                           .arg(expected.name())));
                white += shown == Qt::white ? 1 : 0;
                red += shown == Qt::red ? 1 : 0;
            }
        }
        QVERIFY(white > 0);
        QVERIFY(red > 0);
    }

    void windowIconIsTheDog()
    {
        const auto window = makeShownWindow();
        const QImage icon = window->windowIcon()
                                .pixmap(QSize(32, 32))
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon, dogImage());
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN(WindowRenderingTest)
#include "window_rendering_test.moc"
