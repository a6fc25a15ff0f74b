// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "offscreen_test_main.h"
#include "ui/click_filter.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <vector>

using namespace wumpel;

namespace {

struct MouseStep {
    QEvent::Type type;
    Qt::MouseButton button;
    QPoint position;
};

void deliver(QWidget& widget, const MouseStep& step)
{
    const Qt::MouseButtons held =
        step.type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(step.button);
    QMouseEvent event(step.type, step.position, widget.mapToGlobal(step.position), step.button,
                      held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

constexpr QPoint Inside(10, 10);
constexpr QPoint Outside(150, 10);
constexpr auto Press = QEvent::MouseButtonPress;
constexpr auto Release = QEvent::MouseButtonRelease;
constexpr auto DoubleClick = QEvent::MouseButtonDblClick;

} // namespace

Q_DECLARE_METATYPE(std::vector<MouseStep>)

class ClickFilterTest : public QObject {
    Q_OBJECT

private slots:
    void countsOrdinaryClicksOnly_data()
    {
        QTest::addColumn<std::vector<MouseStep>>("steps");
        QTest::addColumn<int>("clicks");
        const auto left = Qt::LeftButton;
        QTest::newRow("press and release inside")
            << std::vector<MouseStep>{{Press, left, Inside}, {Release, left, Inside}} << 1;
        QTest::newRow("released outside")
            << std::vector<MouseStep>{{Press, left, Inside}, {Release, left, Outside}} << 0;
        QTest::newRow("release without press")
            << std::vector<MouseStep>{{Release, left, Inside}} << 0;
        QTest::newRow("press only") << std::vector<MouseStep>{{Press, left, Inside}} << 0;
        QTest::newRow("right button") << std::vector<MouseStep>{{Press, Qt::RightButton, Inside},
                                                                {Release, Qt::RightButton, Inside}}
                                      << 0;
        QTest::newRow("right press, left release")
            << std::vector<MouseStep>{{Press, Qt::RightButton, Inside}, {Release, left, Inside}}
            << 0;
        QTest::newRow("double-click") << std::vector<MouseStep>{{Press, left, Inside},
                                                                {Release, left, Inside},
                                                                {DoubleClick, left, Inside},
                                                                {Release, left, Inside}}
                                      << 1;
        QTest::newRow("two clicks") << std::vector<MouseStep>{{Press, left, Inside},
                                                              {Release, left, Inside},
                                                              {Press, left, Inside},
                                                              {Release, left, Inside}}
                                    << 2;
        QTest::newRow("outside release disarms") << std::vector<MouseStep>{{Press, left, Inside},
                                                                           {Release, left, Outside},
                                                                           {Release, left, Inside}}
                                                 << 0;
    }

    void countsOrdinaryClicksOnly()
    {
        QFETCH(std::vector<MouseStep>, steps);
        QFETCH(int, clicks);
        QWidget widget;
        widget.resize(100, 30);
        QSignalSpy spy(ClickFilter::watch(&widget), &ClickFilter::clicked);
        for (const MouseStep& step : steps) {
            deliver(widget, step);
        }
        QCOMPARE(spy.count(), clicks);
    }

    void leavesEventsToTheWidget()
    {
        class PressCounter : public QWidget {
        public:
            int presses = 0;

        protected:
            void mousePressEvent(QMouseEvent* /*event*/) override { ++presses; }
        };
        PressCounter widget;
        widget.resize(100, 30);
        ClickFilter::watch(&widget);
        deliver(widget, {Press, Qt::LeftButton, Inside});
        QCOMPARE(widget.presses, 1);
    }

    void clickReportsAsIfClicked()
    {
        QWidget widget;
        ClickFilter* filter = ClickFilter::watch(&widget);
        QSignalSpy spy(filter, &ClickFilter::clicked);
        filter->click();
        QCOMPARE(spy.count(), 1);
    }

    void diesWithItsWidget()
    {
        auto* widget = new QWidget;
        QPointer<ClickFilter> filter = ClickFilter::watch(widget);
        delete widget;
        QVERIFY(filter.isNull());
    }
};

WUMPEL_OFFSCREEN_TEST_MAIN(ClickFilterTest)
#include "click_filter_test.moc"
