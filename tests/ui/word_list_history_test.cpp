// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// Once a load became an edit that Ctrl+Z takes back, nothing cleared Text1's
// undo history any more, and it kept every text ever pasted into the field:
// the window monkey's large pastes took the window past 400 MB within 50,000
// events. A load now keeps itself undoable and lets the older history go.

#include "frontend/example_word_lists.h"
#include "offscreen_test_main.h"
#include "window_test_support.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

using namespace wumpel;
using namespace wumpel::test;

namespace {

void pasteOverAll(WumpelWindow& window, const QString& text, const QString& field = "Text1")
{
    QGuiApplication::clipboard()->setText(text);
    click(window, field);
    QTest::keyClick(window.windowHandle(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window.windowHandle(), Qt::Key_V, Qt::ControlModifier);
}

void undo(WumpelWindow& window)
{
    click(window, "Text1");
    QTest::keyClick(window.windowHandle(), Qt::Key_Z, Qt::ControlModifier);
}

} // namespace

class WordListHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void loadTakesBackOnlyTheTextItReplaced()
    {
        const auto window = makeShownWindow();
        pasteOverAll(*window, QStringLiteral("der Hund\n"));
        pasteOverAll(*window, QStringLiteral("die Katze\n"));
        click(*window, "Text4");
        QCOMPARE(window->ReadWordList(), exampleWordList(2));

        undo(*window);
        QCOMPARE(window->ReadWordList(), std::string("die Katze\r\n"));
        undo(*window);
        QCOMPARE(window->ReadWordList(), std::string("die Katze\r\n"));
    }

    // The history's size, counted in Qt's own steps, must not grow with the
    // number of pastes and loads that came before.
    void historyDoesNotGrowWithEarlierPastes()
    {
        const auto window = makeShownWindow();
        const auto* wordList = objectAs<QPlainTextEdit>(*window, "Text1");
        const QString line = QStringLiteral("der ") + QString(100000, u'W') + u'\n';
        pasteOverAll(*window, line);
        click(*window, "Label3");
        const int afterOneRound = wordList->document()->availableUndoSteps();
        for (int round = 0; round < 5; ++round) {
            pasteOverAll(*window, line);
            click(*window, "Label3");
        }
        QCOMPARE(wordList->document()->availableUndoSteps(), afterOneRound);
    }

    // Nothing replaces Text3, so a paste there bounds its history instead,
    // and stays undoable itself.
    void informationHistoryDoesNotGrowWithEarlierPastes()
    {
        const auto window = makeShownWindow();
        const QTextDocument* information = objectAs<QTextEdit>(*window, "Text3")->document();
        const QString text(100000, u'W');
        // Over the three formatted lines of the start, more steps than later.
        pasteOverAll(*window, text, "Text3");
        const int afterOnePaste = information->availableUndoSteps();
        for (int round = 0; round < 5; ++round) {
            pasteOverAll(*window, text, "Text3");
        }
        QVERIFY(information->availableUndoSteps() <= afterOnePaste);
        pasteOverAll(*window, "kurz", "Text3");
        QTest::keyClick(window->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(information->toPlainText(), text);
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN(WordListHistoryTest)
#include "word_list_history_test.moc"
