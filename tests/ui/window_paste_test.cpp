// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "offscreen_test_main.h"
#include "ui/line_breaks.h"
#include "window_test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>
#include <string>

using namespace wumpel;
using namespace wumpel::test;

namespace {

// The line of the crash report: about 300,000 characters.
QString longLine()
{
    return "der " + QString("Wumpel").repeated(50000) + "\n";
}

// Text1, Text2 and Text3 are a QPlainTextEdit or a QTextEdit; both hold their
// text in this property.
QString textOf(QWidget* field)
{
    return field->property("plainText").toString();
}

QWidget* focusedField(WumpelWindow& window, const QString& name)
{
    QWidget* field = object(window, name);
    click(window, name);
    if (QApplication::focusWidget() != field) {
        qFatal("a click did not focus %s", qPrintable(name));
    }
    return field;
}

void press(QWidget* field, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(field, key, modifiers);
}

void pasteText(QWidget* field, const QString& text)
{
    QApplication::clipboard()->setText(text);
    press(field, Qt::Key_V, Qt::ControlModifier);
}

// What a drag from another program brings: plain text dropped at a point of the
// field's viewport.
void dropText(QPlainTextEdit* field, const QString& text, QPoint at)
{
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field->viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field->viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field->viewport(), &drop);
}

enum class Edit { Cut, Delete, Backspace, Type, Undo, UndoThenRedo, Drop };

// One row for each multi-line field: the word list, the output and the
// information text.
void addMultiLineFieldRows()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("Text1") << "Text1";
    QTest::newRow("Text2") << "Text2";
    QTest::newRow("Text3") << "Text3";
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class WindowPasteTest : public QObject {
    Q_OBJECT

private slots:
    // An X clipboard whose owner is gone, or does not answer in time, lists no
    // formats at all; so does this one.
    void pasteFromAClipboardWithoutFormatsChangesNothing_data() { addMultiLineFieldRows(); }

    void pasteFromAClipboardWithoutFormatsChangesNothing()
    {
        QFETCH(QString, field);
        const auto window = makeShownWindow();
        QWidget* edit = focusedField(*window, field);
        edit->setProperty("plainText", QString("der Hund\ndie Katze"));
        const QString before = textOf(edit);
        press(edit, Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setMimeData(new QMimeData);
        press(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(textOf(edit), before);
        QCOMPARE(QApplication::focusWidget(), edit);
    }

    // The verses as they stand: Qt's markdown would put an empty line after
    // every line, its HTML would bring the field's font along.
    void copyOffersThePlainTextAlone_data() { addMultiLineFieldRows(); }

    void copyOffersThePlainTextAlone()
    {
        QFETCH(QString, field);
        const auto window = makeShownWindow();
        click(*window, "Label3");
        click(*window, "Übernehmen");
        click(*window, "Label1");
        QWidget* edit = focusedField(*window, field);
        press(edit, Qt::Key_A, Qt::ControlModifier);
        press(edit, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QCOMPARE(copied->formats(), QStringList{"text/plain"});
        QCOMPARE(copied->text(), textOf(edit));
    }

    void shortPasteReplacesALongPastedLine_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("Text1") << "Text1";
        QTest::newRow("Text2") << "Text2";
    }

    void shortPasteReplacesALongPastedLine()
    {
        QFETCH(QString, field);
        const auto window = makeShownWindow();
        QWidget* edit = focusedField(*window, field);
        press(edit, Qt::Key_A, Qt::ControlModifier);
        pasteText(edit, longLine());
        QCOMPARE(textOf(edit), longLine());

        click(*window, field);
        press(edit, Qt::Key_A, Qt::ControlModifier);
        pasteText(edit, "die Katze");
        QCOMPARE(textOf(edit), QString("die Katze"));
    }

    void pastedTextArrivesAsPasted_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("html");
        QTest::addColumn<std::string>("wordList");
        QTest::newRow("CR LF lines") << "der Hund\r\ndie Katze\r\n"
                                     << QString() << std::string("der Hund\r\ndie Katze\r\n");
        QTest::newRow("LF lines") << "der Hund\ndie Katze" << QString()
                                  << std::string("der Hund\r\ndie Katze");
        QTest::newRow("empty lines, tabs and blanks")
            << "\n der\tHund \n\n"
            << QString() << std::string("\r\n der\tHund \r\n\r\n");
        QTest::newRow("umlauts") << "die Hölle\r\ndas Vergnügen" << QString()
                                 << std::string("die Hölle\r\ndas Vergnügen");
        QTest::newRow("rich text keeps its plain text")
            << "der Hund\ndie Katze"
            << "<p><b>der Hund</b></p><p><i>die</i> Katze</p>"
            << std::string("der Hund\r\ndie Katze");
    }

    void pastedTextArrivesAsPasted()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, html);
        QFETCH(std::string, wordList);
        const auto window = makeShownWindow();
        QWidget* edit = focusedField(*window, "Text1");
        auto* data = new QMimeData;
        data->setText(pasted);
        if (!html.isNull()) {
            data->setHtml(html);
        }
        QApplication::clipboard()->setMimeData(data);
        press(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window->ReadWordList(), wordList);
        const auto* plain = qobject_cast<QPlainTextEdit*>(edit);
        QCOMPARE(plain->textCursor().position(), plain->document()->characterCount() - 1);
    }

    void pasteIsUndoneAndRedoneAsOneEdit_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QKeyCombination>("redo");
        const QKeyCombination ctrlY(Qt::ControlModifier, Qt::Key_Y);
        const QString lines = "die Katze\ndas Pferd\n";
        QTest::newRow("Text1 over all, ctrl+y") << "Text1" << true << lines << ctrlY;
        QTest::newRow("Text1 over all, ctrl+shift+z")
            << "Text1" << true << lines << (Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z);
        QTest::newRow("Text2 over all, ctrl+y") << "Text2" << true << lines << ctrlY;
        QTest::newRow("Text3 over all, ctrl+y") << "Text3" << true << lines << ctrlY;
        // Typing merges into one undo step; the paste must not join it.
        QTest::newRow("Text1 after typing") << "Text1" << false << " die Katze" << ctrlY;
        QTest::newRow("Text2 after typing") << "Text2" << false << " die Katze" << ctrlY;
    }

    void pasteIsUndoneAndRedoneAsOneEdit()
    {
        QFETCH(QString, field);
        QFETCH(bool, selectAll);
        QFETCH(QString, pasted);
        QFETCH(QKeyCombination, redo);
        const auto window = makeShownWindow();
        QWidget* edit = focusedField(*window, field);
        press(edit, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(edit, "der Hund");
        const QString typed = textOf(edit);
        if (selectAll) {
            press(edit, Qt::Key_A, Qt::ControlModifier);
        }
        pasteText(edit, pasted);
        const QString afterPaste = selectAll ? pasted : typed + pasted;
        QCOMPARE(textOf(edit), afterPaste);
        press(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(textOf(edit), typed);
        press(edit, redo.key(), redo.keyboardModifiers());
        QCOMPARE(textOf(edit), afterPaste);
    }

    void editsOnALongPastedLine_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("expected");
        const QString line = longLine();
        for (const QString& field : QStringList{"Text1", "Text2"}) {
            const auto row = [&field](const char* name) -> QTestData& {
                return QTest::newRow(qPrintable(field + ", " + name)) << field;
            };
            row("cut") << Edit::Cut << QString();
            row("Delete at the start") << Edit::Delete << line.mid(1);
            row("Backspace at the end twice") << Edit::Backspace << line.chopped(2);
            row("typing at the end") << Edit::Type << line + "die Katze";
            // Text2 starts with its placeholder line, which the paste replaced.
            row("undo") << Edit::Undo << (field == "Text1" ? QString() : QString(" noch leer\n"));
            row("undo, then redo") << Edit::UndoThenRedo << line;
            row("drop at the start") << Edit::Drop << "die Katze\n" + line;
        }
    }

    void editsOnALongPastedLine()
    {
        QFETCH(QString, field);
        QFETCH(Edit, edit);
        QFETCH(QString, expected);
        const auto window = makeShownWindow();
        auto* plain = qobject_cast<QPlainTextEdit*>(focusedField(*window, field));
        press(plain, Qt::Key_A, Qt::ControlModifier);
        pasteText(plain, longLine());
        QCOMPARE(textOf(plain), longLine());

        switch (edit) {
        case Edit::Cut:
            press(plain, Qt::Key_A, Qt::ControlModifier);
            press(plain, Qt::Key_X, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text(), longLine());
            break;
        case Edit::Delete:
            press(plain, Qt::Key_Home, Qt::ControlModifier);
            press(plain, Qt::Key_Delete);
            break;
        case Edit::Backspace:
            press(plain, Qt::Key_End, Qt::ControlModifier);
            press(plain, Qt::Key_Backspace);
            press(plain, Qt::Key_Backspace);
            break;
        case Edit::Type:
            QTest::keyClicks(plain, "die Katze");
            break;
        case Edit::Undo:
            press(plain, Qt::Key_Z, Qt::ControlModifier);
            break;
        case Edit::UndoThenRedo:
            press(plain, Qt::Key_Z, Qt::ControlModifier);
            press(plain, Qt::Key_Y, Qt::ControlModifier);
            break;
        case Edit::Drop:
            press(plain, Qt::Key_End, Qt::ControlModifier);
            dropText(plain, "die Katze\n", QPoint(0, 1));
            break;
        }
        QCOMPARE(textOf(plain), expected);
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN(WindowPasteTest)
#include "window_paste_test.moc"
