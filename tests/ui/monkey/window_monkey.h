// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "clipboard_owner.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "event_generator.h"
#include "monkey_progress.h"
#include "monkey_settings.h"
#include "process_memory.h"
#include "tests/support/fake_verse_window.h"
#include "tests/support/verse_form_checker.h"
#include "ui/wumpel_window.h"
#include "word_list_model.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

namespace wumpel::monkey {

using testing_support::VerseFormChecker;

// Drives the real window with the generator's events as a user would, on the
// X clipboard, and checks after every action click what must hold: Text2 shows
// the message or well-formed verses, exactly those an engine run with the same
// seed and the same word lists gives; Text1 holds what the events put there
// when that is known; memory stays bounded. Runs in a process of its own, so
// that a crash of the window cannot hide behind the checks.
class WindowMonkey {
public:
    WindowMonkey(const MonkeySettings& settings, MonkeyProgress& progress);

    // 0 when every check held; otherwise the failure is printed.
    int run();

private:
    void warmUp();
    void perform(const MonkeyEvent& event);
    void click(const MonkeyEvent& event);
    void key(const MonkeyEvent& event);
    void shortcut(const MonkeyEvent& event);
    void takeClipboard(const MonkeyEvent& event);
    void pasteAsOwnerDies(const MonkeyEvent& event);

    void pasteInto(const QString& field);
    void afterVerseAction();
    void checkWordList(bool evenIfLong);
    void checkMemory() const;
    void checkAtEnd();

    QString objectAt(QPoint point) const;
    QString focusedObject() const;

    MonkeySettings m_settings;
    MonkeyProgress& m_progress;
    EventGenerator m_events;
    std::unique_ptr<WumpelWindow> m_window;

    // The engine on its own, fed the same word lists and the same seed.
    GeneratorState m_referenceState;
    SeededRandomSource m_referenceRandom;
    testing_support::FakeVerseWindow m_reference;
    std::unique_ptr<VerseFormChecker> m_form;
    std::size_t m_checkedVerseLength = 0;

    WordListModel m_wordList;
    // What Text2 shows, until an event may have edited it.
    std::optional<std::string> m_output;
    // What a paste would insert; unknown after a copy of an unknown selection
    // or once the owner has been killed.
    std::optional<QString> m_clipboard;
    ClipboardOwner m_owner;

    ProcessMemory m_startMemory;
    ProcessMemory m_warmMemory;
    std::int64_t m_index = 0;
    std::int64_t m_verseActions = 0;
    std::int64_t m_versesChecked = 0;
    std::int64_t m_wordListChecks = 0;
    std::int64_t m_pastes = 0;
};

} // namespace wumpel::monkey
