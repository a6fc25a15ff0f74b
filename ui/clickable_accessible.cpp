// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/clickable_accessible.h"

#include "ui/click_filter.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace wumpel {
namespace {

ClickFilter* filterOf(QObject* object)
{
    return object->findChild<ClickFilter*>(QString(), Qt::FindDirectChildrenOnly);
}

QAccessibleInterface* clickableFactory(const QString& /*className*/, QObject* object)
{
    ClickFilter* filter = filterOf(object);
    if (filter == nullptr) {
        return nullptr;
    }
    if (auto* label = qobject_cast<QLabel*>(object)) {
        return new ClickableLabelAccessible(label, filter);
    }
    if (auto* field = qobject_cast<QLineEdit*>(object)) {
        return new ClickableFieldAccessible(field, filter);
    }
    return nullptr;
}

} // namespace

void exposePressAction(QWidget* widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(clickableFactory);
        return true;
    }();
    Q_UNUSED(installed)
    // A widget makes its accessible interface while it is being built, long
    // before it is watched; dropping that one lets the next query find the filter.
    if (QAccessibleInterface* built = QAccessible::queryAccessibleInterface(widget)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(built));
    }
}

ClickableLabelAccessible::ClickableLabelAccessible(QLabel* label, ClickFilter* filter)
    : QAccessibleWidget(label, QAccessible::Button), m_filter(filter)
{
}

QStringList ClickableLabelAccessible::actionNames() const
{
    return {pressAction()};
}

void ClickableLabelAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && m_filter != nullptr) {
        m_filter->click();
    }
}

ClickableFieldAccessible::ClickableFieldAccessible(QLineEdit* field, ClickFilter* filter)
    : QAccessibleWidget(field, QAccessible::EditableText), m_filter(filter)
{
}

QLineEdit* ClickableFieldAccessible::field() const
{
    return static_cast<QLineEdit*>(widget());
}

void* ClickableFieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString ClickableFieldAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value) {
        return field()->text();
    }
    return QAccessibleWidget::text(kind);
}

QAccessible::State ClickableFieldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !field()->isReadOnly();
    state.selectableText = true;
    return state;
}

QStringList ClickableFieldAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void ClickableFieldAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction()) {
        if (m_filter != nullptr) {
            m_filter->click();
        }
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

void ClickableFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const bool selected = selectionIndex == 0 && field()->hasSelectedText();
    *startOffset = selected ? field()->selectionStart() : 0;
    *endOffset = selected ? field()->selectionEnd() : 0;
}

int ClickableFieldAccessible::selectionCount() const
{
    return field()->hasSelectedText() ? 1 : 0;
}

void ClickableFieldAccessible::addSelection(int startOffset, int endOffset)
{
    // A line edit holds one selection at most; a new one replaces it.
    setSelection(0, startOffset, endOffset);
}

void ClickableFieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0) {
        field()->deselect();
    }
}

void ClickableFieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0) {
        field()->setSelection(startOffset, endOffset - startOffset);
    }
}

int ClickableFieldAccessible::cursorPosition() const
{
    return field()->cursorPosition();
}

void ClickableFieldAccessible::setCursorPosition(int position)
{
    field()->setCursorPosition(position);
}

QString ClickableFieldAccessible::text(int startOffset, int endOffset) const
{
    return field()->text().mid(startOffset, endOffset - startOffset);
}

// The line edit tells where its caret stands, not where each character does:
// a character lies as far from the caret as the text between them is wide.
QRect ClickableFieldAccessible::characterRect(int offset) const
{
    const QString shown = field()->displayText();
    if (offset < 0 || offset >= shown.size()) {
        return {};
    }
    const QFontMetrics metrics(field()->font());
    const QRect caret = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int fromCaret = metrics.horizontalAdvance(shown.left(offset)) -
                          metrics.horizontalAdvance(shown.left(field()->cursorPosition()));
    const QPoint topLeft(caret.center().x() + fromCaret, caret.top());
    return {field()->mapToGlobal(topLeft),
            QSize(metrics.horizontalAdvance(shown.at(offset)), caret.height())};
}

int ClickableFieldAccessible::characterCount() const
{
    return static_cast<int>(field()->text().size());
}

int ClickableFieldAccessible::offsetAtPoint(const QPoint& point) const
{
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
}

void ClickableFieldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    // The caret at each end in turn scrolls the field to show both, the start
    // winning where the substring is wider than the field.
    field()->setCursorPosition(endIndex);
    field()->setCursorPosition(startIndex);
}

QString ClickableFieldAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const
{
    // One font and colour for the whole text: no attributes of its own.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace wumpel
