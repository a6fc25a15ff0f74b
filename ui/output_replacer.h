// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <string>
#include <string_view>

class QPlainTextEdit;

namespace wumpel {

// Replaces the whole text of a plain-text field the way setPlainText does (caret
// at the start, view at the top, no undo history), but when the new text only
// extends what it last put there and the user has not edited the field since,
// it adds just the new part. The output grows by one verse per click, and
// building the whole document again costs most of a frame at a thousand verses
// and several frames at ten thousand.
class OutputReplacer : public QObject {
    Q_OBJECT

public:
    explicit OutputReplacer(QPlainTextEdit* field);

    // UTF-8 text with CR LF line breaks.
    void replace(std::string_view text);

private:
    void replaceAll(std::string_view text);
    void append(std::string_view tail);

    QPlainTextEdit* m_field;
    // What the field shows, in CR LF form; only trusted while m_edited is false.
    std::string m_shown;
    bool m_edited = true;
    bool m_replacing = false;
};

} // namespace wumpel
