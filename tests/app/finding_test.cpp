// SPDX-License-Identifier: GPL-3.0-or-later
// Finding from the window: "Every pattern here" shows each pattern at the
// main view's region as the renderer draws its view, follows the view, and
// a click on a thumbnail draws as the pattern's button does; bookmarks go
// through their files and back.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "app/bookmarks_window.h"
#include "app/finder.h"
#include "app/main_window.h"
#include "app/pattern_gallery.h"
#include "app/picture_surface.h"
#include "app/thumbnail_tip.h"
#include "engine/worker_pool.h"
#include "message_box_watch.h"
#include "patterns/pattern_table.h"
#include "picture/picture_view.h"
#include "picture/poster.h"
#include "thumbnails/thumbnail_view.h"

using namespace zentrel;
using namespace zentrel::app;
using zentrel::test::MessageBoxWatch;

namespace {

const FieldTexts kLarge{"1", "1", "768", "0.15", "150"};

int indexOf(const char* caption)
{
    for (int i = 0; i < kPatternCount; ++i)
        if (patternTable()[i]->caption == caption) return i;
    return -1;
}

QPushButton* button(MainWindow& window, const char* caption)
{
    return window.findChild<QPushButton*>(QString("CMD(%1)").arg(indexOf(caption)));
}

// The picture zentrel-render writes of the view, as an image.
QImage renderedImage(const View& view, const QString& path)
{
    const auto plan = planPoster(view);
    if (!plan || !writePoster(WorkerPool::shared(), view, plan.value(), path.toStdString()).ok())
        return {};
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

QImage iconImage(QToolButton* cell)
{
    return cell->icon().pixmap(cell->iconSize()).toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class FindingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyThumbnailIsTheRenderersPictureOfItsViewAtTheRegion();
    void theGalleryFollowsTheView();
    void aClickInTheGalleryDrawsAsThePatternButtonDoes();
    void aRestingPointerShowsTheThumbnailAsTip();
    void bookmarksGoThroughTheirFilesAndBack();
    void aPictureWithoutAViewIsListedAndSaysSoWhenOpened();

private:
    void setFields(MainWindow& window, const FieldTexts& f);
    PatternGallery* openGallery();

    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<MainWindow> window_;
};

// The user's pictures folder is one of the test's own.
void FindingTest::initTestCase()
{
    home_ = std::make_unique<QTemporaryDir>();
    qputenv("HOME", home_->path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home_->path() + "/config").toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(Finder::bookmarksFolder().startsWith(home_->path()));
}

void FindingTest::init()
{
    QDir(Finder::bookmarksFolder()).removeRecursively();
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void FindingTest::cleanup() { window_.reset(); }

void FindingTest::setFields(MainWindow& window, const FieldTexts& f)
{
    for (FieldRole role : {FieldRole::Across, FieldRole::Down, FieldRole::Size, FieldRole::Xoom,
                           FieldRole::Brightness})
        window.findChild<QLineEdit*>(fieldName(role))
            ->setText(QString::fromStdString(fieldText(f, role)));
}

PatternGallery* FindingTest::openGallery()
{
    QTest::keyClick(window_.get(), Qt::Key_G, Qt::ControlModifier);
    PatternGallery* gallery = window_->finder().gallery();
    if (gallery && !QTest::qWaitFor([gallery] { return gallery->finished(); }, 20000))
        return nullptr;
    return gallery;
}

void FindingTest::everyThumbnailIsTheRenderersPictureOfItsViewAtTheRegion()
{
    setFields(*window_, kLarge);
    QTest::mouseClick(button(*window_, "kanga"), Qt::LeftButton);
    PatternGallery* gallery = openGallery();
    QVERIFY(gallery && gallery->isVisible() && gallery->finished());
    QCOMPARE(static_cast<int>(gallery->thumbnails().size()), kPatternCount);
    const QTemporaryDir files;
    for (int i = 0; i < kPatternCount; ++i) {
        const Thumbnail& t = gallery->thumbnails()[static_cast<std::size_t>(i)];
        const auto region = thumbnailView(*window_->typedView(), *patternTable()[i]);
        QVERIFY(region.ok());
        QVERIFY2(t.view == region.value(), patternTable()[i]->caption.data());
        QVERIFY2(t.drawn(), patternTable()[i]->caption.data());
        const QImage rendered = renderedImage(t.view, files.filePath("t.png"));
        QCOMPARE(rendered.size(), QSize(192, 144));
        QVERIFY2(iconImage(gallery->cell(i)) == rendered, patternTable()[i]->caption.data());
        QVERIFY(gallery->cell(i)->text().startsWith(
            QString::fromUtf8(patternTable()[i]->caption.data())));
        QVERIFY(gallery->cell(i)->text().endsWith(
            QString("Alt+%1").arg(QChar(patternTable()[i]->caption[0]).toUpper())));
    }
}

void FindingTest::theGalleryFollowsTheView()
{
    setFields(*window_, kLarge);
    QTest::mouseClick(button(*window_, "aqua"), Qt::LeftButton);
    PatternGallery* gallery = openGallery();
    QVERIFY(gallery);
    window_->findChild<QAction*>("halve-xoom")->trigger();
    QCOMPARE(window_->fieldTexts().xoom, std::string("0.075"));
    QTRY_VERIFY_WITH_TIMEOUT(gallery->finished(), 20000);
    for (int i = 0; i < kPatternCount; ++i)
        QVERIFY(gallery->thumbnails()[static_cast<std::size_t>(i)].view ==
                thumbnailView(*window_->typedView(), *patternTable()[i]).value());
    // Fields half typed are no view: the thumbnails stay as they were.
    const auto before = gallery->thumbnails().front().view;
    window_->findChild<QLineEdit*>("TextThree")->setText("x");
    QTRY_VERIFY_WITH_TIMEOUT(gallery->finished(), 20000);
    QVERIFY(gallery->thumbnails().front().view == before);
}

void FindingTest::aClickInTheGalleryDrawsAsThePatternButtonDoes()
{
    setFields(*window_, kLarge);
    QTest::mouseClick(button(*window_, "aqua"), Qt::LeftButton);
    PatternGallery* gallery = openGallery();
    QVERIFY(gallery);
    QTest::mouseClick(gallery->cell(indexOf("pug")), Qt::LeftButton);

    MainWindow twin;
    twin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&twin));
    setFields(twin, kLarge);
    QTest::mouseClick(button(twin, "aqua"), Qt::LeftButton);
    QTest::mouseClick(button(twin, "pug"), Qt::LeftButton);

    QVERIFY(window_->shownView().has_value());
    QVERIFY(window_->shownView() == twin.shownView());
    QCOMPARE(window_->shownView()->pattern, findPattern("pug"));
    QCOMPARE(window_->surface().picture(), twin.surface().picture());
    QCOMPARE(window_->focusWidget(), static_cast<QWidget*>(button(*window_, "pug")));
}

void FindingTest::aRestingPointerShowsTheThumbnailAsTip()
{
    setFields(*window_, kLarge);
    QTest::mouseClick(button(*window_, "aqua"), Qt::LeftButton);
    QPushButton* deyes = button(*window_, "deyes");
    deyes->setToolTip("the dunes");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(deyes, &enter);
    ThumbnailTip& tip = window_->finder().tip();
    QVERIFY(!tip.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(tip.isVisible(), 5000);
    QCOMPARE(tip.text(), QString("the dunes"));
    const QTemporaryDir files;
    const auto view = thumbnailView(*window_->typedView(), *findPattern("deyes"));
    QVERIFY(view.ok());
    QCOMPARE(tip.picture().convertToFormat(QImage::Format_RGB32),
             renderedImage(view.value(), files.filePath("tip.png")));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(deyes, &leave);
    QVERIFY(!tip.isVisible());
}

void FindingTest::bookmarksGoThroughTheirFilesAndBack()
{
    setFields(*window_, FieldTexts{"3", "-2", "768", "0.3", "140"});
    QTest::mouseClick(button(*window_, "icening"), Qt::LeftButton);
    const View kept = *window_->shownView();
    QTest::keyClick(window_.get(), Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(window_.get(), Qt::Key_D, Qt::ControlModifier);
    const QDir folder(Finder::bookmarksFolder());
    // Named after the pattern and the Xoom; a second is numbered, the
    // first left as it was.
    QCOMPARE(folder.entryList(QDir::Files),
             QStringList({"icening-0.3 (2).png", "icening-0.3.png"}));
    for (const QString& name : folder.entryList(QDir::Files)) {
        const auto view = viewOfPicture(folder.filePath(name).toStdString());
        QVERIFY(view.ok());
        QVERIFY(view.value() == kept);
        QCOMPARE(QImage(folder.filePath(name)).size(), QSize(192, 144));
    }

    QTest::keyClick(window_.get(), Qt::Key_B, Qt::ControlModifier);
    BookmarksWindow* bookmarks = window_->finder().bookmarks();
    QVERIFY(bookmarks && bookmarks->isVisible());
    QCOMPARE(bookmarks->paths().size(), 2);

    // Somewhere else, then the bookmark opened: the same view, drawn.
    setFields(*window_, kLarge);
    QTest::mouseClick(button(*window_, "aqua"), Qt::LeftButton);
    bookmarks->select(folder.filePath("icening-0.3.png"));
    bookmarks->openSelected();
    QVERIFY(window_->shownView() == kept);

    bookmarks->askNewName = [](QWidget*, const QString&) { return QString("glacier"); };
    bookmarks->renameSelected();
    QCOMPARE(folder.entryList(QDir::Files), QStringList({"glacier.png", "icening-0.3 (2).png"}));
    QTRY_COMPARE(bookmarks->paths().size(), 2);
    // A name taken already is refused, and both files stay.
    QString failure;
    bookmarks->showFailure = [&](const QString& text) { failure = text; };
    bookmarks->askNewName = [](QWidget*, const QString&) { return QString("icening-0.3 (2)"); };
    bookmarks->select(folder.filePath("glacier.png"));
    bookmarks->renameSelected();
    QVERIFY(!failure.isEmpty());
    QCOMPARE(folder.entryList(QDir::Files), QStringList({"glacier.png", "icening-0.3 (2).png"}));

    int asked = 0;
    bookmarks->confirmDelete = [&](QWidget*, const QString& name) {
        ++asked;
        return name == "glacier" && asked > 1;
    };
    bookmarks->select(folder.filePath("glacier.png"));
    bookmarks->deleteSelected();
    QCOMPARE(folder.entryList(QDir::Files).size(), 2);
    bookmarks->deleteSelected();
    QCOMPARE(folder.entryList(QDir::Files), QStringList({"icening-0.3 (2).png"}));
    QCOMPARE(bookmarks->paths(), QStringList({folder.filePath("icening-0.3 (2).png")}));

    QUrl shown;
    bookmarks->openFolder = [&](const QUrl& url) {
        shown = url;
        return true;
    };
    bookmarks->showInFolder();
    QCOMPARE(shown, QUrl::fromLocalFile(folder.path()));
}

void FindingTest::aPictureWithoutAViewIsListedAndSaysSoWhenOpened()
{
    QTest::keyClick(window_.get(), Qt::Key_B, Qt::ControlModifier);
    BookmarksWindow* bookmarks = window_->finder().bookmarks();
    QVERIFY(bookmarks);
    const QString dropped = QDir(Finder::bookmarksFolder()).filePath("holiday.png");
    QImage plain(30, 20, QImage::Format_RGB32);
    plain.fill(Qt::red);
    QVERIFY(plain.save(dropped));
    // The folder is watched: the file shows without asking.
    QTRY_COMPARE_WITH_TIMEOUT(bookmarks->paths(), QStringList({dropped}), 10000);
    const FieldTexts before = window_->fieldTexts();
    bookmarks->select(dropped);
    MessageBoxWatch watch;
    watch.arm();
    bookmarks->openSelected();
    QVERIFY2(watch.text.contains("view"), qPrintable(watch.text));
    QCOMPARE(window_->fieldTexts(), before);
}

QTEST_MAIN(FindingTest)
#include "finding_test.moc"
