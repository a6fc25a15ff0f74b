// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/output_replacer.h"

#include "ui/line_breaks.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace wumpel {

OutputReplacer::OutputReplacer(QPlainTextEdit* field) : QObject(field), m_field(field)
{
    connect(field->document(), &QTextDocument::contentsChange, this, [this] {
        if (!m_replacing) {
            m_edited = true;
        }
    });
}

void OutputReplacer::replace(std::u16string_view text)
{
    m_replacing = true;
    // A CR at the end of the shown text could pair with an LF that starts the
    // new part, which the field would then show differently.
    const bool extendsShown = !m_edited && text.size() > m_shown.size() &&
                              text.starts_with(m_shown) && !m_shown.ends_with(u'\r');
    if (extendsShown) {
        append(text.substr(m_shown.size()));
    } else {
        replaceAll(text);
    }
    m_shown = text;
    m_edited = false;
    m_replacing = false;
}

void OutputReplacer::replaceAll(std::u16string_view text)
{
    m_field->setPlainText(displayedText(text));
}

void OutputReplacer::append(std::u16string_view tail)
{
    QTextDocument* document = m_field->document();
    // Switching undo off and on again drops the history, as setPlainText does.
    document->setUndoRedoEnabled(false);
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    end.insertText(displayedText(tail));
    document->setUndoRedoEnabled(true);
    m_field->moveCursor(QTextCursor::Start);
}

} // namespace wumpel
