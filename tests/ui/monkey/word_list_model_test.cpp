// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// The model must never claim to know Text1 when it cannot: a wrong claim is a
// false alarm in every monkey run that reaches it.

#include "word_list_model.h"

#include <gtest/gtest.h>

namespace wumpel::monkey {
namespace {

TEST(WordListModel, FollowsTypingAtTheEndOfAKnownText)
{
    WordListModel model;
    model.insert(QStringLiteral("der Hu"));
    model.backspace();
    model.insert(QStringLiteral("\nx"));
    EXPECT_EQ(model.text(), QStringLiteral("der H\nx"));
}

TEST(WordListModel, ForgetsTypingWhereAClickPutTheCaret)
{
    WordListModel model;
    model.load(QStringLiteral("der Hund\n"));
    model.insert(QStringLiteral("x"));
    EXPECT_FALSE(model.text().has_value());
}

TEST(WordListModel, KnowsAPasteOverEverythingEvenAfterForgetting)
{
    WordListModel model;
    model.forget();
    model.selectAll();
    model.insert(QStringLiteral("die Katze"));
    EXPECT_EQ(model.text(), QStringLiteral("die Katze"));
}

TEST(WordListModel, ForgetsAnEmptyPasteOverASelection)
{
    WordListModel model;
    model.load(QStringLiteral("der Hund"));
    model.selectAll();
    model.insert(QString());
    EXPECT_FALSE(model.text().has_value());
}

TEST(WordListModel, CutOfEverythingEmptiesAndCopies)
{
    WordListModel model;
    model.load(QStringLiteral("der Hund"));
    model.selectAll();
    EXPECT_EQ(model.cut(), QStringLiteral("der Hund"));
    EXPECT_EQ(model.text(), QString());
    EXPECT_TRUE(model.nothingSelected());
}

TEST(WordListModel, CutOfAnUnknownSelectionForgets)
{
    WordListModel model;
    model.load(QStringLiteral("der Hund"));
    model.caretMoved();
    EXPECT_FALSE(model.cut().has_value());
    EXPECT_FALSE(model.text().has_value());
}

} // namespace
} // namespace wumpel::monkey
