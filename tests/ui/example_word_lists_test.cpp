// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/generator_state.h"
#include "engine/word_list_parser.h"
#include "frontend/example_word_lists.h"
#include "offscreen_test_main.h"
#include "tests/support/golden_runs.h"
#include "tests/support/line_breaks.h"

#include <QTest>

#include <stdexcept>
#include <string>

using namespace wumpel;

Q_DECLARE_METATYPE(std::string)

class ExampleWordListsTest : public QObject {
    Q_OBJECT

private slots:
    // The lists the golden runs are recorded with, so that those pin the
    // window's example lists too.
    void listsAreExact_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<std::string>("lfText");
        QTest::addColumn<int>("lastEntryIndex");
        QTest::newRow("list 1") << 1 << std::string(testing_support::ExampleList1) << 9;
        QTest::newRow("list 2") << 2 << std::string(testing_support::ExampleList2) << 13;
        QTest::newRow("list 3") << 3 << std::string(testing_support::ExampleList3) << 13;
    }

    void listsAreExact()
    {
        QFETCH(int, number);
        QFETCH(std::string, lfText);
        QFETCH(int, lastEntryIndex);
        const std::string list = exampleWordList(number);
        QCOMPARE(list, testing_support::WithCrLf(lfText));
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
