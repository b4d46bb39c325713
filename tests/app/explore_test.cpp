// SPDX-License-Identifier: GPL-3.0-or-later
// Exploring by hand: the wheel, a drag and a double click on the picture
// rewrite the five fields as the navigation does and draw the chosen
// pattern again, the very picture a button draws for those fields; the way
// back and forward restores views; a move that would overflow is refused.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWheelEvent>
#include <QtTest>
#include <utility>

#include "app/main_window.h"
#include "app/picture_surface.h"
#include "engine/colour.h"
#include "engine/render.h"
#include "message_box_watch.h"
#include "params/mouse_navigation.h"
#include "patterns/pattern_table.h"

using namespace zentrel;
using namespace zentrel::app;
using zentrel::test::MessageBoxWatch;

namespace {

const FieldTexts kStart{"3", "-7", "120", "0.4", "150"};
constexpr int kPictureLeft = 161;
constexpr int kPictureTop = 51;

}  // namespace

class ExploreTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { window_.reset(); }

    void theWheelZoomsAroundThePointer();
    void aDragMovesTheViewWithTheHand();
    void aDoubleClickZoomsInOnThePoint();
    void backAndForwardRestoreTheViewsAndTheirPictures();
    void theWayBackShowsEachPictureAloneOrNone();
    void aMoveThatWouldOverflowIsRefusedAndChangesNothing();
    void aViewThatFailsWhenMovedIsDrawnWithItsOwnPattern();

private:
    QWidget* surface() { return window_->findChild<QWidget*>("pictureSurface"); }
    void setFields(const FieldTexts& f);
    void draw(int index);
    void wheel(QPoint at, int notches);
    // The picture on the window is the engine's for the fields shown.
    bool showsTheEnginePicture();
    bool blankAt(int column, int row) const
    {
        return window_->surface().picture().pixel(kPictureLeft + column, kPictureTop + row) ==
               qRgb(64, 64, 64);
    }

    std::unique_ptr<MainWindow> window_;
    const Pattern* pattern_ = patternTable()[16];  // "riski": corner origin
};

void ExploreTest::init()
{
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    setFields(kStart);
    draw(16);
}

void ExploreTest::setFields(const FieldTexts& f)
{
    const std::pair<const char*, const std::string*> fields[] = {{"TextOne", &f.across},
                                                                 {"TextTwo", &f.down},
                                                                 {"TextThree", &f.size},
                                                                 {"TextFour", &f.xoom},
                                                                 {"Textfive", &f.brightness}};
    for (const auto& [name, text] : fields)
        window_->findChild<QLineEdit*>(name)->setText(QString::fromStdString(*text));
}

void ExploreTest::draw(int index)
{
    QTest::mouseClick(window_->findChild<QPushButton*>(QString("CMD(%1)").arg(index)),
                      Qt::LeftButton);
}

void ExploreTest::wheel(QPoint at, int notches)
{
    QWheelEvent event(at, surface()->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(surface(), &event);
}

bool ExploreTest::showsTheEnginePicture()
{
    const auto picture = renderPicture(*pattern_, window_->fieldTexts(), 2);
    if (!picture) return false;
    const QImage& image = window_->surface().picture();
    for (int c = 0; c < picture.value().width; ++c)
        for (int r = 0; r < picture.value().height; ++r) {
            const Colour colour = picture.value().at(c, r);
            if (image.pixel(kPictureLeft + c, kPictureTop + r) !=
                qRgb(redOf(colour), greenOf(colour), blueOf(colour)))
                return false;
        }
    return true;
}

void ExploreTest::theWheelZoomsAroundThePointer()
{
    const QPoint at(kPictureLeft + 30, kPictureTop + 45);
    wheel(at, 1);
    const auto expected = zoomAround(kStart, {pattern_->rule, std::nullopt}, {30, 45}, 2);
    QCOMPARE(window_->fieldTexts(), expected.value());
    QCOMPARE(window_->fieldTexts().xoom, std::string("0.2"));
    QVERIFY(showsTheEnginePicture());
    wheel(at, -1);
    QCOMPARE(window_->fieldTexts(), kStart);
    QVERIFY(showsTheEnginePicture());
}

void ExploreTest::aDragMovesTheViewWithTheHand()
{
    const QPoint from(kPictureLeft + 60, kPictureTop + 60);
    QTest::mousePress(surface(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(surface(), from + QPoint(10, 5));
    QTest::mouseMove(surface(), from + QPoint(25, -30));
    QTest::mouseRelease(surface(), Qt::LeftButton, Qt::NoModifier, from + QPoint(25, -30));
    QCOMPARE(window_->fieldTexts(), panView(kStart, 25, -30).value());
    QVERIFY(showsTheEnginePicture());
}

void ExploreTest::aDoubleClickZoomsInOnThePoint()
{
    QTest::mouseDClick(surface(), Qt::LeftButton, Qt::NoModifier,
                       QPoint(kPictureLeft + 10, kPictureTop + 90));
    QCOMPARE(window_->fieldTexts(),
             zoomInCentredOn(kStart, {pattern_->rule, std::nullopt}, {10, 90}).value());
    QVERIFY(showsTheEnginePicture());
}

void ExploreTest::backAndForwardRestoreTheViewsAndTheirPictures()
{
    QTest::mouseClick(window_->findChild<QPushButton*>("horz(0)"), Qt::LeftButton);  // ">"
    const FieldTexts moved = window_->fieldTexts();
    QCOMPARE(moved.across, std::string("63"));
    wheel(QPoint(kPictureLeft + 5, kPictureTop + 5), 1);
    const FieldTexts zoomed = window_->fieldTexts();

    QTest::keyClick(window_.get(), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(window_->fieldTexts(), moved);
    QVERIFY(showsTheEnginePicture());
    QTest::mouseClick(surface(), Qt::BackButton, Qt::NoModifier,
                      QPoint(kPictureLeft + 5, kPictureTop + 5));
    QCOMPARE(window_->fieldTexts(), kStart);
    QVERIFY(showsTheEnginePicture());
    QTest::keyClick(window_.get(), Qt::Key_Right, Qt::AltModifier);
    QTest::keyClick(window_.get(), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(window_->fieldTexts(), zoomed);
    QVERIFY(showsTheEnginePicture());
}

// A larger picture drawn after the first: going back shows the first one
// alone, where the larger one was; after a reset, going back brings the
// picture back, and forward empties the area again.
void ExploreTest::theWayBackShowsEachPictureAloneOrNone()
{
    QTest::mouseClick(window_->findChild<QPushButton*>("cmd1"), Qt::LeftButton);  // "S"
    draw(16);
    QVERIFY(!blankAt(200, 200));
    QTest::keyClick(window_.get(), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(window_->fieldTexts(), kStart);
    QVERIFY(showsTheEnginePicture());
    QVERIFY(blankAt(200, 200) && blankAt(130, 10) && blankAt(10, 130));

    QTest::mouseClick(window_->findChild<QPushButton*>("Command3"), Qt::LeftButton);  // "reset"
    QVERIFY(blankAt(0, 0));
    QTest::keyClick(window_.get(), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(window_->fieldTexts(), kStart);
    QVERIFY(showsTheEnginePicture());
    QTest::keyClick(window_.get(), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(window_->fieldTexts(), (FieldTexts{"1", "1", "100", "1", "150"}));
    QVERIFY(blankAt(0, 0) && blankAt(50, 50));
    QVERIFY(!window_->shownView());
}

void ExploreTest::aMoveThatWouldOverflowIsRefusedAndChangesNothing()
{
    // A view so far out that its drawing fails at once; the hand still
    // moves from it.
    const FieldTexts huge{"3", "-7", "120", "1e308", "150"};
    setFields(huge);
    MessageBoxWatch drawingFails;
    drawingFails.arm();
    draw(16);
    QVERIFY(drawingFails.text.contains("stopped"));
    MessageBoxWatch watch;
    watch.arm();
    wheel(QPoint(kPictureLeft + 5, kPictureTop + 5), -1);  // the Xoom doubled
    QCOMPARE(watch.icon, QMessageBox::Critical);
    QVERIFY2(watch.text.contains("XOOM"), qPrintable(watch.text));
    QCOMPARE(window_->fieldTexts(), huge);
}

// "aqua" is clicked while "riski" draws, and riski's picture is the one left
// to move; riski draws at this Xoom, but not at twice it.
void ExploreTest::aViewThatFailsWhenMovedIsDrawnWithItsOwnPattern()
{
    setFields({"3", "-7", "120", "5e153", "150"});
    bool clicked = false;
    window_->drawing().columnObserver = [&](int) {
        if (!std::exchange(clicked, true)) draw(0);
    };
    draw(16);
    window_->drawing().columnObserver = nullptr;
    MessageBoxWatch watch;
    watch.arm();
    wheel(QPoint(kPictureLeft + 60, kPictureTop + 60), -1);
    QVERIFY2(watch.text.startsWith("The drawing of \"riski\" stopped."), qPrintable(watch.text));
}

QTEST_MAIN(ExploreTest)
#include "explore_test.moc"
