// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QTest>

// QTEST_MAIN with the offscreen platform, so the widget tests need no display
// and render the same on every machine, at a fixed scale whatever the
// environment asks for.
#define WUMPEL_OFFSCREEN_TEST_MAIN_AT_SCALE(TestClass, scale)                                      \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        qputenv("QT_SCALE_FACTOR", scale);                                                         \
        QApplication application(argc, argv);                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#define WUMPEL_OFFSCREEN_TEST_MAIN(TestClass) WUMPEL_OFFSCREEN_TEST_MAIN_AT_SCALE(TestClass, "1")
