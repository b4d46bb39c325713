// SPDX-License-Identifier: GPL-3.0-or-later
// Motion in the window: a zoom held on the middle button or Page Up goes
// toward the point under the pointer, and once let go the picture is the
// very one the fields draw, with one step in the history; a smooth step
// ends on the view and picture of the jump, which is made at once with the
// steps' animation off.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QWheelEvent>
#include <QtTest>
#include <functional>

#include "app/frame_clock.h"
#include "app/main_window.h"
#include "app/picture_surface.h"
#include "engine/render.h"
#include "motion/view_geometry.h"
#include "params/mouse_navigation.h"
#include "patterns/pattern_table.h"

using namespace zentrel;
using namespace zentrel::app;

namespace {

const FieldTexts kStart{"3", "-7", "120", "0.4", "150"};
constexpr int kPictureLeft = 161;
constexpr int kPictureTop = 51;
constexpr int kTimeout = 20000;

// The formula coordinates at a point of the view's picture.
QPointF formulaPoint(const View& view, QPointF point)
{
    const ViewGeometry g = geometryOf(view).value();
    const auto at = [&](double centre, double extent, double p) {
        return centre + (p + 1 - (extent + 1) / 2) * g.scale;
    };
    return {at(g.centreX, g.columns, point.x()), at(g.centreY, g.rows, point.y())};
}

}  // namespace

class MotionTest;
using WindowAct = std::function<void(MainWindow&, QWidget* surface)>;
using TestAct = std::function<void(MotionTest&, QWidget* surface)>;
Q_DECLARE_METATYPE(WindowAct)
Q_DECLARE_METATYPE(TestAct)
Q_DECLARE_METATYPE(FieldTexts)

class MotionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { window_.reset(); }

    void aHeldZoomStaysOnThePointAndEndsOnTheExactPicture_data();
    void aHeldZoomStaysOnThePointAndEndsOnTheExactPicture();
    void aSmoothStepEndsOnTheJumpsViewAndPicture_data();
    void aSmoothStepEndsOnTheJumpsViewAndPicture();

private:
    QWidget* surface() { return window_->findChild<QWidget*>("pictureSurface"); }
    View fieldsView() const { return viewWith(*pattern_, window_->fieldTexts()); }
    // The picture on the window is the engine's for the fields shown.
    bool showsTheEnginePicture() const;
    void stepBack() { QTest::keyClick(window_.get(), Qt::Key_Left, Qt::AltModifier); }

    std::unique_ptr<MainWindow> window_;
    const Pattern* pattern_ = patternTable()[16];  // "riski": corner origin
};

void MotionTest::init()
{
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    const std::pair<const char*, std::string> fields[] = {{"TextOne", kStart.across},
                                                          {"TextTwo", kStart.down},
                                                          {"TextThree", kStart.size},
                                                          {"TextFour", kStart.xoom},
                                                          {"Textfive", kStart.brightness}};
    for (const auto& [name, text] : fields)
        window_->findChild<QLineEdit*>(name)->setText(QString::fromStdString(text));
    QTest::mouseClick(window_->findChild<QPushButton*>("CMD(16)"), Qt::LeftButton);
    QCursor::setPos(window_->mapToGlobal(QPoint(2, 2)));
}

bool MotionTest::showsTheEnginePicture() const
{
    const auto picture = renderPicture(*pattern_, window_->fieldTexts(), 2);
    if (!picture) return false;
    const QImage& image = window_->surface().picture();
    for (int c = 0; c < picture.value().width; ++c)
        for (int r = 0; r < picture.value().height; ++r)
            if (image.pixel(kPictureLeft + c, kPictureTop + r) != qRgbOf(picture.value().at(c, r)))
                return false;
    return true;
}

void MotionTest::aHeldZoomStaysOnThePointAndEndsOnTheExactPicture_data()
{
    QTest::addColumn<WindowAct>("press");
    QTest::addColumn<WindowAct>("release");
    QTest::addColumn<QPointF>("point");  // in the picture
    QTest::addColumn<int>("direction");
    const QPoint pointer(kPictureLeft + 30, kPictureTop + 100);
    QTest::newRow("middle button") << WindowAct([pointer](MainWindow&, QWidget* s) {
        QTest::mousePress(s, Qt::MiddleButton, {}, pointer);
    }) << WindowAct([pointer](MainWindow&, QWidget* s) {
        QTest::mouseRelease(s, Qt::MiddleButton, {}, pointer);
    }) << QPointF(30, 100) << 1;
    QTest::newRow("middle button with Shift") << WindowAct([pointer](MainWindow&, QWidget* s) {
        QTest::mousePress(s, Qt::MiddleButton, Qt::ShiftModifier, pointer);
    }) << WindowAct([pointer](MainWindow&, QWidget* s) {
        QTest::mouseRelease(s, Qt::MiddleButton, Qt::ShiftModifier, pointer);
    }) << QPointF(30, 100) << -1;
    // The pointer is off the picture: toward its middle.
    QTest::newRow("Page Up") << WindowAct([](MainWindow& w, QWidget*) {
        QTest::keyPress(&w, Qt::Key_PageUp);
    }) << WindowAct([](MainWindow& w, QWidget*) { QTest::keyRelease(&w, Qt::Key_PageUp); })
                             << QPointF(60, 60) << 1;
    QTest::newRow("Page Down") << WindowAct([](MainWindow& w, QWidget*) {
        QTest::keyPress(&w, Qt::Key_PageDown);
    }) << WindowAct([](MainWindow& w, QWidget*) { QTest::keyRelease(&w, Qt::Key_PageDown); })
                               << QPointF(60, 60) << -1;
}

void MotionTest::aHeldZoomStaysOnThePointAndEndsOnTheExactPicture()
{
    QFETCH(WindowAct, press);
    QFETCH(WindowAct, release);
    QFETCH(QPointF, point);
    QFETCH(int, direction);
    const View start = fieldsView();
    press(*window_, surface());
    QTest::qWait(250);
    release(*window_, surface());
    const FieldTexts released = window_->fieldTexts();
    QTRY_VERIFY_WITH_TIMEOUT(showsTheEnginePicture(), kTimeout);

    // Let go, the view stays where it was, on the exact picture of the fields.
    QCOMPARE(window_->fieldTexts(), released);
    QCOMPARE(window_->shownView(), fieldsView());
    const double zoomed = std::stod(kStart.xoom) / std::stod(released.xoom);
    QVERIFY2(direction > 0 ? zoomed > 1.01 : zoomed < 0.99, released.xoom.c_str());
    const QPointF before = formulaPoint(start, point);
    const QPointF after = formulaPoint(fieldsView(), point);
    const double pixel = geometryOf(start).value().scale;
    QVERIFY(std::abs(after.x() - before.x()) < 1e-6 * pixel);
    QVERIFY(std::abs(after.y() - before.y()) < 1e-6 * pixel);

    // One step back for the whole hold, and none before it.
    stepBack();
    QCOMPARE(window_->fieldTexts(), kStart);
    stepBack();
    QCOMPARE(window_->fieldTexts(), kStart);
}

void MotionTest::aSmoothStepEndsOnTheJumpsViewAndPicture_data()
{
    QTest::addColumn<TestAct>("step");
    QTest::addColumn<FieldTexts>("expected");
    const PictureFrame frame{patternTable()[16]->rule, std::nullopt};
    const QPoint at(kPictureLeft + 30, kPictureTop + 45);
    QTest::newRow("wheel") << TestAct([at](MotionTest&, QWidget* s) {
        QWheelEvent event(at, s->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(s, &event);
    }) << zoomAround(kStart, frame, {30, 45}, 2).value();
    QTest::newRow("double click") << TestAct([at](MotionTest&, QWidget* s) {
        QTest::mouseDClick(s, Qt::LeftButton, {}, at);
    }) << zoomInCentredOn(kStart, frame, {30, 45}).value();
    QTest::newRow("back") << TestAct([at](MotionTest& test, QWidget* s) {
        QTest::mouseDClick(s, Qt::LeftButton, {}, at);
        QTRY_VERIFY_WITH_TIMEOUT(test.showsTheEnginePicture(), kTimeout);
        test.stepBack();
    }) << kStart;
}

void MotionTest::aSmoothStepEndsOnTheJumpsViewAndPicture()
{
    QFETCH(TestAct, step);
    QFETCH(FieldTexts, expected);
    for (bool smooth : {false, true}) {
        init();
        window_->setSmoothSteps(smooth);
        step(*this, surface());
        // The fields jump at once either way; the picture follows at once
        // only without the animation.
        QCOMPARE(window_->fieldTexts(), expected);
        QCOMPARE(showsTheEnginePicture(), !smooth);
        QTRY_VERIFY_WITH_TIMEOUT(showsTheEnginePicture(), kTimeout);
        QCOMPARE(window_->shownView(), fieldsView());
    }
    // The switch is kept for the next start, unless the environment says.
    const QByteArray variable = qgetenv("ZENTREL_SMOOTH_STEPS");
    qunsetenv("ZENTREL_SMOOTH_STEPS");
    QVERIFY(smoothStepsChosen());
    window_->setSmoothSteps(false);
    QVERIFY(!smoothStepsChosen());
    qputenv("ZENTREL_SMOOTH_STEPS", "1");
    QVERIFY(smoothStepsChosen());
    qputenv("ZENTREL_SMOOTH_STEPS", variable);
}

QTEST_MAIN(MotionTest)
#include "motion_test.moc"
