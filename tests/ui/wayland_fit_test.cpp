// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// The window under a real Wayland compositor (run_in_weston.sh), whose panel
// no client is told about. WUMPEL_EXPECTED_FIT says what the output's size
// should give: "laid-out", the window itself at its own size, or "scrolled",
// maximised with scroll bars.

#include "engine/random_source.h"
#include "ui/screen_fit.h"
#include "window_test_support.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

using namespace wumpel;
using namespace wumpel::test;

class WaylandFitTest : public QObject {
    Q_OBJECT

private slots:
    void everyObjectCanBeReached()
    {
        QCOMPARE(QGuiApplication::platformName(), QString("wayland"));
        FittedWindow shown(
            std::make_unique<WumpelWindow>(std::make_unique<SeededRandomSource>(TestSeed)));
        shown.showOn(*QGuiApplication::primaryScreen());
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        const QSize laidOut(808, 535);
        if (qgetenv("WUMPEL_EXPECTED_FIT") == "laid-out") {
            QTRY_VERIFY(!shown.isMaximized() && shown.size() == laidOut);
            QCOMPARE(shown.minimumSize(), shown.maximumSize());
            return;
        }
        QCOMPARE(qgetenv("WUMPEL_EXPECTED_FIT"), QByteArray("scrolled"));
        // Maximised on the output, wider than the window, the area has
        // taken the size the compositor gives it.
        QTRY_VERIFY(shown.isMaximized() && shown.width() > laidOut.width());
        auto& window = *qobject_cast<WumpelWindow*>(shown.widget());
        // Each object whole, as far as it lies in the window: the information
        // text's box runs on two pixels below the window's edge.
        for (QWidget* object : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect box = object->geometry().intersected(window.rect());
            // QScrollArea leaves the margin's last pixel out.
            shown.ensureVisible(box.center().x(), box.center().y(), box.width() / 2 + 1,
                                box.height() / 2 + 1);
            const QRect seen(window.mapTo(&shown, box.topLeft()), box.size());
            QVERIFY2(shown.viewport()->geometry().contains(seen), qPrintable(object->objectName()));
        }
    }
};

QTEST_MAIN(WaylandFitTest)
#include "wayland_fit_test.moc"
