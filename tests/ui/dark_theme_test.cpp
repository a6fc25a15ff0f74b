// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// Under a dark desktop theme the text colour is near white; on the window's
// fixed light backgrounds it vanished (about 1.2:1). Text on a fixed background
// must read at 4.5:1 or better in every colour group, while the fields with
// the desktop's own background keep the theme's colours.

#include "offscreen_test_main.h"
#include "ui/readable_text.h"
#include "window_test_support.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace wumpel;
using namespace wumpel::test;

namespace {

QPalette darkPalette()
{
    QPalette dark(QColor(0x353535));
    dark.setColor(QPalette::WindowText, QColor(0xEEEEEE));
    dark.setColor(QPalette::Base, QColor(0x2A2A2A));
    dark.setColor(QPalette::Text, QColor(0xFFFFFF));
    dark.setColor(QPalette::ButtonText, QColor(0xEEEEEE));
    dark.setColor(QPalette::Inactive, QPalette::Text, QColor(0xDDDDDD));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x808080));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x808080));
    return dark;
}

// The rule's goal, 4.5:1, or black's contrast where not even black reaches
// it: black on #C04000 reads at 3.98:1, and is what the layout shows there
// under a light theme.
double readableContrastOn(QColor background)
{
    return std::min(4.5, contrastRatio(background, Qt::black));
}

// The strongest contrast between the object's background and any pixel inside
// its frame: the core of its glyphs, or the focus outline.
double strongestContrastInside(QWidget* widget, QColor background)
{
    const QImage shown = widget->grab().toImage().scaled(widget->size());
    double strongest = 1;
    for (int y = 2; y < shown.height() - 2; ++y) {
        for (int x = 2; x < shown.width() - 2; ++x) {
            strongest = std::max(strongest, contrastRatio(shown.pixelColor(x, y), background));
        }
    }
    return strongest;
}

} // namespace

class DarkThemeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setPalette(darkPalette()); }

    void textOnAFixedBackgroundStaysReadable_data()
    {
        QTest::addColumn<QPalette::ColorRole>("background");
        QTest::addColumn<QPalette::ColorRole>("text");
        QTest::newRow("Eingabe") << QPalette::Window << QPalette::ButtonText;
        QTest::newRow("Übernehmen") << QPalette::Window << QPalette::ButtonText;
        QTest::newRow("Label2") << QPalette::Window << QPalette::ButtonText;
        QTest::newRow("Text3") << QPalette::Base << QPalette::Text;
        QTest::newRow("Label1") << QPalette::Window << QPalette::ButtonText;
        QTest::newRow("Label3") << QPalette::Window << QPalette::ButtonText;
        QTest::newRow("Command1") << QPalette::Button << QPalette::ButtonText;
        QTest::newRow("Text4") << QPalette::Base << QPalette::Text;
        QTest::newRow("Text5") << QPalette::Base << QPalette::Text;
    }

    void textOnAFixedBackgroundStaysReadable()
    {
        QFETCH(QPalette::ColorRole, background);
        QFETCH(QPalette::ColorRole, text);
        const auto window = makeShownWindow();
        QWidget* widget = object(*window, QTest::currentDataTag());
        // The button shows its outline only while it has the focus.
        widget->setFocus();
        const QPalette& palette = widget->palette();
        const QColor fill = palette.color(background);
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QCOMPARE(palette.color(group, background), fill);
            QVERIFY2(contrastRatio(fill, palette.color(group, text)) >= readableContrastOn(fill),
                     qPrintable(QString("colour group %1").arg(group)));
        }
        QVERIFY(strongestContrastInside(widget, fill) >= readableContrastOn(fill));
    }

    void fieldsOnTheDesktopsBackgroundKeepTheTheme_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("Text1") << "Text1";
        QTest::newRow("Text2") << "Text2";
    }

    void fieldsOnTheDesktopsBackgroundKeepTheTheme()
    {
        QFETCH(QString, field);
        const auto window = makeShownWindow();
        const QPalette& palette = object(*window, field)->palette();
        QCOMPARE(palette.color(QPalette::Base), darkPalette().color(QPalette::Base));
        QCOMPARE(palette.color(QPalette::Text), darkPalette().color(QPalette::Text));
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN(DarkThemeTest)
#include "dark_theme_test.moc"
