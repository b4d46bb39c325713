// SPDX-License-Identifier: GPL-3.0-or-later
// A picture dragged by the hand: it moves within the picture area alone,
// the top bar and the control panel staying as they are, and the cursor
// shows a closed hand until the picture is let go.

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/layout.h"
#include "app/main_window.h"

using namespace zentrel::app;

class DragTest : public QObject {
    Q_OBJECT

private slots:
    void thePictureMovesWithinItsArea()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<QLineEdit*>("TextThree")->setText("600");
        QTest::mouseClick(window.findChild<QPushButton*>("CMD(0)"), Qt::LeftButton);
        QWidget* surface = window.findChild<QWidget*>("pictureSurface");
        const QImage before = window.grab().toImage();

        // Up and to the left, far enough to reach the bar and the panel.
        const QPoint from(kPlotLeft + 300, kPlotTop + 300);
        const QPoint to = from - QPoint(250, 250);
        QTest::mousePress(surface, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, surface->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &move);
        QCOMPARE(surface->cursor().shape(), Qt::ClosedHandCursor);
        const QImage during = window.grab().toImage();

        for (const QPoint at : {QPoint(480, 15), QPoint(150, 700), QPoint(kPlotLeft - 5, 300)})
            QCOMPARE(during.pixel(at), before.pixel(at));
        // The picture did move inside its area.
        QVERIFY(during.pixel(kPlotLeft + 10, kPlotTop + 10) !=
                    before.pixel(kPlotLeft + 10, kPlotTop + 10) ||
                during.pixel(kPlotLeft + 300, kPlotTop + 300) !=
                    before.pixel(kPlotLeft + 300, kPlotTop + 300));

        QTest::mouseRelease(surface, Qt::LeftButton, {}, to);
        QCOMPARE(surface->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(DragTest)
#include "drag_test.moc"
