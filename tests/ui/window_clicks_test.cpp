// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "frontend/example_word_lists.h"
#include "offscreen_test_main.h"
#include "tests/support/fake_verse_window.h"
#include "window_test_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

using namespace wumpel;
using namespace wumpel::test;

namespace {

constexpr std::string_view StartOutput = " noch leer\r\n";

enum class Step { Apply, Append, NewText };

// What Text2 must show after the engine runs these steps on this word list with
// the window's seed, computed without any widget.
std::string expectedOutput(const std::string& wordList, const std::vector<Step>& steps)
{
    GeneratorState state;
    SeededRandomSource random(TestSeed);
    testing_support::FakeVerseWindow reference;
    reference.WordList = wordList;
    for (const Step step : steps) {
        switch (step) {
        case Step::Apply:
            ApplyWordList(state, reference, random);
            break;
        case Step::Append:
            AppendVerse(state, reference, random);
            break;
        case Step::NewText:
            StartNewText(state, reference, random);
            break;
        }
    }
    return reference.Output;
}

int verseCount(const std::string& output)
{
    int count = 0;
    for (std::size_t at = output.find("Wenn "); at != std::string::npos;
         at = output.find("Wenn ", at + 1)) {
        ++count;
    }
    return count;
}

// Draws as the window's own seeded source until told to fail, then throws as
// an action does when memory runs out.
class FailingRandomSource final : public RandomSource {
public:
    enum class Failure { None, BadAlloc, LengthError };
    Failure failure = Failure::None;

    void Reseed() override {}
    Draw Next() override
    {
        if (failure == Failure::BadAlloc) {
            throw std::bad_alloc();
        }
        if (failure == Failure::LengthError) {
            throw std::length_error("basic_string::_M_create");
        }
        return m_seeded.Next();
    }

private:
    SeededRandomSource m_seeded{TestSeed};
};

void typeInto(WumpelWindow& window, const QString& name, const QString& text)
{
    QWidget* field = object(window, name);
    field->setFocus();
    QTest::keyClicks(field, text);
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Step>)
Q_DECLARE_METATYPE(std::string)

class WindowClicksTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithEmptyListAndPlaceholderOutput()
    {
        const auto window = makeShownWindow();
        QCOMPARE(window->ReadWordList(), std::string());
        QCOMPARE(shownOutput(*window), std::string(StartOutput));
        QCOMPARE(objectAs<QPlainTextEdit>(*window, "Text2")->blockCount(), 2);
        QCOMPARE(QApplication::focusWidget(), object(*window, "Text1"));
    }

    void verseClickBeforeAnyApplyShowsTooFewWords_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::newRow("Zeilen anhängen") << "Label1";
        QTest::newRow("Neuen Text generieren") << "Label2";
        QTest::newRow("Übernehmen with empty list") << "Übernehmen";
    }

    void verseClickBeforeAnyApplyShowsTooFewWords()
    {
        QFETCH(QString, clicked);
        const auto window = makeShownWindow();
        click(*window, clicked);
        QCOMPARE(shownOutput(*window), std::string(TooFewWordsMessage));
    }

    void exampleClickLoadsItsList_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("list");
        QTest::newRow("Label3 loads list 1") << "Label3" << 1;
        QTest::newRow("Text4 loads list 2") << "Text4" << 2;
        QTest::newRow("Text5 loads list 3") << "Text5" << 3;
    }

    void exampleClickLoadsItsList()
    {
        QFETCH(QString, clicked);
        QFETCH(int, list);
        const auto window = makeShownWindow();
        typeInto(*window, "Text1", "der Hund");
        click(*window, clicked);
        QCOMPARE(window->ReadWordList(), exampleWordList(list));
        QCOMPARE(shownOutput(*window), std::string(StartOutput));
    }

    void exampleLoadIsOneUndoStep_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("list");
        QTest::addColumn<QStringList>("typedLines");
        QTest::addColumn<std::string>("typed");
        const QStringList twoLines{"der Hund", "die Katze"};
        const std::string twoLinesRead = "der Hund\r\ndie Katze";
        QTest::newRow("Label3 over two lines") << "Label3" << 1 << twoLines << twoLinesRead;
        QTest::newRow("Text4 over two lines") << "Text4" << 2 << twoLines << twoLinesRead;
        QTest::newRow("Text5 over two lines") << "Text5" << 3 << twoLines << twoLinesRead;
        QTest::newRow("Text4 over nothing") << "Text4" << 2 << QStringList{} << std::string();
    }

    // Ctrl+Z in Text1 brings back exactly what was typed, Ctrl+Y the list again.
    void exampleLoadIsOneUndoStep()
    {
        QFETCH(QString, clicked);
        QFETCH(int, list);
        QFETCH(QStringList, typedLines);
        QFETCH(std::string, typed);
        const auto window = makeShownWindow();
        auto* wordList = objectAs<QPlainTextEdit>(*window, "Text1");
        wordList->setFocus();
        for (qsizetype line = 0; line < typedLines.size(); ++line) {
            if (line > 0) {
                QTest::keyClick(wordList, Qt::Key_Return);
            }
            QTest::keyClicks(wordList, typedLines.at(line));
        }
        QCOMPARE(window->ReadWordList(), typed);

        click(*window, clicked);
        QCOMPARE(window->ReadWordList(), exampleWordList(list));
        QCOMPARE(wordList->textCursor().position(), 0);

        click(*window, "Text1");
        QTest::keyClick(wordList, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window->ReadWordList(), typed);
        QTest::keyClick(wordList, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(window->ReadWordList(), exampleWordList(list));
    }

    void exampleFieldLoadsItsListWhateverItHolds_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Text4 holding 3") << "Text4" << 2 << "3";
        QTest::newRow("Text5 holding 1") << "Text5" << 3 << "1";
        QTest::newRow("Text5 holding words") << "Text5" << 3 << "vier";
        QTest::newRow("Text5 emptied") << "Text5" << 3 << "";
    }

    void exampleFieldLoadsItsListWhateverItHolds()
    {
        QFETCH(QString, clicked);
        QFETCH(int, list);
        QFETCH(QString, typed);
        const auto window = makeShownWindow();
        objectAs<QLineEdit>(*window, clicked)->setText(typed);
        click(*window, clicked);
        QCOMPARE(window->ReadWordList(), exampleWordList(list));
        QCOMPARE(objectAs<QLineEdit>(*window, clicked)->text(), typed);
    }

    void verseClicksRunTheirActions_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<std::vector<Step>>("steps");
        QTest::addColumn<int>("verses");
        QTest::newRow("Übernehmen") << QStringList{"Übernehmen"} << std::vector{Step::Apply} << 1;
        QTest::newRow("Übernehmen, Zeilen anhängen twice")
            << QStringList{"Übernehmen", "Label1", "Label1"}
            << std::vector{Step::Apply, Step::Append, Step::Append} << 3;
        QTest::newRow("four appends, then Neuen Text generieren")
            << QStringList{"Übernehmen", "Label1", "Label1", "Label1", "Label1", "Label2"}
            << std::vector{Step::Apply,  Step::Append, Step::Append,
                           Step::Append, Step::Append, Step::NewText}
            << 1;
        QTest::newRow("Übernehmen again starts over")
            << QStringList{"Übernehmen", "Label1", "Übernehmen"}
            << std::vector{Step::Apply, Step::Append, Step::Apply} << 1;
    }

    void verseClicksRunTheirActions()
    {
        QFETCH(QStringList, clicks);
        QFETCH(std::vector<Step>, steps);
        QFETCH(int, verses);
        const auto window = makeShownWindow();
        click(*window, "Label3");
        for (const QString& clicked : clicks) {
            click(*window, clicked);
        }
        const std::string expected = expectedOutput(exampleWordList(1), steps);
        QCOMPARE(shownOutput(*window), expected);
        QCOMPARE(verseCount(expected), verses);
    }

    void doubleClickOnZeilenAnhaengenAppendsOneVerse()
    {
        const auto window = makeShownWindow();
        click(*window, "Label3");
        click(*window, "Übernehmen");
        doubleClick(*window, "Label1");
        QCOMPARE(shownOutput(*window),
                 expectedOutput(exampleWordList(1), {Step::Apply, Step::Append}));
    }

    void doubleClickOnExampleFieldLoadsOnce()
    {
        const auto window = makeShownWindow();
        doubleClick(*window, "Text4");
        QCOMPARE(window->ReadWordList(), exampleWordList(2));
    }

    void nonClicksRunNothing_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("Beispiele:") << "Command1" << Qt::LeftButton;
        QTest::newRow("Eingabe") << "Eingabe" << Qt::LeftButton;
        QTest::newRow("Text1") << "Text1" << Qt::LeftButton;
        QTest::newRow("Text2") << "Text2" << Qt::LeftButton;
        QTest::newRow("Text3") << "Text3" << Qt::LeftButton;
        QTest::newRow("right button on Zeilen anhängen") << "Label1" << Qt::RightButton;
        QTest::newRow("middle button on Label3") << "Label3" << Qt::MiddleButton;
        QTest::newRow("right button on Text5") << "Text5" << Qt::RightButton;
    }

    // Nothing may change, and the random source must not be drawn from: the
    // next verse is the one it would have been without the click.
    void nonClicksRunNothing()
    {
        QFETCH(QString, clicked);
        QFETCH(Qt::MouseButton, button);
        const auto window = makeShownWindow();
        click(*window, "Label3");
        click(*window, "Übernehmen");
        const std::string listBefore = window->ReadWordList();
        const std::string outputBefore = shownOutput(*window);

        click(*window, clicked, button);
        // A context menu opened by the right button would swallow the next click.
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }

        QCOMPARE(window->ReadWordList(), listBefore);
        QCOMPARE(shownOutput(*window), outputBefore);
        click(*window, "Label1");
        QCOMPARE(shownOutput(*window),
                 expectedOutput(exampleWordList(1), {Step::Apply, Step::Append}));
    }

    void enterStartsANewLineAndRunsNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("Text1") << "Text1";
        QTest::newRow("Text2") << "Text2";
    }

    void enterStartsANewLineAndRunsNothing()
    {
        QFETCH(QString, field);
        const auto window = makeShownWindow();
        auto* edit = objectAs<QPlainTextEdit>(*window, field);
        edit->setPlainText("der Hund");
        edit->moveCursor(QTextCursor::End);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter);
        QTest::keyClicks(edit, "die Katze");
        QCOMPARE(edit->toPlainText(), QString("der Hund\n\ndie Katze"));
        if (field == "Text1") {
            QCOMPARE(window->ReadWordList(), std::string("der Hund\r\n\r\ndie Katze"));
            QCOMPARE(shownOutput(*window), std::string(StartOutput));
        }
        QCOMPARE(QApplication::focusWidget(), edit);
    }

    void clickOnLabelLeavesFocusWhereItWas_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("clicked");
        QTest::newRow("Text2, Label3") << "Text2"
                                       << "Label3";
        QTest::newRow("Text1, Übernehmen") << "Text1"
                                           << "Übernehmen";
        QTest::newRow("Text3, Zeilen anhängen") << "Text3"
                                                << "Label1";
        QTest::newRow("Text5, Neuen Text generieren") << "Text5"
                                                      << "Label2";
        QTest::newRow("Beispiele:, Eingabe") << "Command1"
                                             << "Eingabe";
    }

    void clickOnLabelLeavesFocusWhereItWas()
    {
        QFETCH(QString, focused);
        QFETCH(QString, clicked);
        const auto window = makeShownWindow();
        object(*window, focused)->setFocus();
        click(*window, clicked);
        QCOMPARE(QApplication::focusWidget(), object(*window, focused));
    }

    void clickOnExampleFieldTakesFocusAndCaret_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::newRow("Text4") << "Text4";
        QTest::newRow("Text5") << "Text5";
    }

    void clickOnExampleFieldTakesFocusAndCaret()
    {
        QFETCH(QString, clicked);
        const auto window = makeShownWindow();
        auto* field = objectAs<QLineEdit>(*window, clicked);
        field->setText("12345");
        QCOMPARE(field->cursorPosition(), 5);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          field->mapTo(window.get(), QPoint(1, field->height() / 2)));
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->cursorPosition(), 0);
    }

    void pressReleasedElsewhereIsNoClick()
    {
        const auto window = makeShownWindow();
        QWidget* example = object(*window, "Label3");
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {},
                          example->mapTo(window.get(), example->rect().center()));
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, QPoint(400, 300));
        QCOMPARE(window->ReadWordList(), std::string());
    }

    void loadingAnExampleDoesNotChangeWhatIsComposed()
    {
        const auto window = makeShownWindow();
        click(*window, "Label3");
        click(*window, "Übernehmen");
        click(*window, "Text5");
        click(*window, "Label1");
        QCOMPARE(window->ReadWordList(), exampleWordList(3));
        QCOMPARE(shownOutput(*window),
                 expectedOutput(exampleWordList(1), {Step::Apply, Step::Append}));
    }

    void shortListShowsTooFewWordsAndKeepsShowingIt()
    {
        const auto window = makeShownWindow();
        click(*window, "Label3");
        click(*window, "Übernehmen");
        objectAs<QPlainTextEdit>(*window, "Text1")
            ->setPlainText("der A\ndie B\ndas C\nder D\ndie E\ndas F\nder G\ndie H");
        click(*window, "Übernehmen");
        QCOMPARE(shownOutput(*window), std::string(TooFewWordsMessage));
        click(*window, "Label1");
        QCOMPARE(shownOutput(*window), std::string(TooFewWordsMessage));
    }

    void typedListIsHandedOverWithCrLf()
    {
        const auto window = makeShownWindow();
        typeInto(*window, "Text1", "der Hund");
        QTest::keyClick(object(*window, "Text1"), Qt::Key_Return);
        QTest::keyClick(object(*window, "Text1"), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(object(*window, "Text1"), "die Wurst");
        QCOMPARE(window->ReadWordList(), std::string("der Hund\r\n\r\ndie Wurst"));
    }

    // As wumpel-verse reads it: a no-break space is no blank and a line
    // separator no line break; only the lines the user sees end in CR LF. A
    // surrogate without its partner is no Unicode: the engine gets U+FFFD for
    // it, as wumpel-verse writes it.
    void wordListIsReadCharacterForCharacter_data()
    {
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<std::string>("read");
        QTest::newRow("no-break space, line separator")
            << QString("der\u00A0Hund\u2028die\nKatze")
            << std::string("der\u00A0Hund\u2028die\r\nKatze");
        QTest::newRow("lone surrogates")
            << QStringLiteral("der A") + QChar(0xD800) + QStringLiteral("\ndie ") + QChar(0xDC00) +
                   QChar(0xD800)
            << std::string("der A\xEF\xBF\xBD\r\ndie \xEF\xBF\xBD\xEF\xBF\xBD");
    }

    void wordListIsReadCharacterForCharacter()
    {
        QFETCH(QString, inserted);
        QFETCH(std::string, read);
        const auto window = makeShownWindow();
        objectAs<QPlainTextEdit>(*window, "Text1")->insertPlainText(inserted);
        QCOMPARE(window->ReadWordList(), read);
    }

    // Qt carries no exception through its event loop: a click whose action
    // throws says so on standard error and changes neither text, and the
    // window goes on as if the click had not been.
    void aThrowingActionKeepsBothTextsAndSaysSo()
    {
        auto owned = std::make_unique<FailingRandomSource>();
        FailingRandomSource* random = owned.get();
        const auto window = makeShownWindow(std::move(owned));
        click(*window, "Label3");
        click(*window, "Übernehmen");
        const std::string list = window->ReadWordList();
        const std::string shown = shownOutput(*window);

        using Failure = FailingRandomSource::Failure;
        const std::vector<std::tuple<QString, Failure, const char*>> failingClicks = {
            {"Label1", Failure::BadAlloc, "wumpel: \"Zeilen anhängen\" failed: std::bad_alloc"},
            {"Label2", Failure::LengthError,
             "wumpel: \"Neuen Text generieren\" failed: basic_string::_M_create"},
            {"Übernehmen", Failure::BadAlloc, "wumpel: \"Übernehmen\" failed: std::bad_alloc"},
        };
        for (const auto& [name, failure, message] : failingClicks) {
            random->failure = failure;
            QTest::ignoreMessage(QtWarningMsg, message);
            click(*window, name);
            QCOMPARE(window->ReadWordList(), list);
            QCOMPARE(shownOutput(*window), shown);
        }
        random->failure = Failure::None;
        click(*window, "Label1");
        QCOMPARE(shownOutput(*window),
                 expectedOutput(exampleWordList(1), {Step::Apply, Step::Append}));
    }

    void outputLineBreaksAreShownAsLines()
    {
        const auto window = makeShownWindow();
        window->ReplaceOutput("eins\r\nzwei\r\n\r\n");
        auto* output = objectAs<QPlainTextEdit>(*window, "Text2");
        QCOMPARE(output->blockCount(), 4);
        QCOMPARE(output->document()->findBlockByNumber(1).text(), QString("zwei"));
        QCOMPARE(shownOutput(*window), std::string("eins\r\nzwei\r\n\r\n"));
    }

    void userTextInOutputIsReplacedByTheNextVerse()
    {
        const auto window = makeShownWindow();
        click(*window, "Label3");
        click(*window, "Übernehmen");
        typeInto(*window, "Text2", "mein eigener Text");
        click(*window, "Label1");
        QCOMPARE(shownOutput(*window),
                 expectedOutput(exampleWordList(1), {Step::Apply, Step::Append}));
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN(WindowClicksTest)
#include "window_clicks_test.moc"
