// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "monkey_event.h"

namespace wumpel::monkey {
namespace {

std::string at(const MonkeyEvent& event)
{
    return event.aimedAt.toStdString() + " at (" + std::to_string(event.point.x()) + "," +
           std::to_string(event.point.y()) + ")";
}

std::string keyName(const MonkeyEvent& event)
{
    if (event.text == QStringLiteral("\r")) {
        return "Enter";
    }
    if (event.text == QStringLiteral("\t")) {
        return "Tab";
    }
    if (event.text == QStringLiteral("\b")) {
        return "Backspace";
    }
    // Appended rather than "'" + text + "'": GCC 12 at -O3 takes the insert at
    // the front that this would make for an overlapping copy (-Wrestrict).
    std::string quoted = "'";
    quoted += event.text.toStdString();
    quoted += "'";
    return quoted;
}

} // namespace

std::string describe(const MonkeyEvent& event)
{
    switch (event.action) {
    case MonkeyAction::Click:
        return "click " + at(event);
    case MonkeyAction::DoubleClick:
        return "double-click " + at(event);
    case MonkeyAction::Key:
        return "key " + keyName(event);
    case MonkeyAction::Shortcut:
        return "ctrl+" + event.text.toStdString();
    case MonkeyAction::TakeClipboard:
        return std::string("clipboard := ") + shapeName(event.shape) + " (text seed " +
               std::to_string(event.textSeed) + ")";
    case MonkeyAction::PasteAsOwnerDies:
        return "ctrl+v, owner killed after " + std::to_string(event.killDelay.count()) + " us";
    }
    return "?";
}

} // namespace wumpel::monkey
