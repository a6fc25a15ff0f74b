// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "window_test_support.h"

#include "engine/random_source.h"
#include "ui/line_breaks.h"

#include <QPlainTextEdit>
#include <QTest>

#include <utility>

namespace wumpel::test {
namespace {

QPoint centreInWindow(const WumpelWindow& window, const QString& name)
{
    QWidget* target = object(window, name);
    if (target == nullptr) {
        qFatal("no object named %s", qPrintable(name));
    }
    return target->mapTo(&window, target->rect().center());
}

} // namespace

std::unique_ptr<WumpelWindow> makeShownWindow(std::unique_ptr<RandomSource> random)
{
    if (!random) {
        random = std::make_unique<SeededRandomSource>(TestSeed);
    }
    auto window = std::make_unique<WumpelWindow>(std::move(random));
    window->show();
    if (!QTest::qWaitForWindowActive(window.get())) {
        qFatal("the window did not become active");
    }
    return window;
}

QWidget* object(const WumpelWindow& window, const QString& name)
{
    return window.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

void click(WumpelWindow& window, const QString& name, Qt::MouseButton button)
{
    QTest::mouseClick(window.windowHandle(), button, {}, centreInWindow(window, name));
}

void doubleClick(WumpelWindow& window, const QString& name)
{
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, centreInWindow(window, name));
}

std::string shownOutput(const WumpelWindow& window)
{
    return crLfText(objectAs<QPlainTextEdit>(window, QStringLiteral("Text2"))->toPlainText());
}

} // namespace wumpel::test
