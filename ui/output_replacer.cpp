// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/output_replacer.h"

#include "frontend/output_extension.h"
#include "ui/line_breaks.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <cstddef>
#include <optional>

namespace wumpel {

OutputReplacer::OutputReplacer(QPlainTextEdit* field) : QObject(field), m_field(field)
{
    connect(field->document(), &QTextDocument::contentsChange, this, [this] {
        if (!m_replacing) {
            m_edited = true;
        }
    });
}

void OutputReplacer::replace(std::string_view text)
{
    m_replacing = true;
    const std::optional<std::size_t> newPart =
        m_edited ? std::nullopt : extensionStart(m_shown, text);
    if (newPart.has_value()) {
        append(text.substr(*newPart));
    } else {
        replaceAll(text);
    }
    m_shown = text;
    m_edited = false;
    m_replacing = false;
}

void OutputReplacer::replaceAll(std::string_view text)
{
    m_field->setPlainText(displayedText(text));
}

void OutputReplacer::append(std::string_view tail)
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
