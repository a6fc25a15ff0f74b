// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The program's one window. It owns the engine's GeneratorState and random
// source and is the engine's VerseWindow: a click on one of the six clickable
// objects runs one engine action (or loads an example list) to its end, and the
// action reads the word list from Text1 and replaces the text of Text2 through
// ReadWordList and ReplaceOutput. Everything else the user does stays inside the
// widgets. Geometry and type come from window_layout.h.

#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_window.h"

#include <QIcon>
#include <QWidget>

#include <memory>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace wumpel {

class ClickFilter;
class OutputReplacer;
struct ObjectLayout;

class WumpelWindow final : public QWidget, public VerseWindow {
    Q_OBJECT

public:
    explicit WumpelWindow(QWidget* parent = nullptr);
    // Tests and benchmarks bring their own chance, and may start from a state
    // that already holds verses.
    explicit WumpelWindow(std::unique_ptr<RandomSource> random, QWidget* parent = nullptr);
    WumpelWindow(GeneratorState state, std::unique_ptr<RandomSource> random,
                 QWidget* parent = nullptr);

    std::string ReadWordList() const override;
    void ReplaceOutput(std::string_view text) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildLabels();
    void buildFields();
    QLabel* addLabel(const ObjectLayout& layout);
    ClickFilter* addClickableLabel(const ObjectLayout& layout,
                                   const QString& accessibleName = QString());
    QLineEdit* addExampleField(const ObjectLayout& layout, int number);
    void place(QWidget* widget, const ObjectLayout& layout, QPalette::ColorRole backgroundRole,
               QPalette::ColorRole textRole);

    using Action = void (*)(GeneratorState&, VerseWindow&, RandomSource&);
    void runAction(const ObjectLayout& clicked, Action action);
    void applyWordList();
    void startNewText();
    void appendVerse();
    void loadExample(int number);

    GeneratorState m_state;
    std::unique_ptr<RandomSource> m_random;
    QIcon m_dog;
    QPlainTextEdit* m_wordList = nullptr;
    QPlainTextEdit* m_output = nullptr;
    OutputReplacer* m_outputReplacer = nullptr;
};

} // namespace wumpel
