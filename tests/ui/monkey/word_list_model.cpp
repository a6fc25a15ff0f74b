// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "word_list_model.h"

namespace wumpel::monkey {

void WordListModel::load(const QString& text)
{
    m_text = text;
    m_caret = Caret::Unknown;
}

// A selection of the whole text is known even when the text is not, which is
// what lets a paste over it make the text known again.
void WordListModel::insert(const QString& text)
{
    switch (m_caret) {
    case Caret::AtEnd:
        *m_text += text;
        break;
    case Caret::AllSelected:
        // Inserting nothing may or may not remove the selection.
        if (text.isEmpty()) {
            forget();
            return;
        }
        m_text = text;
        m_caret = Caret::AtEnd;
        break;
    case Caret::Unknown:
        forget();
        break;
    }
}

void WordListModel::backspace()
{
    switch (m_caret) {
    case Caret::AtEnd:
        // The model only ever holds characters of the Basic Multilingual Plane.
        m_text->chop(1);
        break;
    case Caret::AllSelected:
        m_text = QString();
        m_caret = Caret::AtEnd;
        break;
    case Caret::Unknown:
        forget();
        break;
    }
}

void WordListModel::selectAll()
{
    m_caret = m_text.has_value() && m_text->isEmpty() ? Caret::AtEnd : Caret::AllSelected;
}

std::optional<QString> WordListModel::cut()
{
    std::optional<QString> copied = copy();
    if (m_caret == Caret::AllSelected) {
        m_text = QString();
        m_caret = Caret::AtEnd;
    } else if (m_caret == Caret::Unknown) {
        forget();
    }
    return copied;
}

std::optional<QString> WordListModel::copy() const
{
    if (m_caret == Caret::AllSelected && m_text.has_value()) {
        return m_text;
    }
    return std::nullopt;
}

void WordListModel::caretMoved()
{
    m_caret = m_text.has_value() && m_text->isEmpty() ? Caret::AtEnd : Caret::Unknown;
}

void WordListModel::forget()
{
    m_text.reset();
    m_caret = Caret::Unknown;
}

} // namespace wumpel::monkey
