// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// Ctrl+v when the clipboard offers no text at all: nothing owns it (as on a
// fresh X display, or after its owner quit), or it holds only other data.
// Qt 6.4's text fields read the first of the offered formats without looking
// whether there is one, so such a paste killed the window; the window monkey
// found it with a single ctrl+v.

#include "offscreen_test_main.h"
#include "window_test_support.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

using namespace wumpel;
using namespace wumpel::test;

namespace {

enum class Clipboard { Empty, ImageOnly };

void fill(Clipboard content)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto* data = new QMimeData;
    if (content == Clipboard::ImageOnly) {
        data->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
    }
    clipboard->setMimeData(data);
}

} // namespace

Q_DECLARE_METATYPE(Clipboard)

class PasteWithoutTextTest : public QObject {
    Q_OBJECT

private slots:
    void pasteWithoutTextChangesNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<Clipboard>("content");
        QTest::addColumn<bool>("selectAll");
        QTest::newRow("Text1, empty clipboard") << "Text1" << Clipboard::Empty << false;
        QTest::newRow("Text1 all selected, empty clipboard") << "Text1" << Clipboard::Empty << true;
        QTest::newRow("Text1, only an image") << "Text1" << Clipboard::ImageOnly << true;
        QTest::newRow("Text2, empty clipboard") << "Text2" << Clipboard::Empty << false;
        QTest::newRow("Text2 all selected, only an image")
            << "Text2" << Clipboard::ImageOnly << true;
        QTest::newRow("Text3, empty clipboard") << "Text3" << Clipboard::Empty << true;
    }

    void pasteWithoutTextChangesNothing()
    {
        QFETCH(QString, field);
        QFETCH(Clipboard, content);
        QFETCH(bool, selectAll);
        const auto window = makeShownWindow();
        click(*window, "Label3");
        QWidget* target = object(*window, field);
        target->setFocus();
        const QString before = target->property("plainText").toString();
        fill(content);
        if (selectAll) {
            QTest::keyClick(window->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        }
        QTest::keyClick(window->windowHandle(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(target->property("plainText").toString(), before);
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN(PasteWithoutTextTest)
#include "paste_without_text_test.moc"
