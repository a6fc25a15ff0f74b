// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// The window with only the type a minimal Debian install brings: DejaVu, which
// comes with fontconfig, and the Liberation faces the package depends on.
// Asked for "Times New Roman" alone, Qt took DejaVu, whose wider type cut off
// the last line of the instruction and of the information text.

#include "ui/layout_table.h"
#include "window_test_support.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

using namespace wumpel;
using namespace wumpel::test;

namespace {

const QString DejaVu = QStringLiteral("/usr/share/fonts/truetype/dejavu");
const QString Liberation = QStringLiteral("/usr/share/fonts/truetype/liberation2");

// These two folders alone, and none of fontconfig's aliases: the window must
// find its faces by name. Qt does not follow every alias fontconfig has (with
// the URW faces installed it took DejaVu all the same).
bool useOnlyTheMinimalFonts(const QTemporaryDir& scratch)
{
    QFile config(scratch.filePath(QStringLiteral("fonts.conf")));
    if (!config.open(QIODevice::WriteOnly)) {
        return false;
    }
    config.write(QStringLiteral("<?xml version=\"1.0\"?>\n"
                                "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                                "<fontconfig><dir>%1</dir><dir>%2</dir><cachedir>%3</cachedir>"
                                "</fontconfig>\n")
                     .arg(DejaVu, Liberation, scratch.filePath(QStringLiteral("cache")))
                     .toUtf8());
    qputenv("FONTCONFIG_FILE", config.fileName().toLocal8Bit());
    return true;
}

QStringList familiesFor(Face face)
{
    QStringList families;
    for (const std::u16string_view family : fontFamilies(face)) {
        families << QString::fromStdU16String(std::u16string(family));
    }
    return families;
}

QString textOf(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    return qobject_cast<QPushButton*>(widget)->text();
}

} // namespace

class WindowFontsTest : public QObject {
    Q_OBJECT

private slots:
    void eachObjectIsSetInALiberationFace_data()
    {
        QTest::addColumn<int>("face");
        QTest::newRow("Eingabe") << static_cast<int>(Face::TimesNewRoman);
        QTest::newRow("Text2") << static_cast<int>(Face::MsSansSerif);
        QTest::newRow("Text3") << static_cast<int>(Face::MsSansSerif);
        QTest::newRow("Command1") << static_cast<int>(Face::TimesNewRoman);
    }

    void eachObjectIsSetInALiberationFace()
    {
        QFETCH(int, face);
        const auto window = makeShownWindow();
        const QString shown = QFontInfo(object(*window, QTest::currentDataTag())->font()).family();
        QVERIFY2(shown.startsWith("Liberation"), qPrintable(shown));
        QVERIFY(familiesFor(static_cast<Face>(face)).contains(shown));
    }

    // The instruction's box reaches down under the example row; what lies
    // above it is all the instruction can show.
    void textOfEachLabelFitsWhereItShows_data()
    {
        QTest::addColumn<int>("visibleHeight");
        QTest::newRow("Eingabe") << 72;
        QTest::newRow("Übernehmen") << 31;
        QTest::newRow("Label2") << 23;
        QTest::newRow("Label1") << 23;
        QTest::newRow("Command1") << 21;
    }

    void textOfEachLabelFitsWhereItShows()
    {
        QFETCH(int, visibleHeight);
        const auto window = makeShownWindow();
        QWidget* widget = object(*window, QTest::currentDataTag());
        const int width =
            widget->contentsRect().width() - (qobject_cast<QPushButton*>(widget) ? 4 : 0);
        const QRect needed = QFontMetrics(widget->font())
                                 .boundingRect(QRect(0, 0, width, 1000),
                                               Qt::AlignHCenter | Qt::TextWordWrap, textOf(widget));
        QVERIFY2(needed.width() <= width && needed.height() <= visibleHeight,
                 qPrintable(QString("needs %1 x %2").arg(needed.width()).arg(needed.height())));
    }

    // The box holds three lines: a line that wraps pushes the last one out.
    void informationTextLinesDoNotWrap()
    {
        const auto window = makeShownWindow();
        const QTextDocument* information = objectAs<QTextEdit>(*window, "Text3")->document();
        for (QTextBlock line = information->begin(); line.isValid(); line = line.next()) {
            QCOMPARE(line.layout()->lineCount(), 1);
        }
    }
};

int main(int argc, char* argv[])
{
    const QTemporaryDir scratch;
    if (!QFile::exists(DejaVu) || !QFile::exists(Liberation) || !useOnlyTheMinimalFonts(scratch)) {
        qWarning("fonts-dejavu-core and fonts-liberation2 are needed");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    QApplication application(argc, argv);
    WindowFontsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_fonts_test.moc"
