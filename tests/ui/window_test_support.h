// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/random_source.h"
#include "ui/wumpel_window.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>

namespace wumpel::test {

inline constexpr std::uint64_t TestSeed = 20261208;

// A fresh, shown window drawing from random, by default SeededRandomSource(TestSeed).
std::unique_ptr<WumpelWindow> makeShownWindow(std::unique_ptr<RandomSource> random = {});

// The direct child of window with this object name, or nullptr.
QWidget* object(const WumpelWindow& window, const QString& name);

template <typename Widget> Widget* objectAs(const WumpelWindow& window, const QString& name)
{
    return qobject_cast<Widget*>(object(window, name));
}

// A click as the window system delivers it, at the visible centre of the object.
void click(WumpelWindow& window, const QString& name, Qt::MouseButton button = Qt::LeftButton);
void doubleClick(WumpelWindow& window, const QString& name);

// What Text2 shows, with its line breaks as CR LF.
std::string shownOutput(const WumpelWindow& window);

} // namespace wumpel::test
