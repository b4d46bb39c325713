// SPDX-License-Identifier: GPL-3.0-or-later
// The window's behaviour: pattern selection, drawing column by column, halt,
// nesting, reset, the size check, failures and the link button.

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/click_label.h"
#include "app/desktop_identity.h"
#include "app/main_window.h"
#include "app/picture_surface.h"
#include "engine/colour.h"
#include "engine/number_text.h"
#include "engine/render.h"
#include "message_box_watch.h"
#include "patterns/pattern_table.h"

using namespace zentrel;
using namespace zentrel::app;
using zentrel::test::MessageBoxWatch;

namespace {

const QRgb kBackground = qRgb(64, 64, 64);
constexpr int kPictureLeft = 161;
constexpr int kPictureTop = 51;

QRgb toQRgb(Colour c) { return qRgb(redOf(c), greenOf(c), blueOf(c)); }

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void patternClickHighlightsOneButtonAndDrawsTheEnginePicture_data();
    void patternClickHighlightsOneButtonAndDrawsTheEnginePicture();
    void haltAfterAColumnLeavesExactlyThoseColumns();
    void haltWithNoDrawingChangesNothingVisible();
    void patternClickedDuringADrawingRunsNestedThenTheFirstResumes();
    void oneHaltStopsEveryNestedDrawing();
    void nestingBeyondTheCapIsIgnored();
    void resetDuringADrawingStopsItAndClearsTheSurface();
    void aFailingDrawingShowsAMessageAndTheProgramRunsOn();
    void aFailingFieldRuleShowsAMessageAndChangesNoField();
    void aFieldBeyondTheRangeStopsTheDrawingNamingItsCaption();
    void sizeCheckRunsWhenAButtonTakesTheFocus();
    void labelClickRunsNoSizeCheck();
    void returnAndEnterPressTheFocusedButtonAsSpaceDoes_data();
    void returnAndEnterPressTheFocusedButtonAsSpaceDoes();
    void linkWithoutBrowserShowsTheMessage();
    void exitLabelEndsTheProgramMidDrawing();
    void keysDoWhatTheirButtonsDoButNotInAField();
    void escapeHaltsAndAltWithAnInitialDraws();
    void presentsItselfToTheDesktopAsZentrelWithItsIcon();

private:
    template <class T>
    T* control(const char* name)
    {
        T* found = window_->findChild<T*>(name);
        if (!found) qFatal("no control %s", name);
        return found;
    }
    QPushButton* patternButton(int i)
    {
        return control<QPushButton>(qPrintable(QString("CMD(%1)").arg(i)));
    }
    void setFields(const FieldTexts& f);
    QRgb windowPixel(int column, int row) const
    {
        return window_->surface().picture().pixel(kPictureLeft + column, kPictureTop + row);
    }
    // Column c of the window's picture equals column c of the engine's picture.
    bool columnMatches(int c, const Picture& picture) const;
    bool columnIsBlank(int c, int rows) const;

    std::unique_ptr<MainWindow> window_;
};

void MainWindowTest::init()
{
    window_ = std::make_unique<MainWindow>();
    window_->openAddress = [](const QUrl&) { return true; };
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void MainWindowTest::cleanup() { window_.reset(); }

void MainWindowTest::setFields(const FieldTexts& f)
{
    control<QLineEdit>("TextOne")->setText(QString::fromStdString(f.across));
    control<QLineEdit>("TextTwo")->setText(QString::fromStdString(f.down));
    control<QLineEdit>("TextThree")->setText(QString::fromStdString(f.size));
    control<QLineEdit>("TextFour")->setText(QString::fromStdString(f.xoom));
    control<QLineEdit>("Textfive")->setText(QString::fromStdString(f.brightness));
}

bool MainWindowTest::columnMatches(int c, const Picture& picture) const
{
    for (int r = 0; r < picture.height; ++r)
        if (windowPixel(c, r) != toQRgb(picture.at(c, r))) return false;
    return true;
}

bool MainWindowTest::columnIsBlank(int c, int rows) const
{
    for (int r = 0; r < rows; ++r)
        if (windowPixel(c, r) != kBackground) return false;
    return true;
}

void MainWindowTest::patternClickHighlightsOneButtonAndDrawsTheEnginePicture_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("size");
    QTest::addRow("aqua") << 0 << "150";
    QTest::addRow("kanga, fractional size") << 10 << "40.5";
    QTest::addRow("tang") << 18 << "60";
}

void MainWindowTest::patternClickHighlightsOneButtonAndDrawsTheEnginePicture()
{
    QFETCH(int, index);
    QFETCH(QString, size);
    const FieldTexts fields{"3", "-7", size.toStdString(), "0.5", "150"};
    setFields(fields);

    QTest::mouseClick(patternButton(index), Qt::LeftButton);

    for (int i = 0; i < 19; ++i) {
        const QColor expected = i == index ? QColor(255, 255, 0) : QColor(128, 128, 128);
        QCOMPARE(patternButton(i)->palette().color(QPalette::Button), expected);
    }
    const auto picture = renderPicture(*patternTable()[index], fields);
    QVERIFY(picture.ok());
    for (int c = 0; c < picture.value().width; ++c)
        QVERIFY2(columnMatches(c, picture.value()), qPrintable(QString::number(c)));
    QVERIFY(columnIsBlank(picture.value().width, picture.value().height));
    QCOMPARE(windowPixel(0, picture.value().height), kBackground);
}

void MainWindowTest::haltAfterAColumnLeavesExactlyThoseColumns()
{
    window_->drawing().columnObserver = [this](int column) {
        if (column == 39)
            QTimer::singleShot(
                0, [this] { QTest::mouseClick(control<QPushButton>("cmdstop"), Qt::LeftButton); });
    };
    QTest::mouseClick(patternButton(0), Qt::LeftButton);

    const auto aqua = renderPicture(*patternTable()[0], FieldTexts{});
    for (int c = 0; c < 40; ++c) QVERIFY(columnMatches(c, aqua.value()));
    for (int c = 40; c < 150; ++c) QVERIFY(columnIsBlank(c, 150));
    QCOMPARE(window_->haltFlag(), QString("p"));
}

void MainWindowTest::haltWithNoDrawingChangesNothingVisible()
{
    const QImage before = window_->surface().picture();
    QTest::mouseClick(control<QPushButton>("cmdstop"), Qt::LeftButton);
    QCOMPARE(window_->surface().picture(), before);
    QTest::mouseClick(patternButton(1), Qt::LeftButton);
    QVERIFY(window_->haltFlag().isEmpty());
    QVERIFY(columnMatches(149, renderPicture(*patternTable()[1], FieldTexts{}).value()));
}

void MainWindowTest::patternClickedDuringADrawingRunsNestedThenTheFirstResumes()
{
    bool clicked = false;
    window_->drawing().columnObserver = [&](int column) {
        if (column == 39 && !clicked) {
            clicked = true;
            QTimer::singleShot(0, [this] { QTest::mouseClick(patternButton(18), Qt::LeftButton); });
        }
    };
    QTest::mouseClick(patternButton(0), Qt::LeftButton);

    const auto aqua = renderPicture(*patternTable()[0], FieldTexts{});
    const auto tang = renderPicture(*patternTable()[18], FieldTexts{});
    for (int c = 0; c < 40; ++c) QVERIFY(columnMatches(c, tang.value()));
    for (int c = 40; c < 150; ++c) QVERIFY(columnMatches(c, aqua.value()));
    QCOMPARE(patternButton(18)->palette().color(QPalette::Button), QColor(255, 255, 0));
    QCOMPARE(patternButton(0)->palette().color(QPalette::Button), QColor(128, 128, 128));
}

void MainWindowTest::oneHaltStopsEveryNestedDrawing()
{
    window_->drawing().columnObserver = [&](int column) {
        if (window_->drawing().nesting() == 1 && column == 39)
            QTimer::singleShot(0, [this] { QTest::mouseClick(patternButton(18), Qt::LeftButton); });
        if (window_->drawing().nesting() == 2 && column == 10)
            QTimer::singleShot(
                0, [this] { QTest::mouseClick(control<QPushButton>("cmdstop"), Qt::LeftButton); });
    };
    QTest::mouseClick(patternButton(0), Qt::LeftButton);

    const auto aqua = renderPicture(*patternTable()[0], FieldTexts{});
    const auto tang = renderPicture(*patternTable()[18], FieldTexts{});
    for (int c = 0; c <= 10; ++c) QVERIFY(columnMatches(c, tang.value()));
    for (int c = 11; c < 40; ++c) QVERIFY(columnMatches(c, aqua.value()));
    for (int c = 40; c < 150; ++c) QVERIFY(columnIsBlank(c, 150));
}

void MainWindowTest::nestingBeyondTheCapIsIgnored()
{
    setFields({"1", "1", "1", "1", "150"});
    int deepest = 0;
    int clicks = 0;
    window_->drawing().columnObserver = [&](int) {
        deepest = std::max(deepest, window_->drawing().nesting());
        if (clicks++ < DrawingController::kMaxNesting + 20)
            QTimer::singleShot(0, [this] { QTest::mouseClick(patternButton(2), Qt::LeftButton); });
    };
    QTest::mouseClick(patternButton(2), Qt::LeftButton);
    QCOMPARE(deepest, DrawingController::kMaxNesting);
    QCOMPARE(window_->drawing().nesting(), 0);
}

void MainWindowTest::resetDuringADrawingStopsItAndClearsTheSurface()
{
    window_->drawing().columnObserver = [this](int column) {
        if (column == 20)
            QTimer::singleShot(
                0, [this] { QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton); });
    };
    QTest::mouseClick(patternButton(4), Qt::LeftButton);

    for (int c = 0; c < 150; ++c) QVERIFY(columnIsBlank(c, 150));
    QCOMPARE(window_->fieldTexts(), (FieldTexts{"1", "1", "100", "1", "150"}));
}

void MainWindowTest::aFailingDrawingShowsAMessageAndTheProgramRunsOn()
{
    const FieldTexts fields{"1", "1", "20", "1e300", "150"};
    setFields(fields);
    MessageBoxWatch watch;
    watch.arm();
    QTest::mouseClick(patternButton(0), Qt::LeftButton);

    QCOMPARE(watch.icon, QMessageBox::Critical);
    const auto aqua = renderPicture(*patternTable()[0], fields);
    QVERIFY(!aqua.ok());
    const PixelPlace pixel = aqua.failure().pixel.value();
    QCOMPARE(watch.text, "The drawing of \"aqua\" stopped. A number grew too large at x = " +
                             QString::fromStdString(numberText(pixel.x)) +
                             ", y = " + QString::fromStdString(numberText(pixel.y)) +
                             ". Try a smaller XOOM or brightness.");
    QCOMPARE(window_->fieldTexts(), fields);

    setFields(FieldTexts{});
    QTest::mouseClick(patternButton(0), Qt::LeftButton);
    QVERIFY(columnMatches(0, renderPicture(*patternTable()[0], FieldTexts{}).value()));
}

void MainWindowTest::aFailingFieldRuleShowsAMessageAndChangesNoField()
{
    const FieldTexts fields{"abc", "1", "600", "0.2", "150"};
    setFields(fields);
    MessageBoxWatch watch;
    watch.arm();
    QTest::mouseClick(control<QPushButton>("cmdXX(2)"), Qt::LeftButton);

    QCOMPARE(watch.icon, QMessageBox::Critical);
    QCOMPARE(
        watch.text,
        QString("The horizontal zero point \"abc\" is not a number. Type a number such as 1."));
    QCOMPARE(window_->fieldTexts(), fields);
}

void MainWindowTest::aFieldBeyondTheRangeStopsTheDrawingNamingItsCaption()
{
    const FieldTexts fields{"1", "1", "20", "1e309", "150"};
    setFields(fields);
    MessageBoxWatch watch;
    watch.arm();
    QTest::mouseClick(patternButton(3), Qt::LeftButton);

    QCOMPARE(watch.icon, QMessageBox::Critical);
    QCOMPARE(watch.text, QString("The XOOM \"1e309\" is too large a number. Type a smaller one."));
    QCOMPARE(window_->fieldTexts(), fields);
    QVERIFY(columnIsBlank(0, 20));
}

void MainWindowTest::sizeCheckRunsWhenAButtonTakesTheFocus()
{
    auto* size = control<QLineEdit>("TextThree");
    size->setFocus();
    size->setText("2000");
    QTest::mouseClick(control<QPushButton>("cmdstop"), Qt::LeftButton);
    QCOMPARE(size->text(), QString("100"));

    size->setFocus();
    size->setText("1024");
    QTest::mouseClick(control<QPushButton>("cmdstop"), Qt::LeftButton);
    QCOMPARE(size->text(), QString("1024"));
}

void MainWindowTest::labelClickRunsNoSizeCheck()
{
    auto* size = control<QLineEdit>("TextThree");
    size->setFocus();
    size->setText("2000");
    QTest::mouseClick(control<ClickLabel>("Label17"), Qt::LeftButton);
    QCOMPARE(size->text(), QString("2000"));
    QCOMPARE(control<QLineEdit>("TextFour")->text(), QString("0.5"));
    QVERIFY(size->hasFocus());
}

void MainWindowTest::returnAndEnterPressTheFocusedButtonAsSpaceDoes_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("xoom");
    QTest::addRow("S, Return") << "cmd1" << int(Qt::Key_Return) << "300"
                               << "1";
    QTest::addRow("M, Enter") << "cmdb" << int(Qt::Key_Enter) << "600"
                              << "0.2";
    QTest::addRow("L, Space") << "Command4" << int(Qt::Key_Space) << "768"
                              << "0.15";
    QTest::addRow(">>, Return") << "cmdXX(1)" << int(Qt::Key_Return) << "150"
                                << "0.5";
}

void MainWindowTest::returnAndEnterPressTheFocusedButtonAsSpaceDoes()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QString, size);
    QFETCH(QString, xoom);
    auto* pressed = control<QPushButton>(qPrintable(button));
    pressed->setFocus();
    QTest::keyClick(pressed, Qt::Key(key));
    QCOMPARE(control<QLineEdit>("TextThree")->text(), size);
    QCOMPARE(control<QLineEdit>("TextFour")->text(), xoom);

    // A key held down presses once.
    const FieldTexts before = window_->fieldTexts();
    QKeyEvent repeated(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(pressed, &repeated);
    QCOMPARE(window_->fieldTexts(), before);
}

void MainWindowTest::linkWithoutBrowserShowsTheMessage()
{
    QUrl opened;
    window_->openAddress = [&](const QUrl& url) {
        opened = url;
        return false;
    };
    MessageBoxWatch watch;
    watch.arm();
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);

    QCOMPARE(opened, QUrl(ZENTREL_HOME_ADDRESS));
    QCOMPARE(watch.icon, QMessageBox::Critical);
    QCOMPARE(watch.title, QString("Cannot find Browser:"));
    QCOMPARE(watch.text,
             "No web browser could be started.\n\nTo visit the page, copy its address "
             "into a web browser:\n" ZENTREL_HOME_ADDRESS);
    QVERIFY(watch.interaction.testFlag(Qt::TextSelectableByMouse));
    QVERIFY(watch.interaction.testFlag(Qt::TextSelectableByKeyboard));
    QVERIFY(window_->isVisible());
}

void MainWindowTest::exitLabelEndsTheProgramMidDrawing()
{
    // Ending is replaced by a halt here, so that the test can see where the
    // drawing stood when the label was clicked.
    int endedAt = -1;
    int lastColumn = -1;
    window_->endProgram = [&] {
        endedAt = lastColumn;
        QTest::mouseClick(control<QPushButton>("cmdstop"), Qt::LeftButton);
    };
    window_->drawing().columnObserver = [&](int column) {
        lastColumn = column;
        if (column == 5)
            QTimer::singleShot(
                0, [this] { QTest::mouseClick(control<ClickLabel>("Label2"), Qt::LeftButton); });
    };
    QTest::mouseClick(patternButton(0), Qt::LeftButton);
    QCOMPARE(endedAt, 5);
    QCOMPARE(lastColumn, 5);
}

void MainWindowTest::presentsItselfToTheDesktopAsZentrelWithItsIcon()
{
    setDesktopIdentity();
    MainWindow window;
    QCOMPARE(window.windowTitle(), QString("Zentrel"));
    QCOMPARE(QApplication::applicationName(), QString("Zentrel"));
    QCOMPARE(QApplication::desktopFileName(), QString(ZENTREL_APP_ID));
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    // The star of the picture lies in the middle, bright on a dark ground.
    const QImage icon = window.windowIcon().pixmap(QSize(64, 64)).toImage();
    QVERIFY(qGray(icon.pixel(32, 32)) > 200);
    QVERIFY(qGray(icon.pixel(32, 8)) < 100);
}

void MainWindowTest::keysDoWhatTheirButtonsDoButNotInAField()
{
    control<QPushButton>("cmdstop")->setFocus();
    // clang-format off
    const std::pair<Qt::Key, FieldTexts> presses[] = {
        {Qt::Key_Right, {"76", "1", "150", "1", "150"}},
        {Qt::Key_Down, {"76", "76", "150", "1", "150"}},
        {Qt::Key_Left, {"1", "76", "150", "1", "150"}},
        {Qt::Key_Up, {"1", "1", "150", "1", "150"}},
        {Qt::Key_Plus, {"1", "1", "150", "0.5", "150"}},
        {Qt::Key_Minus, {"1", "1", "150", "1", "150"}},
    };
    // clang-format on
    for (const auto& [key, fields] : presses) {
        QTest::keyClick(window_.get(), key);
        QCOMPARE(window_->fieldTexts(), fields);
    }
    // In a field the same keys move the cursor and type.
    auto* across = control<QLineEdit>("TextOne");
    across->setFocus();
    across->setCursorPosition(1);
    QTest::keyClick(across, Qt::Key_Left);
    QTest::keyClick(across, Qt::Key_Plus);
    QTest::keyClick(across, Qt::Key_Right);
    QTest::keyClick(across, Qt::Key_Minus);
    QCOMPARE(window_->fieldTexts(), (FieldTexts{"+1-", "1", "150", "1", "150"}));
}

void MainWindowTest::escapeHaltsAndAltWithAnInitialDraws()
{
    window_->drawing().columnObserver = [this](int column) {
        if (column == 9)
            QTimer::singleShot(0, [this] { QTest::keyClick(window_.get(), Qt::Key_Escape); });
    };
    // The focus in a field: Alt and a letter types nothing there.
    control<QLineEdit>("TextOne")->setFocus();
    QTest::keyClick(control<QLineEdit>("TextOne"), Qt::Key_T, Qt::AltModifier);

    QCOMPARE(window_->fieldTexts(), FieldTexts{});
    QCOMPARE(patternButton(18)->palette().color(QPalette::Button), QColor(255, 255, 0));
    const auto tang = renderPicture(*patternTable()[18], FieldTexts{});
    for (int c = 0; c < 10; ++c) QVERIFY(columnMatches(c, tang.value()));
    for (int c = 10; c < 150; ++c) QVERIFY(columnIsBlank(c, 150));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
