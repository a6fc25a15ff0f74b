// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// Without a translation loaded, the fields' context menus said "Undo", "Cut"
// and "Paste" in the German window, whatever the locale.

#include "offscreen_test_main.h"
#include "ui/qt_texts.h"
#include "window_test_support.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

#include <memory>

using namespace wumpel;
using namespace wumpel::test;

namespace {

std::unique_ptr<QMenu> contextMenuOf(QWidget* field)
{
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        return std::unique_ptr<QMenu>(plain->createStandardContextMenu());
    }
    if (auto* rich = qobject_cast<QTextEdit*>(field)) {
        return std::unique_ptr<QMenu>(rich->createStandardContextMenu());
    }
    return std::unique_ptr<QMenu>(qobject_cast<QLineEdit*>(field)->createStandardContextMenu());
}

} // namespace

class QtTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(useGermanQtTexts(*QCoreApplication::instance())); }

    void contextMenusReadGerman_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("Text1") << "Text1";
        QTest::newRow("Text3") << "Text3";
        QTest::newRow("Text4") << "Text4";
    }

    void contextMenusReadGerman()
    {
        QFETCH(QString, field);
        const auto window = makeShownWindow();
        const auto menu = contextMenuOf(object(*window, field));
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                texts << action->text().section(u'\t', 0, 0);
            }
        }
        const QStringList german{"&Rückgängig", "Wieder&herstellen", "&Ausschneiden",  "&Kopieren",
                                 "Einf&ügen",   "Löschen",           "Alles auswählen"};
        QCOMPARE(texts, german);
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN(QtTextsTest)
#include "qt_texts_test.moc"
