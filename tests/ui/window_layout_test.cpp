// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "frontend/example_word_lists.h"
#include "offscreen_test_main.h"
#include "ui/dog_image.h"
#include "ui/line_breaks.h"
#include "window_test_support.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

using namespace wumpel;
using namespace wumpel::test;

namespace {

QString kindOf(QWidget* widget)
{
    if (qobject_cast<QLabel*>(widget) != nullptr) {
        return "label";
    }
    if (qobject_cast<QPlainTextEdit*>(widget) != nullptr) {
        return "multi-line field";
    }
    if (qobject_cast<QTextEdit*>(widget) != nullptr) {
        return "information field";
    }
    if (qobject_cast<QLineEdit*>(widget) != nullptr) {
        return "single-line field";
    }
    if (qobject_cast<QPushButton*>(widget) != nullptr) {
        return "push button";
    }
    return "unknown";
}

QString textOf(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        return QString::fromStdString(crLfText(plain->toPlainText()));
    }
    if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
        return QString::fromStdString(crLfText(rich->toPlainText()));
    }
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        return line->text();
    }
    return qobject_cast<QPushButton*>(widget)->text();
}

// The colour the object fills its box with: labels their window colour, text
// fields their base, the button its face.
QColor backgroundOf(QWidget* widget)
{
    if (qobject_cast<QLabel*>(widget) != nullptr) {
        return widget->palette().color(QPalette::Window);
    }
    if (qobject_cast<QPushButton*>(widget) != nullptr) {
        return widget->palette().color(QPalette::Button);
    }
    return widget->palette().color(QPalette::Base);
}

constexpr const char* Instruction =
    "Bitte geben Sie mindenstens 9 Wörter (singular) mit Artikel und sich "
    "anschließendem Enter ein.";
constexpr const char* Information =
    "Quarnik nach einem eigenen Rundfunkprogramm von etwa 1983. Es werden seltsame Dreizeiler "
    "per Zufall generiert. Es ist eine \r\nErweiterung der zweizeiligen Variationen von "
    "Tarbosch (1850) \r\netwa: Wenn der Wumpel mit der Wurst über den Spucknapf springt ... \r\n";

const QColor Standard;

// Eingabe, Text1 to Text5, Übernehmen, Label1 to Label3 and Command1, and the
// dog's picture.
constexpr int ObjectCount = 12;

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void objectMatchesTheLayoutTable_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("framed");

        const QString serif = "Times New Roman";
        const QString sans = "MS Sans Serif";
        // clang-format off
        QTest::newRow("Eingabe")    << "label"             << QString(Instruction)                << QRect(40, 0, 177, 89)    << serif << 15 << false << QColor(0x80FF80) << false;
        QTest::newRow("Text1")      << "multi-line field"  << ""                          << QRect(8, 104, 217, 353)  << serif << 16 << false << Standard         << true;
        QTest::newRow("Übernehmen") << "label"             << "Übernehmen"                << QRect(8, 456, 217, 33)   << serif << 19 << false << QColor(0xFF0000) << true;
        QTest::newRow("Label2")     << "label"             << "Neuen Text generieren"     << QRect(224, 0, 281, 25)   << serif << 19 << false << QColor(0x00FFFF) << true;
        QTest::newRow("Text2")      << "multi-line field"  << " noch leer\r\n"            << QRect(224, 24, 577, 465) << sans  << 16 << false << Standard         << true;
        QTest::newRow("Text3")      << "information field" << QString(Information)                << QRect(0, 496, 793, 41)   << sans  << 13 << false << QColor(0x80FF80) << false;
        QTest::newRow("Label1")     << "label"             << "Zeilen anhängen"           << QRect(504, 0, 297, 25)   << serif << 19 << false << QColor(0x80FFFF) << true;
        QTest::newRow("Label3")     << "label"             << "1"                         << QRect(104, 72, 41, 25)   << serif << 16 << true  << QColor(0xC0C000) << true;
        QTest::newRow("Command1")   << "push button"       << "Beispiele:"                << QRect(8, 72, 97, 25)     << serif << 15 << true  << QColor(0xC0FFC0) << true;
        QTest::newRow("Text4")      << "single-line field" << "2"                         << QRect(144, 72, 41, 25)   << serif << 16 << true  << QColor(0xC04000) << true;
        QTest::newRow("Text5")      << "single-line field" << "3"                         << QRect(184, 72, 41, 25)   << serif << 16 << true  << QColor(0xFF0000) << true;
        // clang-format on
    }

    void objectMatchesTheLayoutTable()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QRect, geometry);
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(QColor, background);
        QFETCH(bool, framed);

        const auto window = makeShownWindow();
        QWidget* widget = object(*window, QTest::currentDataTag());
        QVERIFY(widget != nullptr);
        QCOMPARE(kindOf(widget), kind);
        QCOMPARE(textOf(widget), text);
        QCOMPARE(widget->geometry(), geometry);
        // The named face first; its stand-ins follow it.
        QCOMPARE(widget->font().families().value(0), family);
        QCOMPARE(widget->font().styleHint(),
                 family == "Times New Roman" ? QFont::Serif : QFont::SansSerif);
        QCOMPARE(widget->font().pixelSize(), pixelSize);
        QCOMPARE(widget->font().weight(), bold ? QFont::Bold : QFont::Normal);
        QVERIFY(!widget->font().italic() && !widget->font().underline() &&
                !widget->font().strikeOut());
        if (background.isValid()) {
            QCOMPARE(backgroundOf(widget), background);
        } else {
            QCOMPARE(backgroundOf(widget), QApplication::palette().color(QPalette::Base));
        }
        if (auto* frame = qobject_cast<QFrame*>(widget)) {
            QCOMPARE(frame->frameShape() != QFrame::NoFrame, framed);
        } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            QCOMPARE(line->hasFrame(), framed);
        }
        QCOMPARE(widget->isVisible(), true);
    }

    void labelsReadAsButtonsButNeverTakeFocus_data()
    {
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<bool>("clickable");
        QTest::newRow("Eingabe") << QString(Instruction) << false;
        QTest::newRow("Übernehmen") << "Übernehmen" << true;
        QTest::newRow("Label2") << "Neuen Text generieren" << true;
        QTest::newRow("Label1") << "Zeilen anhängen" << true;
        QTest::newRow("Label3") << "Beispiel 1" << true;
    }

    void labelsReadAsButtonsButNeverTakeFocus()
    {
        QFETCH(QString, accessibleName);
        QFETCH(bool, clickable);
        const auto window = makeShownWindow();
        auto* label = objectAs<QLabel>(*window, QTest::currentDataTag());
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QCOMPARE(label->foregroundRole(), QPalette::ButtonText);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
        QCOMPARE(accessible->role(), clickable ? QAccessible::Button : QAccessible::StaticText);
        QCOMPARE(accessible->state().focusable, false);
    }

    // Example 1 is a label, examples 2 and 3 are text fields and stay text
    // fields; each loads its list when a screen reader presses it.
    void pressFromAssistiveTechnologyLoadsTheExample_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QStringList>("actions");
        const QString press = QAccessibleActionInterface::pressAction();
        const QString focus = QAccessibleActionInterface::setFocusAction();
        QTest::newRow("Label3") << 1 << QAccessible::Button << QStringList{press};
        QTest::newRow("Text4") << 2 << QAccessible::EditableText << QStringList{press, focus};
        QTest::newRow("Text5") << 3 << QAccessible::EditableText << QStringList{press, focus};
    }

    void pressFromAssistiveTechnologyLoadsTheExample()
    {
        QFETCH(int, number);
        QFETCH(QAccessible::Role, role);
        QFETCH(QStringList, actions);
        const auto window = makeShownWindow();
        QWidget* example = object(*window, QTest::currentDataTag());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(example);
        QCOMPARE(accessible->role(), role);
        QCOMPARE(accessible->text(QAccessible::Name), QString("Beispiel %1").arg(number));
        QAccessibleActionInterface* actionable = accessible->actionInterface();
        QVERIFY(actionable != nullptr);
        QCOMPARE(actionable->actionNames(), actions);
        actionable->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(window->ReadWordList(), exampleWordList(number));
        if (auto* field = qobject_cast<QLineEdit*>(example)) {
            QAccessibleTextInterface* text = accessible->textInterface();
            QVERIFY(text != nullptr);
            QCOMPARE(text->text(0, text->characterCount()), field->text());
            QVERIFY(accessible->state().editable);
            const QRect digit = text->characterRect(0);
            QVERIFY(QRect(field->mapToGlobal(QPoint(0, 0)), field->size()).contains(digit));
            QCOMPARE(text->offsetAtPoint(QPoint(digit.left() + 1, digit.center().y())), 0);
        }
    }

    void dogIsAPictureNamedWumpel()
    {
        const auto window = makeShownWindow();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window.get());
        QAccessibleInterface* dog = accessible->childAt(window->mapToGlobal(QPoint(16, 16)).x(),
                                                        window->mapToGlobal(QPoint(16, 16)).y());
        QVERIFY(dog != nullptr);
        QCOMPARE(dog->role(), QAccessible::Graphic);
        QCOMPARE(dog->text(QAccessible::Name), QString("Wumpel"));
        QCOMPARE(dog->rect().size(), DogSize);
    }

    void windowIsFixedAndTitled()
    {
        const auto window = makeShownWindow();
        QCOMPARE(window->objectName(), QString("Wumpel"));
        QCOMPARE(window->windowTitle(), QString("Wumpel"));
        QCOMPARE(window->size(), QSize(808, 535));
        QCOMPARE(window->minimumSize(), QSize(808, 535));
        QCOMPARE(window->maximumSize(), QSize(808, 535));
        QCOMPARE(window->windowIcon().availableSizes(), dogIcon().availableSizes());
        QCOMPARE(window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), ObjectCount);
    }

    void tabWalksTheFocusOrder()
    {
        const auto window = makeShownWindow();
        const QStringList expected{"Text1", "Text2", "Text3", "Command1",
                                   "Text4", "Text5", "Text1"};
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int step = 1; step < expected.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void stackingPutsFieldsAboveLabels_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("above");
        QTest::addColumn<QString>("below");
        QTest::newRow("Command1 over Label3") << QPoint(104, 84) << "Command1"
                                              << "Label3";
        QTest::newRow("Text4 over Label3") << QPoint(144, 84) << "Text4"
                                           << "Label3";
        QTest::newRow("Text1 over Übernehmen") << QPoint(100, 456) << "Text1"
                                               << "Übernehmen";
        QTest::newRow("Text2 over Label2") << QPoint(300, 24) << "Text2"
                                           << "Label2";
        QTest::newRow("Text2 over Label1") << QPoint(700, 24) << "Text2"
                                           << "Label1";
        QTest::newRow("Label3 over Eingabe") << QPoint(124, 80) << "Label3"
                                             << "Eingabe";
        QTest::newRow("Command1 over Eingabe") << QPoint(60, 80) << "Command1"
                                               << "Eingabe";
        QTest::newRow("Text4 over Eingabe") << QPoint(160, 80) << "Text4"
                                            << "Eingabe";
        QTest::newRow("Text5 over Eingabe") << QPoint(200, 80) << "Text5"
                                            << "Eingabe";
    }

    void stackingPutsFieldsAboveLabels()
    {
        QFETCH(QPoint, point);
        QFETCH(QString, above);
        QFETCH(QString, below);
        const auto window = makeShownWindow();
        QVERIFY(object(*window, below)->geometry().contains(point));
        QVERIFY(object(*window, above)->geometry().contains(point));
        QWidget* hit = window->childAt(point);
        while (hit != nullptr && hit->parentWidget() != window.get()) {
            hit = hit->parentWidget();
        }
        QCOMPARE(hit != nullptr ? hit->objectName() : QString(), above);
    }

    void multiLineFieldsScrollAndDoNotWrap_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("Text1") << "Text1";
        QTest::newRow("Text2") << "Text2";
    }

    void multiLineFieldsScrollAndDoNotWrap()
    {
        QFETCH(QString, field);
        const auto window = makeShownWindow();
        auto* edit = objectAs<QPlainTextEdit>(*window, field);
        QCOMPARE(edit->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QString longText;
        for (int line = 0; line < 60; ++line) {
            longText += QString("das %1").arg(line) + QString("Wort").repeated(40) + "\n";
        }
        edit->setPlainText(longText);
        QCOMPARE(edit->document()->lineCount(), 61);
        QVERIFY(edit->verticalScrollBar()->maximum() > 0);
        QVERIFY(edit->horizontalScrollBar()->maximum() > 0);
    }

    void informationIsCentredAndWrapsWithoutScrollBars()
    {
        const auto window = makeShownWindow();
        auto* information = objectAs<QTextEdit>(*window, "Text3");
        QCOMPARE(information->isReadOnly(), false);
        QCOMPARE(information->lineWrapMode(), QTextEdit::WidgetWidth);
        QCOMPARE(information->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(information->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(information->document()->defaultTextOption().alignment() & Qt::AlignHCenter);
        QCOMPARE(information->document()->blockCount(), 4);
    }

    void examplesButtonIsNoDefaultButton()
    {
        const auto window = makeShownWindow();
        auto* button = objectAs<QPushButton>(*window, "Command1");
        QCOMPARE(button->isDefault(), false);
        QCOMPARE(button->autoDefault(), false);
    }

    void exampleFieldsAreCentredSingleLines_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("Text4") << "Text4";
        QTest::newRow("Text5") << "Text5";
    }

    void exampleFieldsAreCentredSingleLines()
    {
        QFETCH(QString, field);
        const auto window = makeShownWindow();
        auto* line = objectAs<QLineEdit>(*window, field);
        QCOMPARE(line->alignment(), Qt::AlignCenter);
        QCOMPARE(line->isReadOnly(), false);
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
