// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QKeyEvent>
#include <QMimeData>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace wumpel {

// A multi-line text field of the window (Text1, Text2, Text3): Qt's
// QPlainTextEdit or QTextEdit with two departures.
//
// Paste and drop take the plain text of the data and nothing else. Qt 6.4's own
// QWidgetTextControl::insertFromMimeData first compares formats().first() with
// "text/markdown", without looking whether the list is empty. An X clipboard
// whose owner has gone, or does not answer within Qt's clipboard timeout, lists
// no formats, and Ctrl+V on it crashed the program. The fields hold plain text
// only, so the text is all they need, and Qt's path is never taken.
//
// Copy and drag offer the plain text of the selection alone. Qt 6 adds
// text/markdown (and HTML) written from the document, where every line
// becomes a paragraph of its own: an application that prefers markdown would
// paste the verses with an empty line after each line.
//
// Ctrl+Y redoes, as Ctrl+Shift+Z does; Qt binds it only on Windows.
//
// Shift+Enter starts a new line as Enter does. Qt would insert a line
// separator (U+2028) instead, which looks like a line break but is an ordinary
// character of the word list.
//
// No Q_OBJECT: moc cannot read a template, and the field adds no signal, slot or
// property to those of Edit.
template <typename Edit> class MultiLineField : public Edit {
public:
    using Edit::Edit;

    // For a field nothing ever replaces: a paste or drop lets the history
    // before it go, and only stays undoable itself. Kept for good, the history
    // would hold every text ever pasted into the field for the life of the
    // window.
    void forgetHistoryBeforeEachPaste() { m_forgetHistoryBeforePaste = true; }

protected:
    QMimeData* createMimeDataFromSelection() const override
    {
        auto* plain = new QMimeData;
        plain->setText(Edit::textCursor().selection().toPlainText());
        return plain;
    }

    void insertFromMimeData(const QMimeData* source) override
    {
        const QString text = source->text();
        // As with Qt's own paste, nothing to insert keeps the selection.
        if (text.isEmpty()) {
            return;
        }
        if (m_forgetHistoryBeforePaste) {
            Edit::document()->setUndoRedoEnabled(false);
            Edit::document()->setUndoRedoEnabled(true);
        }
        // One edit, as Qt's own paste is: one undo takes back the paste and no
        // typing next to it. The edit block belongs to the document, so any
        // cursor of it can open and close it.
        QTextCursor block = Edit::textCursor();
        block.beginEditBlock();
        Edit::insertPlainText(text);
        block.endEditBlock();
        Edit::ensureCursorVisible();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
            Edit::redo();
            event->accept();
            return;
        }
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && event->modifiers().testFlag(Qt::ShiftModifier)) {
            QKeyEvent plainEnter(event->type(), event->key(),
                                 event->modifiers() & ~Qt::ShiftModifier, event->text());
            Edit::keyPressEvent(&plainEnter);
            event->setAccepted(plainEnter.isAccepted());
            return;
        }
        Edit::keyPressEvent(event);
    }

private:
    bool m_forgetHistoryBeforePaste = false;
};

} // namespace wumpel
