// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/generator_state.h"
#include "engine/word_list_parser.h"
#include "frontend/example_word_lists.h"
#include "offscreen_test_main.h"

#include <QTest>

#include <stdexcept>

using namespace wumpel;

class ExampleWordListsTest : public QObject {
    Q_OBJECT

private slots:
    void listsAreExact_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lastEntryIndex");
        QTest::newRow("list 1")
            << 1
            << "Der Gott\r\nDie Hölle\r\nDer Himmel\r\ndie Disko\r\nDas Geld\r\n"
               "Die Liebe\r\nDer Tod\r\nDas Elend\r\nDie Güte\r\n"
               "Das Vergnügen\r\n"
            << 9;
        QTest::newRow("list 2") << 2
                                << "Der Quendler\r\nDie Trunzel\r\nDer Knörzel\r\nder Bundestag\r\n"
                                   "Das Geld\r\nDer Wahnsinn\r\nDie Freiheit\r\nder Friede\r\n"
                                   "Die Lüge\r\nDer Schlaf\r\nDas Gesetz\r\nder Gestank\r\n"
                                   "Die Korruption\r\nDas Gebet\r\n"
                                << 13;
        QTest::newRow("list 3") << 3
                                << "Der Zaffi\r\nDer Trubbi\r\nDie Sellu\r\ndie Wurst\r\n"
                                   "Der Joghurt\r\nDer Gnoppi\r\nDie Liebe\r\nder Freund\r\n"
                                   "Der Teppich\r\nDer Hai\r\nDer Flamenko\r\nder Marksknochen\r\n"
                                   "Der Smoking\r\nDer Gelbschnabel\r\n"
                                << 13;
    }

    void listsAreExact()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QFETCH(int, lastEntryIndex);
        const std::string list = exampleWordList(number);
        QCOMPARE(QString::fromStdString(list), text);
        GeneratorState state;
        ParseWordList(state, list);
        QCOMPARE(int{state.LastEntryIndex}, lastEntryIndex);
    }

    void otherNumbersHaveNoList_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0;
        QTest::newRow("4") << 4;
        QTest::newRow("-1") << -1;
    }

    void otherNumbersHaveNoList()
    {
        QFETCH(int, number);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, exampleWordList(number));
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN(ExampleWordListsTest)
#include "example_word_lists_test.moc"
