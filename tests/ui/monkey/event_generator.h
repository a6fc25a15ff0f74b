// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "monkey_event.h"
#include "monkey_random.h"

#include <cstdint>
#include <deque>

namespace wumpel::monkey {

// Draws what a restless user does, one gesture at a time (a click, a word
// typed, a paste over the whole word list ...), and hands it out one event at
// a time. Gestures that need several steps keep them together, so that the
// sequences behind real faults come up often enough to be found.
class EventGenerator {
public:
    explicit EventGenerator(std::uint64_t seed) : m_random(seed) {}

    MonkeyEvent next();

private:
    void drawGesture();

    void click(MonkeyAction action);
    void clickOn(const QString& name);
    void clickBackground(MonkeyAction action);
    void typeWord();
    void typeEntryList();
    void typeChar(QChar c);
    void specialKey();
    void shortcut(char letter);
    void shortcutInField();
    void clearWordList();
    void takeClipboard(bool preferLarge);
    void pasteOverWordList();
    void pasteAtCaret();
    void pasteAsOwnerDies();
    void loadAndApply();
    void verseRun();

    MonkeyRandom m_random;
    std::deque<MonkeyEvent> m_pending;
};

} // namespace wumpel::monkey
