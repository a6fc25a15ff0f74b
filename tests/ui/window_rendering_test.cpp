// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "offscreen_test_main.h"
#include "window_test_support.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstdlib>

using namespace wumpel;
using namespace wumpel::test;

namespace {

const QColor Green(0x80FF80);
const QColor Face(0xC0FFC0);
// The frame of the "Beispiele:" button.
constexpr int FrameWidth = 2;

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

// Whether each channel of colour lies between those of two others: a caption
// pixel, smoothed at its edges, is a blend of its colour and the face's.
bool blendOf(QColor colour, QColor one, QColor other)
{
    const auto between = [](int value, int a, int b) {
        return std::min(a, b) <= value && value <= std::max(a, b);
    };
    return between(colour.red(), one.red(), other.red()) &&
           between(colour.green(), one.green(), other.green()) &&
           between(colour.blue(), one.blue(), other.blue());
}

// Where button.png shows the button, an empty string if its face is flat: every
// pixel inside the frame has the face colour, except the caption's, which are
// the button-text colour or a blend of it with the face, and lie in one box no
// larger than the caption's text.
QString faceFault(const QImage& button, const QPushButton& widget)
{
    const QColor text = widget.palette().color(QPalette::ButtonText);
    const QRect inside = button.rect().adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);
    QRect caption;
    int inText = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = button.pixelColor(x, y);
            if (pixel == Face) {
                continue;
            }
            if (!blendOf(pixel, Face, text)) {
                return QString("(%1, %2) is %3").arg(x).arg(y).arg(pixel.name());
            }
            caption |= QRect(x, y, 1, 1);
            inText += closeTo(pixel, text, 64) ? 1 : 0;
        }
    }
    const QFontMetrics metrics(widget.font());
    if (caption.width() > metrics.horizontalAdvance(widget.text()) ||
        caption.height() > metrics.height()) {
        return QString("the caption covers %1 x %2").arg(caption.width()).arg(caption.height());
    }
    if (inText < 40) {
        return QString("only %1 caption pixels in the text colour").arg(inText);
    }
    return QString();
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
        QTest::newRow("Command1") << QPoint(12, 92) << Face << 0;
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

    void examplesButtonHasAFlatFaceAndAFrame()
    {
        const auto window = makeShownWindow();
        const auto* button = objectAs<QPushButton>(*window, "Command1");
        const QImage shown = renderedWindow(*window).copy(button->geometry());
        const QString fault = faceFault(shown, *button);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        // The frame sets the face off from the window's green around it.
        const QRect inside =
            shown.rect().adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor pixel = shown.pixelColor(x, y);
                QVERIFY2(
                    inside.contains(x, y) || (pixel != Face && pixel != Green),
                    qPrintable(
                        QString("frame pixel (%1, %2) is %3").arg(x).arg(y).arg(pixel.name())));
            }
        }
    }

    // Raised when up, sunken while held. A press gives the button the focus, so
    // it has it from the start here and both pictures show the same focus.
    void examplesButtonShowsPressedWhileHeld()
    {
        const auto window = makeShownWindow();
        auto* button = objectAs<QPushButton>(*window, "Command1");
        button->setFocus();
        const QPoint centre = button->geometry().center();
        const QImage up = renderedWindow(*window).copy(button->geometry());
        const QPoint topLeft(0, 0);
        const QPoint bottomRight(up.width() - 1, up.height() - 1);
        QVERIFY(up.pixelColor(topLeft).lightness() > up.pixelColor(bottomRight).lightness());

        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, centre);
        QVERIFY(button->isDown());
        const QImage held = renderedWindow(*window).copy(button->geometry());
        QVERIFY(held.pixelColor(topLeft).lightness() < held.pixelColor(bottomRight).lightness());
        QCOMPARE(held.pixelColor(FrameWidth + 1, up.height() / 2), Face);

        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, centre);
        QVERIFY(!button->isDown());
        QCOMPARE(renderedWindow(*window).copy(button->geometry()), up);
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
