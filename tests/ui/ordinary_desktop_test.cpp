// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// The window away from the desktop it was drawn on: under a dark theme its
// light backgrounds showed near-white text; with only the type a minimal
// install brings, Qt set it in DejaVu and cut lines off; on a screen smaller
// than the window objects lay out of reach; and Qt's menus spoke English.

#include "engine/random_source.h"
#include "frontend/layout_table.h"
#include "ui/line_breaks.h"
#include "ui/qt_texts.h"
#include "ui/readable_text.h"
#include "ui/screen_fit.h"
#include "window_test_support.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>

using namespace wumpel;
using namespace wumpel::test;

namespace {

QPalette darkPalette()
{
    QPalette dark(QColor(0x353535), QColor(0x2A2A2A));
    for (const auto role : {QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, QColor(0xEEEEEE));
        dark.setColor(QPalette::Disabled, role, QColor(0x808080));
    }
    return dark;
}

// Shown on the screen, once the decision that waits for the frame is made.
std::unique_ptr<FittedWindow> fittedWindow(const QScreen* screen)
{
    auto shown = std::make_unique<FittedWindow>(
        std::make_unique<WumpelWindow>(std::make_unique<SeededRandomSource>(TestSeed)));
    shown->showOn(*screen);
    if (!QTest::qWaitForWindowExposed(shown.get())) {
        qFatal("the window was not shown");
    }
    QCoreApplication::processEvents();
    return shown;
}

} // namespace

class OrdinaryDesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setPalette(darkPalette());
        QVERIFY(useGermanQtTexts(*QCoreApplication::instance()));
        m_desktopFont = QGuiApplication::font();
        useLayoutFaceForQtTexts();
    }

    // 4.5:1 in every colour group, or black where even black falls short (it
    // reads at 3.98:1 on #C04000); the theme's own where the desktop's is.
    void textOnFixedBackgroundsReadsUnderADarkTheme()
    {
        const auto window = makeShownWindow();
        for (const ObjectLayout& layout : layout::Objects) {
            const QString name = qString(layout.name);
            const QWidget* widget = object(*window, name);
            const bool label = widget->inherits("QLabel") || widget->inherits("QPushButton");
            const auto text = label ? QPalette::ButtonText : QPalette::Text;
            for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                const QColor shown = widget->palette().color(group, text);
                if (!layout.background.has_value()) {
                    QCOMPARE(shown, darkPalette().color(group, text));
                    continue;
                }
                const QColor fill = QColor::fromRgb(*layout.background);
                QVERIFY2(contrastRatio(fill, shown) >=
                             std::min(4.5, contrastRatio(fill, Qt::black)),
                         qPrintable(QString("%1 in group %2").arg(name).arg(group)));
            }
        }
    }

    void textFitsInTheFacesThePackageBrings()
    {
        const auto window = makeShownWindow();
        // The instruction's box runs on beneath the example row.
        const int instructionShows = object(*window, "Command1")->y();
        for (const QString name : {"Eingabe", "Übernehmen", "Label2", "Label1", "Command1"}) {
            const QWidget* widget = object(*window, name);
            QVERIFY2(QFontInfo(widget->font()).family().startsWith("Liberation"), qPrintable(name));
            QRect box = widget->inherits("QPushButton") ? widget->rect().adjusted(2, 2, -2, -2)
                                                        : widget->contentsRect();
            box.setBottom(std::min(box.bottom(), instructionShows - 1));
            const QRect needed = QFontMetrics(widget->font())
                                     .boundingRect(QRect(box.topLeft(), QSize(box.width(), 999)),
                                                   Qt::AlignHCenter | Qt::TextWordWrap,
                                                   widget->property("text").toString());
            QVERIFY2(box.contains(needed), qPrintable(name));
        }
        const auto* information = objectAs<QTextEdit>(*window, "Text3")->document();
        for (QTextBlock line = information->begin(); line.isValid(); line = line.next()) {
            QCOMPARE(line.layout()->lineCount(), 1);
        }
    }

    void windowStaysFixedWhereTheScreenHoldsIt()
    {
        const auto shown = fittedWindow(QGuiApplication::screens().at(0));
        QVERIFY(!shown->isMaximized());
        QCOMPARE(shown->size(), QSize(808, 535));
        QCOMPARE(shown->minimumSize(), shown->maximumSize());
        QVERIFY(!shown->verticalScrollBar()->isVisible());
        QVERIFY(!shown->horizontalScrollBar()->isVisible());
    }

    // Small: the window alone does not fit. Tight: it does, by a pixel, but
    // not with its frame, which only the shown window knows.
    void everyObjectCanBeScrolledToOnASmallScreen_data()
    {
        QTest::addColumn<int>("screen");
        QTest::newRow("small") << 1;
        QTest::newRow("tight") << 2;
    }

    void everyObjectCanBeScrolledToOnASmallScreen()
    {
        QFETCH(int, screen);
        const QScreen* small = QGuiApplication::screens().at(screen);
        const auto shown = fittedWindow(small);
        QVERIFY(shown->isMaximized());
        QVERIFY(small->availableGeometry().contains(shown->frameGeometry()));
        auto& window = *qobject_cast<WumpelWindow*>(shown->widget());
        for (QWidget* object : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            shown->ensureWidgetVisible(object);
            const QPoint centre = object->mapTo(shown.get(), object->rect().center());
            QVERIFY2(shown->viewport()->geometry().contains(centre),
                     qPrintable(object->objectName()));
        }
    }

    void contextMenuReadsGerman()
    {
        const auto window = makeShownWindow();
        const std::unique_ptr<QMenu> menu(
            objectAs<QPlainTextEdit>(*window, "Text1")->createStandardContextMenu());
        QCOMPARE(menu->actions().at(0)->text(), QString("&Rückgängig\tStrg+Z"));
        QCOMPARE(menu->actions().last()->text(), QString("Alles auswählen\tStrg+A"));
    }

    void contextMenuIsSetInTheSansFace()
    {
        const auto window = makeShownWindow();
        const std::unique_ptr<QMenu> menu(
            objectAs<QPlainTextEdit>(*window, "Text2")->createStandardContextMenu());
        const QFontInfo face(menu->font());
        QCOMPARE(face.family(), QString("Liberation Sans"));
        QCOMPARE(menu->font().pointSizeF(), m_desktopFont.pointSizeF());
    }

private:
    QFont m_desktopFont;
};

int main(int argc, char* argv[])
{
    // Three screens, one too small for the window (1024 x 768 at 150 %), one a
    // pixel taller than the window and so too small for its frame, and only
    // DejaVu, which comes with fontconfig, and the package's Liberation faces,
    // without fontconfig's aliases: the window must find its faces by name.
    const QTemporaryDir scratch;
    QFile screens(scratch.filePath("screens.json"));
    QFile fonts(scratch.filePath("fonts.conf"));
    if (!screens.open(QIODevice::WriteOnly) || !fonts.open(QIODevice::WriteOnly)) {
        return 1;
    }
    screens.write(R"({"screens": [{"name": "large", "width": 1920, "height": 1080},
        {"name": "small", "x": 1920, "width": 682, "height": 512},
        {"name": "tight", "x": 2602, "width": 1024, "height": 536}]})");
    fonts.write(("<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>"
                 "<dir>/usr/share/fonts/truetype/liberation2</dir><cachedir>" +
                 scratch.filePath("cache") + "</cachedir></fontconfig>")
                    .toUtf8());
    screens.close();
    fonts.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "1");
    qputenv("FONTCONFIG_FILE", fonts.fileName().toLocal8Bit());
    QApplication application(argc, argv);
    OrdinaryDesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ordinary_desktop_test.moc"
