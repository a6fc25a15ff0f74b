// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "clipboard_texts.h"

#include <QPoint>
#include <QString>

#include <chrono>
#include <cstdint>
#include <string>

namespace wumpel::monkey {

enum class MonkeyAction {
    Click,
    DoubleClick,
    Key,             // one key with the text it types, to whatever has the focus
    Shortcut,        // ctrl + letter, to whatever has the focus
    TakeClipboard,   // another program puts text on the clipboard
    PasteAsOwnerDies // ctrl+v while the clipboard's owner is killed
};

// One thing a user does. Everything about it is drawn in advance, so the
// sequence depends on the seed alone and never on how the window reacted.
struct MonkeyEvent {
    MonkeyAction action = MonkeyAction::Click;
    // Click, DoubleClick: where in the window, and the object the point was
    // drawn from (a neighbour lying above it may take the click).
    QPoint point;
    QString aimedAt;
    // Key: the key and the text it types; Shortcut: the letter.
    int key = 0;
    QString text;
    bool shift = false;
    // TakeClipboard: the text comes from the shape and this seed.
    ClipboardShape shape = ClipboardShape::Empty;
    std::uint64_t textSeed = 0;
    // PasteAsOwnerDies.
    std::chrono::microseconds killDelay{0};
};

// One line for the failure report, enough to replay the event by hand.
std::string describe(const MonkeyEvent& event);

} // namespace wumpel::monkey
