// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "offscreen_test_main.h"
#include "ui/line_breaks.h"
#include "ui/output_replacer.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>

#include <string>
#include <vector>

using namespace wumpel;

namespace {

// Everything a user could tell apart after a replacement.
struct FieldView {
    QString text;
    int blockCount;
    int cursorPosition;
    int anchor;
    int verticalScroll;
    int horizontalScroll;
    bool undoAvailable;

    bool operator==(const FieldView&) const = default;
};

FieldView viewOf(QPlainTextEdit& field)
{
    return {field.toPlainText(),
            field.blockCount(),
            field.textCursor().position(),
            field.textCursor().anchor(),
            field.verticalScrollBar()->value(),
            field.horizontalScrollBar()->value(),
            field.document()->isUndoAvailable()};
}

QString describe(const FieldView& view)
{
    return QString("%1 blocks, cursor %2/%3, scroll %4/%5, undo %6, text \"%7\"")
        .arg(view.blockCount)
        .arg(view.cursorPosition)
        .arg(view.anchor)
        .arg(view.verticalScroll)
        .arg(view.horizontalScroll)
        .arg(view.undoAvailable ? "yes" : "no")
        .arg(view.text.left(60));
}

void prepareField(QPlainTextEdit& field)
{
    field.setLineWrapMode(QPlainTextEdit::NoWrap);
    field.resize(200, 120);
    field.show();
}

// Moves the view and the caret away from the start, as a reading user does.
void scrollAndPlaceCaret(QPlainTextEdit& field)
{
    field.verticalScrollBar()->setValue(field.verticalScrollBar()->maximum());
    field.horizontalScrollBar()->setValue(field.horizontalScrollBar()->maximum());
    QTextCursor middle(field.document());
    middle.setPosition(field.document()->characterCount() / 2);
    field.setTextCursor(middle);
}

std::string verses(int count)
{
    std::string text;
    for (int verse = 0; verse < count; ++verse) {
        text += "Wenn der Wumpel mit der Wurst über den Spucknapf springt\r\n"
                "und die Liebe in dem Geld den Tod verschlingt,\r\n"
                "dann der Hai hinter dem Elend als die Güte winkt.\r\n\r\n";
    }
    return text;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<std::string>)

class OutputReplacerTest : public QObject {
    Q_OBJECT

private slots:
    void looksLikeAFreshSetPlainText_data()
    {
        QTest::addColumn<std::vector<std::string>>("texts");
        QTest::addColumn<bool>("userEditsBeforeLast");
        QTest::newRow("first text") << std::vector<std::string>{verses(1)} << false;
        QTest::newRow("one verse more") << std::vector<std::string>{verses(1), verses(2)} << false;
        QTest::newRow("many verses more")
            << std::vector<std::string>{verses(3), verses(30), verses(31)} << false;
        QTest::newRow("placeholder, then verses")
            << std::vector<std::string>{" noch leer\r\n", verses(2)} << false;
        QTest::newRow("back to one verse")
            << std::vector<std::string>{verses(5), verses(1)} << false;
        QTest::newRow("same text again") << std::vector<std::string>{verses(5), verses(5)} << false;
        QTest::newRow("message after verses")
            << std::vector<std::string>{verses(5), "es sind zu wenig wörter"} << false;
        QTest::newRow("extension after the user edited")
            << std::vector<std::string>{verses(5), verses(6)} << true;
        QTest::newRow("CR at the end, LF in the new part")
            << std::vector<std::string>{"a\r", "a\r\nb"} << false;
        QTest::newRow("extension of a lone CR")
            << std::vector<std::string>{"a\rb", "a\rb\r\nc"} << false;
    }

    // The field is compared with one that always takes the whole text through
    // setPlainText, from the same view, caret and history.
    void looksLikeAFreshSetPlainText()
    {
        QFETCH(std::vector<std::string>, texts);
        QFETCH(bool, userEditsBeforeLast);
        QPlainTextEdit field;
        QPlainTextEdit reference;
        prepareField(field);
        prepareField(reference);
        OutputReplacer replacer(&field);

        for (std::size_t step = 0; step < texts.size(); ++step) {
            const bool last = step + 1 == texts.size();
            if (last) {
                scrollAndPlaceCaret(field);
                scrollAndPlaceCaret(reference);
                if (userEditsBeforeLast) {
                    QTest::keyClicks(&field, "x");
                    QTest::keyClicks(&reference, "x");
                }
            }
            replacer.replace(texts[step]);
            reference.setPlainText(displayedText(texts[step]));
        }
        const FieldView shown = viewOf(field);
        const FieldView expected = viewOf(reference);
        QVERIFY2(
            shown == expected,
            qPrintable(QString("shown %1\nexpected %2").arg(describe(shown), describe(expected))));
    }

    void userEditIsReplacedByTheNextText()
    {
        QPlainTextEdit field;
        prepareField(field);
        OutputReplacer replacer(&field);
        replacer.replace(verses(2));
        field.moveCursor(QTextCursor::End);
        QTest::keyClicks(&field, "eigener Text");
        replacer.replace(verses(3));
        QCOMPARE(QString::fromStdString(crLfText(field.toPlainText())),
                 QString::fromStdString(verses(3)));
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN(OutputReplacerTest)
#include "output_replacer_test.moc"
