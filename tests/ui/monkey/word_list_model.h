// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

namespace wumpel::monkey {

// What Text1 must hold after the events so far, where that is simple to know:
// from the start, after an example list is loaded, after the whole text is
// selected and replaced or deleted, and after typing or pasting at the end of
// a known text. Anything whose result depends on where a click put the caret,
// or on Qt's undo grouping, makes the text unknown until the next of those.
class WordListModel {
public:
    // Line breaks as the field shows them, '\n'.
    const std::optional<QString>& text() const { return m_text; }

    void load(const QString& text);
    // Typed text or a completed paste, at the caret and over any selection.
    void insert(const QString& text);
    void backspace();
    void selectAll();
    // Ctrl+x; returns what went to the clipboard when that is known. An
    // unknown or empty selection leaves the clipboard alone or unknown, which
    // the caller has to assume.
    std::optional<QString> cut();
    std::optional<QString> copy() const;
    void caretMoved();
    void forget();

    // Whether a ctrl+c or ctrl+x here certainly leaves the clipboard as it was.
    bool nothingSelected() const { return m_caret == Caret::AtEnd; }

private:
    enum class Caret { Unknown, AtEnd, AllSelected };

    std::optional<QString> m_text{QString()};
    Caret m_caret = Caret::AtEnd;
};

} // namespace wumpel::monkey
