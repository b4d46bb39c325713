// SPDX-License-Identifier: GPL-3.0-or-later
// The window on the screen it gets: on a screen with less room every control
// and the whole picture area stay within reach, and on a screen of more
// pixels than points the picture is drawn that much finer. The same program
// runs offscreen at a scale factor of 2 and under X at a laptop's sizes.

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>
#include <cmath>

#include "app/layout.h"
#include "app/main_window.h"
#include "app/picture_surface.h"
#include "app/window_frame.h"
#include "engine/colour.h"
#include "engine/render.h"
#include "patterns/pattern_table.h"

using namespace zentrel;
using namespace zentrel::app;

class ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { delete frame_; }

    void theFrameFitsTheScreenAndEveryControlScrollsIntoView();
    void thePictureIsDrawnAsFinelyAsTheScreenShowsIt();
    void aPatternClickedLowDrawsInSight();
    void theMouseBeyondASmallPictureDoesNothing();

private:
    MainWindow* window_ = nullptr;
    WindowFrame* frame_ = nullptr;
};

void ScreenTest::init()
{
    window_ = new MainWindow;
    frame_ = new WindowFrame(window_);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_));
}

void ScreenTest::theFrameFitsTheScreenAndEveryControlScrollsIntoView()
{
    const QRect room = frame_->screen()->availableGeometry();
    QVERIFY2(frame_->width() <= room.width() && frame_->height() <= room.height(),
             qPrintable(QString("%1 x %2 on %3 x %4")
                            .arg(frame_->width())
                            .arg(frame_->height())
                            .arg(room.width())
                            .arg(room.height())));
    const QRect viewport = frame_->viewport()->rect();
    for (const ControlSpec& spec : controlLayout()) {
        auto* control = window_->findChild<QWidget*>(QString::fromStdString(spec.name));
        QVERIFY(control);
        frame_->ensureWidgetVisible(control, 0, 0);
        // The part inside the client area (the "x" label stands over its
        // edge); a control larger than the room shows as much as fits.
        const QRect part = control->geometry() & window_->rect();
        const QRect shown(window_->mapTo(frame_->viewport(), part.topLeft()), part.size());
        QVERIFY2(viewport.intersects(shown) &&
                     (viewport.contains(shown) || part.width() > viewport.width() ||
                      part.height() > viewport.height()),
                 qPrintable(QString::fromStdString(spec.name)));
    }
    // The far corner of the largest picture, 1024 x 768 from (161, 51).
    frame_->ensureVisible(161 + 1024, 51 + 768, 0, 0);
    const QPoint corner = window_->mapTo(frame_->viewport(), QPoint(161 + 1023, 51 + 767));
    QVERIFY(viewport.contains(corner));
}

void ScreenTest::thePictureIsDrawnAsFinelyAsTheScreenShowsIt()
{
    const int density =
        std::max(1, static_cast<int>(std::ceil(window_->devicePixelRatioF() - 0.01)));
    QCOMPARE(window_->surface().density(), density);
    frame_->ensureWidgetVisible(window_->findChild<QPushButton*>("CMD(0)"));
    QTest::mouseClick(window_->findChild<QPushButton*>("CMD(0)"), Qt::LeftButton);

    Sampling sampling;
    sampling.density = density;
    const auto picture = renderPicture(*patternTable()[0], FieldTexts{}, 2, sampling);
    QVERIFY(picture.ok());
    const QImage& image = window_->surface().picture();
    QCOMPARE(image.width(), kClientWidth * density);
    for (int c = 0; c < picture.value().width; ++c)
        for (int r = 0; r < picture.value().height; ++r) {
            const Colour colour = picture.value().at(c, r);
            QCOMPARE(image.pixel(161 * density + c, 51 * density + r),
                     qRgb(redOf(colour), greenOf(colour), blueOf(colour)));
        }
}

// On a screen lower than the window, "tang" lies at the bottom; its picture
// is drawn where it can be seen.
void ScreenTest::aPatternClickedLowDrawsInSight()
{
    auto* tang = window_->findChild<QPushButton*>("CMD(18)");
    frame_->ensureWidgetVisible(tang);
    QTest::mouseClick(tang, Qt::LeftButton);
    const QPoint corner = window_->mapTo(frame_->viewport(), QPoint(kPlotLeft, kPlotTop));
    QVERIFY2(
        frame_->viewport()->rect().contains(corner),
        qPrintable(QString("the picture's corner is at %1, %2").arg(corner.x()).arg(corner.y())));
}

// The wheel beyond the picture, on the empty area, zooms about no point of
// it: nothing changes. On the picture it zooms.
void ScreenTest::theMouseBeyondASmallPictureDoesNothing()
{
    auto* aqua = window_->findChild<QPushButton*>("CMD(0)");
    frame_->ensureWidgetVisible(aqua);
    QTest::mouseClick(aqua, Qt::LeftButton);
    const FieldTexts drawn = window_->fieldTexts();
    QWidget* surface = window_->findChild<QWidget*>("pictureSurface");
    const auto wheelAt = [surface](QPoint at) {
        QWheelEvent wheel(at, surface->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(surface, &wheel);
    };
    wheelAt(QPoint(kPlotLeft + 400, kPlotTop + 400));  // beyond the 150-pixel picture
    QCOMPARE(window_->fieldTexts(), drawn);
    wheelAt(QPoint(kPlotLeft + 75, kPlotTop + 75));
    QVERIFY(window_->fieldTexts() != drawn);
}

QTEST_MAIN(ScreenTest)
#include "screen_test.moc"
