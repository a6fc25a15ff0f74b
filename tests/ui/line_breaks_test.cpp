// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "offscreen_test_main.h"
#include "ui/line_breaks.h"

#include <QTest>

using namespace wumpel;

class LineBreaksTest : public QObject {
    Q_OBJECT

private slots:
    void crLfBecomesNewline_data()
    {
        QTest::addColumn<QString>("crLf");
        QTest::addColumn<QString>("displayed");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("no break") << "der Hund"
                                  << "der Hund";
        QTest::newRow("one break") << "der Hund\r\ndie Wurst"
                                   << "der Hund\ndie Wurst";
        QTest::newRow("trailing empty line") << " noch leer\r\n"
                                             << " noch leer\n";
        QTest::newRow("verse end") << "winkt.\r\n\r\n"
                                   << "winkt.\n\n";
        QTest::newRow("lone CR kept") << "a\rb"
                                      << "a\rb";
        QTest::newRow("lone LF kept") << "a\nb"
                                      << "a\nb";
        QTest::newRow("CR at the end kept") << "a\r"
                                            << "a\r";
        QTest::newRow("CR CR LF") << "a\r\r\nb"
                                  << "a\r\nb";
        QTest::newRow("umlauts") << "über\r\nWörter ß"
                                 << "über\nWörter ß";
    }

    void crLfBecomesNewline()
    {
        QFETCH(QString, crLf);
        QFETCH(QString, displayed);
        QCOMPARE(displayedText(crLf.toStdString()), displayed);
    }

    void newlineBecomesCrLf_data()
    {
        QTest::addColumn<QString>("displayed");
        QTest::addColumn<QString>("crLf");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("no break") << "der Hund"
                                  << "der Hund";
        QTest::newRow("two lines") << "der Hund\ndie Wurst"
                                   << "der Hund\r\ndie Wurst";
        QTest::newRow("empty lines") << "\n\n"
                                     << "\r\n\r\n";
        QTest::newRow("umlauts") << "Hölle\nGüte"
                                 << "Hölle\r\nGüte";
    }

    void newlineBecomesCrLf()
    {
        QFETCH(QString, displayed);
        QFETCH(QString, crLf);
        QCOMPARE(QString::fromStdString(crLfText(displayed)), crLf);
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN(LineBreaksTest)
#include "line_breaks_test.moc"
