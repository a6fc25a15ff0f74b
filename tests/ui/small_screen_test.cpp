// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// On a screen smaller than the window (1024 x 768 at 150 % leaves 682 x 512)
// "Zeilen anhängen", the information text and Text2's scroll bar lay off screen,
// out of the user's reach.

#include "engine/random_source.h"
#include "ui/screen_fit.h"
#include "window_test_support.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

using namespace wumpel;
using namespace wumpel::test;

class SmallScreenTest : public QObject {
    Q_OBJECT

private slots:
    void windowStaysFixedWhereTheScreenHoldsIt()
    {
        auto window =
            std::make_unique<WumpelWindow>(std::make_unique<SeededRandomSource>(TestSeed));
        const WumpelWindow* laidOut = window.get();
        const auto shown = fitToScreen(std::move(window), *QGuiApplication::screens().at(0));
        QCOMPARE(shown.get(), laidOut);
        QCOMPARE(shown->minimumSize(), shown->maximumSize());
    }

    void everyObjectCanBeScrolledToAndClicked()
    {
        const QScreen* small = QGuiApplication::screens().at(1);
        const auto shown = fitToScreen(
            std::make_unique<WumpelWindow>(std::make_unique<SeededRandomSource>(TestSeed)), *small);
        auto* area = qobject_cast<QScrollArea*>(shown.get());
        QVERIFY(area != nullptr);
        QCOMPARE(area->windowTitle(), QString("Wumpel"));
        area->show();
        QVERIFY(QTest::qWaitForWindowExposed(area));
        QVERIFY(small->availableGeometry().contains(area->geometry()));
        auto& window = *qobject_cast<WumpelWindow*>(area->widget());
        QCOMPARE(window.size(), QSize(808, 535));
        for (QWidget* object : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            area->ensureWidgetVisible(object);
            const QPoint centre = object->mapTo(area, object->rect().center());
            QVERIFY2(area->viewport()->geometry().contains(centre),
                     qPrintable(object->objectName()));
        }
        // The bottom right corner, where Text2's scroll bar and Übernehmen end.
        area->ensureWidgetVisible(objectAs<QWidget>(window, "Übernehmen"));
        const QWidget* button = object(window, "Übernehmen");
        QTest::mouseClick(area->windowHandle(), Qt::LeftButton, {},
                          button->mapTo(area, button->rect().center()));
        QCOMPARE(shownOutput(window).substr(0, 14), std::u16string(u"es sind zu wen"));
    }
};

int main(int argc, char* argv[])
{
    // A screen that holds the window, and one that does not.
    const QTemporaryDir scratch;
    QFile config(scratch.filePath("screens.json"));
    if (!config.open(QIODevice::WriteOnly) || config.write(R"({"screens": [
            {"name": "large", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96},
            {"name": "small", "x": 1920, "y": 0, "width": 682, "height": 512, "logicalDpi": 96}]})") <
                                                  0) {
        return 1;
    }
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "1");
    QApplication application(argc, argv);
    SmallScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "small_screen_test.moc"
