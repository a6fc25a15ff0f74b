// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/wumpel_window.h"

#include "engine/actions.h"
#include "frontend/example_word_lists.h"
#include "ui/click_filter.h"
#include "ui/clickable_accessible.h"
#include "ui/dog_image.h"
#include "ui/flat_button_face.h"
#include "ui/line_breaks.h"
#include "ui/multi_line_field.h"
#include "ui/output_replacer.h"
#include "ui/readable_text.h"
#include "ui/window_layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>

#include <exception>
#include <utility>

namespace wumpel {
namespace {

void configureMultiLineField(QPlainTextEdit* field)
{
    field->setLineWrapMode(QPlainTextEdit::NoWrap);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab walks the focus order instead of typing a tab into the word list.
    field->setTabChangesFocus(true);
}

// The box is 41 pixels high for three lines of 13-pixel type, which only fits
// with lines spaced by the type size and no margin; with the usual spacing of
// today's fonts the last line, the example verse, would be cut off.
void fitThreeLines(QTextEdit* field)
{
    field->document()->setDocumentMargin(0);
    QTextBlockFormat spacing;
    spacing.setLineHeight(field->font().pixelSize(), QTextBlockFormat::FixedHeight);
    QTextCursor all(field->document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(spacing);
}

} // namespace

WumpelWindow::WumpelWindow(QWidget* parent)
    : WumpelWindow(std::make_unique<ClockRandomSource>(), parent)
{
}

WumpelWindow::WumpelWindow(std::unique_ptr<RandomSource> random, QWidget* parent)
    : WumpelWindow(GeneratorState{}, std::move(random), parent)
{
}

WumpelWindow::WumpelWindow(GeneratorState state, std::unique_ptr<RandomSource> random,
                           QWidget* parent)
    : QWidget(parent), m_state(std::move(state)), m_random(std::move(random)), m_dog(dogIcon())
{
    setObjectName(qString(layout::WindowName));
    setWindowTitle(qString(layout::WindowTitle));
    setWindowIcon(m_dog);
    setFixedSize(pixelRect(layout::ClientArea).size());

    // Siblings stack in the order they are made, so the labels come first: the
    // text fields and the button then lie above them, and Label3 above Eingabe.
    new DogPicture(m_dog, windowTitle(), this);
    buildLabels();
    buildFields();

    m_wordList->setFocus();
}

void WumpelWindow::buildLabels()
{
    QLabel* instruction = addLabel(layout::Eingabe);
    instruction->setFrameShape(QFrame::NoFrame);
    // From the top: the lower part of the box lies under the example row.
    instruction->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    instruction->setWordWrap(true);
    instruction->setAccessibleName(instruction->text());

    connect(addClickableLabel(layout::Uebernehmen), &ClickFilter::clicked, this,
            &WumpelWindow::applyWordList);
    connect(addClickableLabel(layout::Label2), &ClickFilter::clicked, this,
            &WumpelWindow::startNewText);
    connect(addClickableLabel(layout::Label1), &ClickFilter::clicked, this,
            &WumpelWindow::appendVerse);
    connect(addClickableLabel(layout::Label3, QStringLiteral("Beispiel 1")), &ClickFilter::clicked,
            this, [this] { loadExample(1); });
}

void WumpelWindow::buildFields()
{
    m_wordList = new MultiLineField<QPlainTextEdit>(this);
    place(m_wordList, layout::Text1, QPalette::Base, QPalette::Text);
    configureMultiLineField(m_wordList);
    m_wordList->setAccessibleName(QStringLiteral("Wortliste"));

    m_output = new MultiLineField<QPlainTextEdit>(this);
    place(m_output, layout::Text2, QPalette::Base, QPalette::Text);
    configureMultiLineField(m_output);
    m_output->setAccessibleName(QStringLiteral("Dreizeiler"));
    m_outputReplacer = new OutputReplacer(m_output);
    m_outputReplacer->replace(layout::Text2.text);

    auto* information = new MultiLineField<QTextEdit>(this);
    place(information, layout::Text3, QPalette::Base, QPalette::Text);
    information->setAcceptRichText(false);
    information->setFrameShape(QFrame::NoFrame);
    information->setLineWrapMode(QTextEdit::WidgetWidth);
    information->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    information->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    information->setTabChangesFocus(true);
    information->forgetHistoryBeforeEachPaste();
    // Set on the document rather than on the text, so lines the user types stay
    // centred too.
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    information->document()->setDefaultTextOption(centred);
    information->setPlainText(displayedText(layout::Text3.text));
    fitThreeLines(information);
    information->setAccessibleName(QStringLiteral("Information"));

    auto* examples = new QPushButton(qString(layout::Command1.text), this);
    place(examples, layout::Command1, QPalette::Button, QPalette::ButtonText);
    giveFlatFace(examples, QColor::fromRgb(*layout::Command1.background));
    // No default button: Enter in the text fields only starts a new line.
    examples->setAutoDefault(false);
    examples->setDefault(false);

    QLineEdit* example2 = addExampleField(layout::Text4, 2);
    QLineEdit* example3 = addExampleField(layout::Text5, 3);

    setTabOrder(m_wordList, m_output);
    setTabOrder(m_output, information);
    setTabOrder(information, examples);
    setTabOrder(examples, example2);
    setTabOrder(example2, example3);
}

QLineEdit* WumpelWindow::addExampleField(const ObjectLayout& layout, int number)
{
    auto* field = new QLineEdit(qString(layout.text), this);
    place(field, layout, QPalette::Base, QPalette::Text);
    field->setAlignment(Qt::AlignCenter);
    field->setAccessibleName(QStringLiteral("Beispiel %1").arg(number));
    // The list belongs to the field, whatever the user has typed into it.
    connect(ClickFilter::watch(field), &ClickFilter::clicked, this,
            [this, number] { loadExample(number); });
    exposePressAction(field);
    return field;
}

QLabel* WumpelWindow::addLabel(const ObjectLayout& layout)
{
    auto* label = new QLabel(qString(layout.text), this);
    label->setForegroundRole(QPalette::ButtonText);
    place(label, layout, QPalette::Window, QPalette::ButtonText);
    label->setAutoFillBackground(true);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignCenter);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

ClickFilter* WumpelWindow::addClickableLabel(const ObjectLayout& layout,
                                             const QString& accessibleName)
{
    QLabel* label = addLabel(layout);
    ClickFilter* filter = ClickFilter::watch(label);
    exposePressAction(label);
    label->setAccessibleName(accessibleName.isEmpty() ? label->text() : accessibleName);
    return filter;
}

void WumpelWindow::place(QWidget* widget, const ObjectLayout& layout,
                         QPalette::ColorRole backgroundRole, QPalette::ColorRole textRole)
{
    widget->setObjectName(qString(layout.name));
    widget->setGeometry(pixelRect(layout.box));
    widget->setFont(fontFor(layout.font));
    if (layout.background.has_value()) {
        QPalette palette = widget->palette();
        giveFixedBackground(palette, backgroundRole, textRole, QColor::fromRgb(*layout.background));
        widget->setPalette(palette);
    }
}

std::string WumpelWindow::ReadWordList() const
{
    // The raw text, as the field holds it: toPlainText() would turn a no-break
    // space into a blank and a line separator into a line break, and the list
    // would then read differently here than in wumpel-verse. Only the breaks
    // between blocks, the lines the user sees, become CR LF.
    return crLfText(m_wordList->document()->toRawText(), QChar::ParagraphSeparator);
}

void WumpelWindow::ReplaceOutput(std::string_view text)
{
    m_outputReplacer->replace(text);
}

void WumpelWindow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    // Painted here rather than set as the window's palette, which every child
    // would inherit down to its scroll bars.
    painter.fillRect(rect(), QColor::fromRgb(layout::Background));
}

// Qt carries no exception through its event loop, so one that an action
// throws (no memory for the text, a broken random source) stops here rather
// than ending the program: the click is dropped with one line on standard
// error, and Text1 and Text2 keep what they showed.
void WumpelWindow::runAction(const ObjectLayout& clicked, Action action)
{
    try {
        action(m_state, *this, *m_random);
    } catch (const std::exception& error) {
        qWarning("wumpel: \"%s\" failed: %s", qUtf8Printable(qString(clicked.text)), error.what());
    }
}

void WumpelWindow::applyWordList()
{
    runAction(layout::Uebernehmen, ApplyWordList);
}

void WumpelWindow::startNewText()
{
    runAction(layout::Label2, StartNewText);
}

void WumpelWindow::appendVerse()
{
    runAction(layout::Label1, AppendVerse);
}

void WumpelWindow::loadExample(int number)
{
    // One edit rather than setPlainText, which would clear the undo history:
    // a mis-click next to the field must not throw a typed list away for good.
    // Only the load itself stays undoable. The history before it goes, as it
    // did when a load replaced the text outright: kept for good, it would
    // hold every text ever pasted into the field for the life of the window.
    QTextDocument* document = m_wordList->document();
    document->setUndoRedoEnabled(false);
    document->setUndoRedoEnabled(true);
    QTextCursor all(document);
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    all.insertText(displayedText(exampleWordList(number)));
    all.endEditBlock();
    // The caret and the view go to the start, where setPlainText put them.
    m_wordList->moveCursor(QTextCursor::Start);
}

} // namespace wumpel
