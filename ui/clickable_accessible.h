// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>
#include <QPointer>

class QLabel;

namespace wumpel {

class ClickFilter;

// A label that starts an action reads as a button to a screen reader and can be
// pressed from there, while it still never takes the keyboard focus.
class ClickableLabelAccessible : public QAccessibleWidget {
public:
    ClickableLabelAccessible(QLabel* label, ClickFilter* filter);

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QPointer<ClickFilter> m_filter;
};

// Makes a label that already carries a ClickFilter read as a button.
void exposeAsButton(QLabel* label);

} // namespace wumpel
