// SPDX-License-Identifier: GPL-3.0-or-later
// Movies from the window: keyframes added by key or taken from the history,
// a movie played in the picture area and left again with nothing recorded,
// and movies rendered in the background; a cancelled or failed movie leaves
// no file.

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/actions.h"
#include "app/keyframe_table.h"
#include "app/main_window.h"
#include "app/movie_dialog.h"
#include "app/movie_maker.h"
#include "app/movie_preview.h"
#include "message_box_watch.h"
#include "patterns/pattern_table.h"

using namespace zentrel;
using namespace zentrel::app;
using zentrel::test::MessageBoxWatch;

class MovieTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void theMovieRowsHaveTheirKeysAndEntries();
    void addKeyframeKeepsTheViewInTheFields();
    void theHistoryGivesTheKeyframesFromTheStepChosen();
    void keyframesAreReorderedAndRemoved();
    void aPreviewPlaysTheFramesAndStopsWithNothingRecorded();
    void aRenderedMovieHasEveryFrame();
    void aCancelledMovieLeavesNoFile();
    void aFailedMovieSaysWhyAndLeavesNoFile();

private:
    void setXoom(const char* xoom);
    void drawAqua();
    MovieDialog& openDialog();
    // Two small aqua keyframes, one Xoom a quarter of the other.
    MovieDialog& zoomOfTwoKeyframes(double seconds);
    QString path(const QString& name) const { return dir_->filePath(name); }
    bool nothingWritten() const { return QDir(dir_->path()).isEmpty(); }
    std::vector<View> historyViews();

    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QTemporaryDir> dir_;
};

void MovieTest::init()
{
    QSettings().clear();
    dir_ = std::make_unique<QTemporaryDir>();
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->findChild<QLineEdit*>("TextThree")->setText("48");
}

void MovieTest::cleanup()
{
    window_.reset();
    dir_.reset();
}

void MovieTest::setXoom(const char* xoom)
{
    window_->findChild<QLineEdit*>("TextFour")->setText(xoom);
}

void MovieTest::drawAqua()
{
    QTest::mouseClick(window_->findChild<QPushButton*>("CMD(0)"), Qt::LeftButton);
}

MovieDialog& MovieTest::openDialog()
{
    window_->movies().makeMovie();
    return *window_->movies().dialog();
}

MovieDialog& MovieTest::zoomOfTwoKeyframes(double seconds)
{
    drawAqua();
    window_->movies().addKeyframe();
    setXoom("0.25");
    window_->movies().addKeyframe();
    MovieDialog& dialog = openDialog();
    dialog.useAdded();
    dialog.table().setSeconds(0, seconds);
    return dialog;
}

std::vector<View> MovieTest::historyViews()
{
    MovieDialog& dialog = openDialog();
    dialog.useHistoryFrom(1);
    std::vector<View> views;
    for (const MovieKeyframe& keyframe : dialog.keyframes().keyframes())
        views.push_back(keyframe.view);
    return views;
}

void MovieTest::theMovieRowsHaveTheirKeysAndEntries()
{
    const struct {
        Action action;
        const char* name;
        const char* menu;
        const char* keys;
    } rows[] = {
        {Action::MakeMovie, "make-movie", "Make movie\u2026", "Ctrl+M"},
        {Action::AddKeyframe, "add-keyframe", "Add keyframe", "Ctrl+K"},
    };
    for (const auto& expected : rows) {
        const ActionRow* row = actionRow(expected.action);
        QVERIFY2(row, expected.name);
        QCOMPARE(row->name, std::string(expected.name));
        QCOMPARE(QString::fromStdString(row->menuText), QString::fromUtf8(expected.menu));
        QCOMPARE(row->keys, std::string(expected.keys));
    }
}

// Ctrl+K works from a field too (under X11 a field's own Ctrl+K would cut
// its text).
void MovieTest::addKeyframeKeepsTheViewInTheFields()
{
    MessageBoxWatch box;
    box.arm();
    window_->movies().addKeyframe();
    QVERIFY(box.text.startsWith("There is no view to keep yet."));
    QVERIFY(window_->movies().added().empty());

    drawAqua();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    auto* xoom = window_->findChild<QLineEdit*>("TextFour");
    xoom->setFocus();
    QCOMPARE(QApplication::focusWidget(), xoom);
    xoom->setCursorPosition(0);
    QTest::keyClick(window_.get(), Qt::Key_K, Qt::ControlModifier);
    setXoom("0.5");
    QTest::keyClick(window_.get(), Qt::Key_K, Qt::ControlModifier);
    QTest::keyClick(window_.get(), Qt::Key_K, Qt::ControlModifier);  // the same view again
    const auto& added = window_->movies().added().keyframes();
    QCOMPARE(added.size(), std::size_t{2});
    QCOMPARE(added[0].view, viewWith(*patternTable()[0], {"1", "1", "48", "1", "150"}));
    QCOMPARE(added[1].view.fields.xoom, std::string("0.5"));
    QCOMPARE(xoom->text(), QString("0.5"));
}

void MovieTest::theHistoryGivesTheKeyframesFromTheStepChosen()
{
    drawAqua();
    window_->applyFieldRule(FieldTexts{"1", "1", "48", "0.5", "150"});
    window_->applyFieldRule(FieldTexts{"1", "1", "48", "0.25", "150"});
    const std::vector<View> views = historyViews();
    QCOMPARE(views.size(), std::size_t{3});
    QCOMPARE(views.back(), window_->typedView().value());
    QCOMPARE(views.front().fields.xoom, std::string("1"));
    MovieDialog& dialog = openDialog();
    dialog.useHistoryFrom(2);
    QCOMPARE(dialog.keyframes().size(), std::size_t{2});
    QCOMPARE(dialog.keyframes().keyframes()[0].view.fields.xoom, std::string("0.5"));
    QCOMPARE(dialog.frameSize(), QSize(48, 48));
    QCOMPARE(dialog.frameCount(), kDefaultFlightSeconds * kDefaultFps + 1);
    dialog.setDensity(2);
    dialog.setFps(10);
    QCOMPARE(dialog.frameSize(), QSize(96, 96));
    QCOMPARE(dialog.frameCount(), kDefaultFlightSeconds * 10 + 1);
}

void MovieTest::keyframesAreReorderedAndRemoved()
{
    drawAqua();
    for (const char* xoom : {"1", "0.5", "0.25"}) {
        setXoom(xoom);
        window_->movies().addKeyframe();
    }
    MovieDialog& dialog = openDialog();
    QVERIFY(&dialog.keyframes() == &window_->movies().added());
    KeyframeTable& table = dialog.table();
    table.setCurrentRow(0);
    table.moveCurrent(1);
    QCOMPARE(table.currentRow(), 1);
    table.setCurrentRow(2);
    table.removeCurrent();
    const auto& left = window_->movies().added().keyframes();
    QCOMPARE(left.size(), std::size_t{2});
    QCOMPARE(left[0].view.fields.xoom, std::string("0.5"));
    QCOMPARE(left[1].view.fields.xoom, std::string("1"));
    // A keyframe added with the dialog open shows in it at once.
    setXoom("0.125");
    window_->movies().addKeyframe();
    QCOMPARE(dialog.keyframes().size(), std::size_t{3});
}

void MovieTest::aPreviewPlaysTheFramesAndStopsWithNothingRecorded()
{
    MovieDialog& dialog = zoomOfTwoKeyframes(0.5);
    setXoom("0.7");  // typed, not drawn: the view before the preview is the one drawn
    const std::vector<View> before = historyViews();
    dialog.useAdded();
    dialog.setFps(20);
    QSignalSpy frames(&dialog.player(), &MoviePreview::frameShownChanged);
    QSignalSpy end(&dialog.player(), &MoviePreview::reachedTheEnd);
    dialog.preview();
    QVERIFY(dialog.player().playing());
    QVERIFY(end.wait(10000));
    QVERIFY(frames.size() >= 2);
    QCOMPARE(frames.back().at(0).toLongLong(), dialog.frameCount() - 1);
    // Paused on the last frame, the picture is the last keyframe's, exactly.
    QTRY_COMPARE(window_->shownView(), dialog.keyframes().keyframes().back().view);
    QCOMPARE(window_->fieldTexts().xoom, std::string("0.25"));

    dialog.stopPreview();
    QVERIFY(!dialog.player().active());
    QTRY_COMPARE(window_->shownView(), viewWith(*patternTable()[0], {"1", "1", "48", "1", "150"}));
    QCOMPARE(historyViews(), before);
}

void MovieTest::aRenderedMovieHasEveryFrame()
{
    MovieDialog& dialog = zoomOfTwoKeyframes(0.5);
    dialog.setFps(8);
    QDir().mkpath(path("frames"));
    dialog.setFile(path("frames/zoom.png"));
    QSignalSpy finished(&dialog, &MovieDialog::finished);
    dialog.startRendering();
    QVERIFY(finished.count() == 1 || finished.wait(30000));
    QVERIFY2(dialog.outcome().startsWith("Written:"), qPrintable(dialog.outcome()));
    const QStringList files = QDir(path("frames")).entryList({"zoom-*.png"}, QDir::Files);
    QCOMPARE(files.size(), dialog.frameCount());
    QCOMPARE(QImage(QDir(path("frames")).filePath(files.front())).size(), QSize(48, 48));

    // A bare name is an MP4 video in the pictures folder.
    QSettings().setValue("pictures/folder", dir_->path());
    dialog.setFile("zoom");
    dialog.startRendering();
    QVERIFY(finished.count() == 2 || finished.wait(30000));
    QCOMPARE(dialog.outcome(), "Written: " + path("zoom.mp4"));
    QVERIFY(QFileInfo(path("zoom.mp4")).size() > 0);
}

void MovieTest::aCancelledMovieLeavesNoFile()
{
    MovieDialog& dialog = zoomOfTwoKeyframes(60);
    dialog.setDensity(8);
    dialog.setFile(path("long.mp4"));
    QSignalSpy finished(&dialog, &MovieDialog::finished);
    dialog.startRendering();
    QVERIFY(dialog.rendering());
    dialog.cancel();
    QVERIFY(finished.count() == 1 || finished.wait(30000));
    QCOMPARE(dialog.outcome(), QString("Cancelled: nothing was written."));
    QVERIFY(nothingWritten());
}

void MovieTest::aFailedMovieSaysWhyAndLeavesNoFile()
{
    MovieDialog& dialog = zoomOfTwoKeyframes(0.5);
    const QString missing = path("no such folder/zoom.mp4");
    dialog.setFile(missing);
    QSignalSpy finished(&dialog, &MovieDialog::finished);
    dialog.startRendering();
    QVERIFY(finished.count() == 1 || finished.wait(30000));
    QVERIFY2(dialog.outcome().startsWith("Not written: "), qPrintable(dialog.outcome()));
    QVERIFY(nothingWritten());
}

QTEST_MAIN(MovieTest)
#include "movie_test.moc"
