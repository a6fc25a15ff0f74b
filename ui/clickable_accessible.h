// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// Objects that start an action on a click, as assistive technology sees them:
// each offers the press action, which clicks it, since a screen reader
// presses without a mouse.

#include <QAccessibleWidget>
#include <QPointer>

class QLabel;
class QLineEdit;

namespace wumpel {

class ClickFilter;

// A label that starts an action reads as a button, while it still never takes
// the keyboard focus.
class ClickableLabelAccessible : public QAccessibleWidget {
public:
    ClickableLabelAccessible(QLabel* label, ClickFilter* filter);

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QPointer<ClickFilter> m_filter;
};

// A text field whose click loads an example list stays a text field, its text
// readable and editable, and offers the press action beside taking the focus.
// Qt's own interface for a line edit is private, so the text is read from the
// field's public API here.
class ClickableFieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    ClickableFieldAccessible(QLineEdit* field, ClickFilter* filter);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QRect characterRect(int offset) const override;
    int characterCount() const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QLineEdit* field() const;

    QPointer<ClickFilter> m_filter;
};

// Gives a label or a text field that already carries a ClickFilter the press
// action: the label then reads as a button, the field stays a text field.
void exposePressAction(QWidget* widget);

} // namespace wumpel
