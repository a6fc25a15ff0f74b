// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "window_monkey.h"

#include "engine/actions.h"
#include "frontend/example_word_lists.h"
#include "ui/line_breaks.h"
#include "ui/window_layout.h"
#include "window_test_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <stdexcept>

namespace wumpel::monkey {
namespace {

// A check that does not hold; run() reports it with the event that broke it.
class MonkeyFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Text1 is compared after every event while it is short; a long one only at
// the action clicks, since reading it costs time in proportion to its length.
constexpr qsizetype CheapWordListLength = 20000;
constexpr std::int64_t MemoryCheckInterval = 250;
// Memory after the run may be this many times what the window needed once
// warmed up plus what its two fields hold. warmUp() runs the largest pastes
// and a string of verses first, so that Qt's font and glyph caches are filled
// and the heap has seen the biggest texts come and go; the bare start-up
// figure would count all that as growth. Even so the heap does not give back
// all it has once held, and runs of up to 100,000 events end at up to about
// three times the warmed-up figure, where a leak of the pasted texts would
// reach tens of times.
constexpr std::int64_t EndMemoryFactor = 4;
constexpr int WarmUpVerses = 30;
// A character held in a QPlainTextEdit costs its two bytes, its share of the
// block and layout it stands in, and its copy in the undo history.
constexpr std::int64_t BytesPerHeldCharacter = 64;

// Long texts in a report are cut to their ends.
std::string excerpt(std::string_view text)
{
    constexpr std::size_t Shown = 200;
    if (text.size() <= 2 * Shown) {
        return '"' + std::string(text) + '"';
    }
    return '"' + std::string(text.substr(0, Shown)) + "\" ... \"" +
           std::string(text.substr(text.size() - Shown)) + "\" (" + std::to_string(text.size()) +
           " characters)";
}

// The point of the monkey is the X clipboard, so no other platform will do.
xcb_connection_t* xConnection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        throw MonkeyFailure("the window does not run on X11 (QT_QPA_PLATFORM=xcb)");
    }
    return x11->connection();
}

int exampleNumber(const QString& object)
{
    if (object == QStringLiteral("Label3")) {
        return 1;
    }
    if (object == QStringLiteral("Text4")) {
        return 2;
    }
    if (object == QStringLiteral("Text5")) {
        return 3;
    }
    return 0;
}

} // namespace

WindowMonkey::WindowMonkey(const MonkeySettings& settings, MonkeyProgress& progress)
    : m_settings(settings), m_progress(progress), m_events(settings.seed),
      m_referenceRandom(settings.seed), m_output(" noch leer\r\n"), m_owner(xConnection())
{
    m_window = std::make_unique<WumpelWindow>(std::make_unique<SeededRandomSource>(settings.seed));
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get())) {
        throw MonkeyFailure("the window was never shown");
    }
    // Without a window manager nobody else hands the window the keyboard.
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get())) {
        throw MonkeyFailure("the window never became active");
    }
}

int WindowMonkey::run()
{
    QElapsedTimer clock;
    clock.start();
    malloc_trim(0);
    m_startMemory = ProcessMemory::now();
    try {
        warmUp();
        malloc_trim(0);
        m_warmMemory = ProcessMemory::now();
        checkWordList(true);
        for (m_index = 0; m_index < m_settings.events; ++m_index) {
            const MonkeyEvent event = m_events.next();
            if (!m_settings.performs(m_index)) {
                continue;
            }
            m_progress.begin(m_index, describe(event));
            if (m_settings.trace) {
                std::fprintf(stderr, "%lld: %s\n", static_cast<long long>(m_index),
                             describe(event).c_str());
            }
            perform(event);
            checkWordList(false);
            if (m_index % MemoryCheckInterval == 0) {
                checkMemory();
            }
        }
        m_progress.begin(m_index, "final checks");
        checkAtEnd();
    } catch (const std::exception& failure) {
        std::printf(
            "window_monkey: FAILED at event %lld of seed %llu: %s\n"
            "Last events:\n%s"
            "Repeat with WUMPEL_MONKEY_SEED=%llu WUMPEL_MONKEY_EVENTS=%lld\n"
            "Peak memory so far %lld KiB\n",
            static_cast<long long>(m_index), static_cast<unsigned long long>(m_settings.seed),
            failure.what(), m_progress.recentEvents().c_str(),
            static_cast<unsigned long long>(m_settings.seed), static_cast<long long>(m_index) + 1,
            static_cast<long long>(ProcessMemory::now().peakResidentKib));
        std::fflush(stdout);
        return 1;
    }
    const ProcessMemory end = ProcessMemory::now();
    std::printf(
        "window_monkey: %lld events in %.1f s; %lld verse actions, %lld verses checked, "
        "%lld word-list comparisons, %lld pastes; memory at start %lld KiB, warmed up %lld "
        "KiB, at end %lld KiB, peak %lld KiB\n",
        static_cast<long long>(m_settings.events), static_cast<double>(clock.elapsed()) / 1000.0,
        static_cast<long long>(m_verseActions), static_cast<long long>(m_versesChecked),
        static_cast<long long>(m_wordListChecks), static_cast<long long>(m_pastes),
        static_cast<long long>(m_startMemory.residentKib),
        static_cast<long long>(m_warmMemory.residentKib), static_cast<long long>(end.residentKib),
        static_cast<long long>(end.peakResidentKib));
    std::fflush(stdout);
    return 0;
}

// The same for every seed, and not counted among the seed's events.
void WindowMonkey::warmUp()
{
    const auto clickOn = [this](const ObjectLayout& object) {
        MonkeyEvent event;
        event.aimedAt = qString(object.name);
        event.point = pixelRect(object.box).center();
        m_progress.begin(-1, "warm-up: " + describe(event));
        perform(event);
    };
    const auto pasteOverWordList = [&](ClipboardShape shape) {
        MonkeyEvent take;
        take.action = MonkeyAction::TakeClipboard;
        take.shape = shape;
        m_progress.begin(-1, "warm-up: " + describe(take));
        perform(take);
        clickOn(layout::Text1);
        for (const char letter : {'a', 'v'}) {
            MonkeyEvent shortcut;
            shortcut.action = MonkeyAction::Shortcut;
            shortcut.key = Qt::Key_A + (letter - 'a');
            shortcut.text = QChar(letter);
            perform(shortcut);
        }
    };
    pasteOverWordList(ClipboardShape::ManyLines);
    pasteOverWordList(ClipboardShape::LongLine);
    clickOn(layout::Label3);
    clickOn(layout::Uebernehmen);
    for (int verse = 0; verse < WarmUpVerses; ++verse) {
        clickOn(layout::Label1);
    }
    clickOn(layout::Label2);
}

void WindowMonkey::perform(const MonkeyEvent& event)
{
    switch (event.action) {
    case MonkeyAction::Click:
    case MonkeyAction::DoubleClick:
        click(event);
        break;
    case MonkeyAction::Key:
        key(event);
        break;
    case MonkeyAction::Shortcut:
        shortcut(event);
        break;
    case MonkeyAction::TakeClipboard:
        takeClipboard(event);
        break;
    case MonkeyAction::PasteAsOwnerDies:
        pasteAsOwnerDies(event);
        break;
    }
}

void WindowMonkey::click(const MonkeyEvent& event)
{
    const QString hit = objectAt(event.point);
    QWindow* window = m_window->windowHandle();
    QTest::mouseMove(window, event.point);
    if (event.action == MonkeyAction::DoubleClick) {
        QTest::mouseDClick(window, Qt::LeftButton, {}, event.point);
    } else {
        QTest::mouseClick(window, Qt::LeftButton, {}, event.point);
    }
    // A double-click runs an action once, like a single click.
    if (const int example = exampleNumber(hit); example != 0) {
        m_wordList.load(displayedText(exampleWordList(example)));
        checkWordList(true);
    } else if (hit == QStringLiteral("Übernehmen")) {
        checkWordList(true);
        m_reference.WordList = m_window->ReadWordList();
        ApplyWordList(m_referenceState, m_reference, m_referenceRandom);
        if (m_referenceState.LastEntryIndex >= MinimumLastEntryIndex) {
            m_form = std::make_unique<VerseFormChecker>(m_reference.WordList);
            m_checkedVerseLength = 0;
        }
        afterVerseAction();
    } else if (hit == QStringLiteral("Label1")) {
        AppendVerse(m_referenceState, m_reference, m_referenceRandom);
        afterVerseAction();
    } else if (hit == QStringLiteral("Label2")) {
        StartNewText(m_referenceState, m_reference, m_referenceRandom);
        m_checkedVerseLength = 0;
        afterVerseAction();
    } else if (hit == QStringLiteral("Text1")) {
        m_wordList.caretMoved();
    }
}

void WindowMonkey::key(const MonkeyEvent& event)
{
    const QString focus = focusedObject();
    QTest::sendKeyEvent(QTest::Click, m_window->windowHandle(), static_cast<Qt::Key>(event.key),
                        event.text, event.shift ? Qt::ShiftModifier : Qt::NoModifier);
    if (focus == QStringLiteral("Text1")) {
        if (event.key == Qt::Key_Backspace) {
            m_wordList.backspace();
        } else if (event.key == Qt::Key_Return) {
            m_wordList.insert(QStringLiteral("\n"));
        } else if (event.key != Qt::Key_Tab) {
            m_wordList.insert(event.text);
        }
    } else if (focus == QStringLiteral("Text2") && event.key != Qt::Key_Tab) {
        m_output.reset();
    }
}

void WindowMonkey::shortcut(const MonkeyEvent& event)
{
    const QString focus = focusedObject();
    const char letter = event.text.at(0).toLatin1();
    // The text an X keyboard gives for ctrl and a letter is the control character.
    const QString controlText(QChar(letter - 'a' + 1));
    QTest::sendKeyEvent(QTest::Click, m_window->windowHandle(), static_cast<Qt::Key>(event.key),
                        controlText, Qt::ControlModifier);
    if (focus == QStringLiteral("Text1")) {
        switch (letter) {
        case 'a':
            m_wordList.selectAll();
            break;
        case 'c':
            if (!m_wordList.nothingSelected()) {
                m_clipboard = m_wordList.copy();
            }
            break;
        case 'x':
            if (!m_wordList.nothingSelected()) {
                m_clipboard = m_wordList.cut();
            }
            break;
        case 'v':
            pasteInto(focus);
            break;
        default:
            m_wordList.forget();
            break;
        }
        return;
    }
    if (letter == 'c' || letter == 'x') {
        // Whatever the selection was, it may now be the clipboard's text.
        m_clipboard.reset();
    }
    if (focus == QStringLiteral("Text2") && letter != 'a' && letter != 'c') {
        m_output.reset();
    }
    if (letter == 'v') {
        ++m_pastes;
    }
}

void WindowMonkey::pasteInto(const QString& field)
{
    ++m_pastes;
    if (field != QStringLiteral("Text1")) {
        return;
    }
    if (m_clipboard.has_value()) {
        m_wordList.insert(*m_clipboard);
    } else {
        m_wordList.forget();
    }
}

void WindowMonkey::takeClipboard(const MonkeyEvent& event)
{
    const QString text = clipboardText(event.shape, event.textSeed);
    std::string error;
    if (!m_owner.take(text.toStdString(), error)) {
        throw MonkeyFailure(error);
    }
    m_clipboard = text;
}

void WindowMonkey::pasteAsOwnerDies(const MonkeyEvent& event)
{
    const QString focus = focusedObject();
    m_owner.killAfter(event.killDelay);
    QTest::sendKeyEvent(QTest::Click, m_window->windowHandle(), Qt::Key_V, QStringLiteral("\x16"),
                        Qt::ControlModifier);
    ++m_pastes;
    // Whether the text arrived whole, in part or not at all is a race.
    if (focus == QStringLiteral("Text1")) {
        m_wordList.forget();
    } else if (focus == QStringLiteral("Text2")) {
        m_output.reset();
    }
    m_clipboard.reset();
}

void WindowMonkey::afterVerseAction()
{
    ++m_verseActions;
    const std::string shown = test::shownOutput(*m_window);
    if (shown != m_reference.Output) {
        throw MonkeyFailure("Text2 shows " + excerpt(shown) + " but the engine wrote " +
                            excerpt(m_reference.Output));
    }
    m_output = shown;
    if (shown == TooFewWordsMessage) {
        return;
    }
    if (shown != m_referenceState.VerseText) {
        throw MonkeyFailure("Text2 shows " + excerpt(shown) + " but the engine's VerseText is " +
                            excerpt(m_referenceState.VerseText));
    }
    if (m_form == nullptr) {
        throw MonkeyFailure("Text2 shows verses although no list of nine entries was taken over");
    }
    // Earlier verses were checked when they came; a text only ever grows by
    // whole verses until a new one starts.
    const std::string wrong = m_form->check(std::string_view(shown).substr(m_checkedVerseLength));
    if (!wrong.empty()) {
        throw MonkeyFailure("Text2 is not well formed: " + wrong);
    }
    m_versesChecked += static_cast<std::int64_t>(
        std::count(shown.begin() + static_cast<std::ptrdiff_t>(m_checkedVerseLength), shown.end(),
                   '\n') /
        4);
    m_checkedVerseLength = shown.size();
}

void WindowMonkey::checkWordList(bool evenIfLong)
{
    const std::optional<QString>& expected = m_wordList.text();
    if (!expected.has_value() || (!evenIfLong && expected->size() > CheapWordListLength)) {
        return;
    }
    const std::string shown = m_window->ReadWordList();
    const std::string wanted = crLfText(*expected);
    if (shown != wanted) {
        throw MonkeyFailure("Text1 holds " + excerpt(shown) + " but the events put " +
                            excerpt(wanted) + " there");
    }
    ++m_wordListChecks;
}

void WindowMonkey::checkMemory() const
{
    const ProcessMemory memory = ProcessMemory::now();
    if (memory.peakResidentKib > m_settings.peakMib * 1024) {
        throw MonkeyFailure(
            "peak resident memory " + std::to_string(memory.peakResidentKib / 1024) +
            " MiB exceeds the bound of " + std::to_string(m_settings.peakMib) + " MiB");
    }
}

void WindowMonkey::checkAtEnd()
{
    checkWordList(true);
    if (m_output.has_value() && test::shownOutput(*m_window) != *m_output) {
        throw MonkeyFailure("Text2 changed without a verse action: it shows " +
                            excerpt(test::shownOutput(*m_window)) + " instead of " +
                            excerpt(*m_output));
    }
    checkMemory();
    if (!m_settings.checkEndMemory) {
        return;
    }
    // Freed memory goes back to the system first, or the figure would show
    // the peak rather than what is still held.
    malloc_trim(0);
    const ProcessMemory end = ProcessMemory::now();
    const auto* wordList = test::objectAs<QPlainTextEdit>(*m_window, QStringLiteral("Text1"));
    const auto* output = test::objectAs<QPlainTextEdit>(*m_window, QStringLiteral("Text2"));
    const std::int64_t held =
        wordList->document()->characterCount() + output->document()->characterCount();
    const std::int64_t boundKib =
        EndMemoryFactor * (m_warmMemory.residentKib + held * BytesPerHeldCharacter / 1024);
    if (end.residentKib > boundKib) {
        throw MonkeyFailure("resident memory after the run is " + std::to_string(end.residentKib) +
                            " KiB, more than " + std::to_string(EndMemoryFactor) + " times the " +
                            std::to_string(m_warmMemory.residentKib) + " KiB when warmed up plus " +
                            std::to_string(held) + " characters held");
    }
}

QString WindowMonkey::objectAt(QPoint point) const
{
    QWidget* widget = m_window->childAt(point);
    while (widget != nullptr && widget->parentWidget() != m_window.get()) {
        widget = widget->parentWidget();
    }
    return widget == nullptr ? QStringLiteral("background") : widget->objectName();
}

QString WindowMonkey::focusedObject() const
{
    QWidget* widget = QApplication::focusWidget();
    while (widget != nullptr && widget->parentWidget() != m_window.get()) {
        widget = widget->parentWidget();
    }
    return widget == nullptr ? QString() : widget->objectName();
}

} // namespace wumpel::monkey
