// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping and sharing from the window: the picture saved and copied, the
// view copied and pasted, a picture's view opened by a drop, and posters in
// the background; every refusal changes no field and leaves no file.

#include <sys/stat.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main_window.h"
#include "app/poster_dialog.h"
#include "app/view_keeper.h"
#include "engine/colour.h"
#include "engine/render.h"
#include "engine/worker_pool.h"
#include "message_box_watch.h"
#include "patterns/pattern_table.h"
#include "picture/picture_view.h"
#include "picture/poster.h"

using namespace zentrel;
using namespace zentrel::app;
using zentrel::test::MessageBoxWatch;

namespace {

const FieldTexts kView{"2", "-5.5", "60", "0.7", "140"};

// The picture in an image, against the engine's picture of the view.
bool sameAsEngine(const QImage& image, const View& view)
{
    const auto picture = renderPicture(*view.pattern, view.fields, 2);
    if (!picture || image.width() != picture.value().width ||
        image.height() != picture.value().height)
        return false;
    for (int c = 0; c < image.width(); ++c)
        for (int r = 0; r < image.height(); ++r) {
            const Colour colour = picture.value().at(c, r);
            if (image.pixel(c, r) != qRgb(redOf(colour), greenOf(colour), blueOf(colour)))
                return false;
        }
    return true;
}

}  // namespace

class KeepTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void savingWritesThePictureOnTheWindowWithItsView();
    void copyingThePictureLeavesItOnTheClipboard();
    void aCopiedViewPastedBackRestoresTheFieldsAndDraws();
    void pastingWhatIsNoViewSaysWhyAndChangesNothing();
    void droppingAPictureOpensItsView();
    void openingAPictureWithoutAViewSaysSo();
    void openingANamedPipeSaysItIsNoRegularFile();
    void markupFromOutsideIsShownAsPlainText();
    void nothingDrawnNothingToKeep();
    void aViewTheWindowCannotDrawIsRefusedWhole();
    void thePosterDialogSaysWhatItDoes();
    void aPosterRendersWhileTheWindowDrawsOn();
    void aDeepPosterHasSixteenBitsAChannel();
    void aCancelledPosterLeavesNoFile();

private:
    void setFields(const FieldTexts& f);
    void draw(const char* caption);
    QString path(const QString& name) const { return dir_->filePath(name); }
    bool nothingWritten() const { return QDir(dir_->path()).isEmpty(); }

    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QTemporaryDir> dir_;
};

void KeepTest::init()
{
    // Each test starts with no folder remembered from an earlier one.
    QSettings().clear();
    dir_ = std::make_unique<QTemporaryDir>();
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void KeepTest::cleanup()
{
    window_.reset();
    dir_.reset();
}

void KeepTest::setFields(const FieldTexts& f)
{
    const std::pair<const char*, const std::string*> fields[] = {{"TextOne", &f.across},
                                                                 {"TextTwo", &f.down},
                                                                 {"TextThree", &f.size},
                                                                 {"TextFour", &f.xoom},
                                                                 {"Textfive", &f.brightness}};
    for (const auto& [name, text] : fields)
        window_->findChild<QLineEdit*>(name)->setText(QString::fromStdString(*text));
}

void KeepTest::draw(const char* caption)
{
    for (int i = 0; i < kPatternCount; ++i)
        if (patternTable()[i]->caption == caption)
            QTest::mouseClick(window_->findChild<QPushButton*>(QString("CMD(%1)").arg(i)),
                              Qt::LeftButton);
}

void KeepTest::savingWritesThePictureOnTheWindowWithItsView()
{
    setFields(kView);
    draw("kanga");
    // A name without an ending becomes a PNG.
    QString proposed;
    window_->keeper().askPictureToSave = [&](QWidget*, const QString& offered) {
        proposed = offered;
        return path("kept");
    };
    window_->keeper().savePicture();
    // The pattern and Xoom name the file proposed, in a folder of its own
    // under the pictures folder, there to be chosen.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QCOMPARE(proposed, pictures + "/Zentrel/kanga-0.7.png");
    QVERIFY(QFileInfo(pictures + "/Zentrel").isDir());

    const View expected = viewWith(*findPattern("kanga"), kView);
    QVERIFY(sameAsEngine(QImage(path("kept.png")), expected));
    const auto back = viewOfPicture(path("kept.png").toStdString());
    QVERIFY2(back.ok(), back.ok() ? "" : back.failure().message().c_str());
    QVERIFY(back.value() == expected);
}

void KeepTest::copyingThePictureLeavesItOnTheClipboard()
{
    setFields(kView);
    draw("pug");
    window_->keeper().copyPicture();
    QVERIFY(sameAsEngine(QApplication::clipboard()->image(), viewWith(*findPattern("pug"), kView)));
}

void KeepTest::aCopiedViewPastedBackRestoresTheFieldsAndDraws()
{
    const FieldTexts typed{"it's 3", "&H10", "40", "1e-2", " 90 "};
    setFields(typed);
    draw("tang");
    window_->keeper().copyView();
    QCOMPARE(QApplication::clipboard()->text(),
             QString::fromStdString(commandOf(viewWith(*findPattern("tang"), typed))));

    setFields(FieldTexts{});
    draw("aqua");
    window_->keeper().pasteView();
    QCOMPARE(window_->fieldTexts(), typed);
    QVERIFY(window_->shownView() == viewWith(*findPattern("tang"), typed));
    // One step back is the view the paste replaced, pattern and fields.
    QTest::keyClick(window_.get(), Qt::Key_Left, Qt::AltModifier);
    QVERIFY(window_->typedView() == viewWith(*findPattern("aqua"), FieldTexts{}));
}

void KeepTest::pastingWhatIsNoViewSaysWhyAndChangesNothing()
{
    setFields(kView);
    for (const char* text :
         {"What a lovely picture!", "--pattern zebra --x 1", "--pattern aqua --x 'open"}) {
        QApplication::clipboard()->setText(text);
        MessageBoxWatch watch;
        watch.arm();
        window_->keeper().pasteView();
        QCOMPARE(watch.icon, QMessageBox::Critical);
        QVERIFY2(watch.text.startsWith("This is not a view:"), qPrintable(watch.text));
        QCOMPARE(window_->fieldTexts(), kView);
    }
}

// A view the window cannot draw whole is refused before any field changes.
void KeepTest::aViewTheWindowCannotDrawIsRefusedWhole()
{
    const std::pair<QString, QString> rows[] = {
        {"--pattern aqua --size 65536", "a size from 1 to 1024"},
        {"--pattern aqua --size 1e300", "a size from 1 to 1024"},
        {"--pattern aqua --size abc", "size reads as 0"},
        {"--pattern aqua --x \"2" + QString(40000, ' ') + "5\"", "a field holds at most 32767"},
        {"--pattern aqua --x 1e16", "Nothing was changed."},
        {"--pattern aqua --x " + QString((1 << 20) + 1, '1'), "longer than any view"},
    };
    setFields(kView);
    draw("kanga");
    const auto shown = window_->shownView();
    for (const auto& [text, said] : rows) {
        QApplication::clipboard()->setText(text);
        MessageBoxWatch watch;
        watch.arm();
        window_->keeper().pasteView();
        QVERIFY2(watch.text.contains(said), qPrintable(watch.text.left(300)));
        QCOMPARE(window_->fieldTexts(), kView);
        QVERIFY(window_->shownView() == shown);
    }
}

void KeepTest::droppingAPictureOpensItsView()
{
    View view = viewWith(*findPattern("louis"), kView);
    view.density = 2;
    WorkerPool pool(2);
    QVERIFY(
        writePoster(pool, view, planPoster(view).value(), path("dropped.png").toStdString()).ok());

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path("dropped.png"))});
    QDragEnterEvent enter(QPoint(600, 400), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(600, 400), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &drop);

    QCOMPARE(window_->fieldTexts(), kView);
    QVERIFY(window_->shownView() == viewWith(*findPattern("louis"), kView));
}

void KeepTest::openingAPictureWithoutAViewSaysSo()
{
    setFields(kView);
    QImage(8, 8, QImage::Format_RGB32).save(path("foreign.png"));
    MessageBoxWatch watch;
    watch.arm();
    window_->keeper().openPicture(path("foreign.png"));
    QVERIFY2(watch.text.contains("holds no view"), qPrintable(watch.text));
    QCOMPARE(window_->fieldTexts(), kView);
}

void KeepTest::openingANamedPipeSaysItIsNoRegularFile()
{
    // No writer ever comes: a window that waited for one would hang here.
    QVERIFY(mkfifo(path("pipe.png").toLocal8Bit().constData(), 0600) == 0);
    MessageBoxWatch watch;
    watch.arm();
    window_->keeper().openPicture(path("pipe.png"));
    QVERIFY2(watch.text.contains("pipe.png is not a regular file"), qPrintable(watch.text));
}

void KeepTest::markupFromOutsideIsShownAsPlainText()
{
    setFields(kView);
    QApplication::clipboard()->setText("--pattern aqua --<b>bold</b>");
    MessageBoxWatch watch;
    watch.arm();
    window_->keeper().pasteView();
    QVERIFY2(watch.text.contains("<b>bold</b>"), qPrintable(watch.text));
    QCOMPARE(watch.format, Qt::PlainText);

    draw("aqua");
    window_->keeper().renderPoster();
    PosterDialog* dialog = window_->keeper().posterDialog();
    dialog->setFile(path("<b>bold.png"));
    QSignalSpy finished(dialog, &PosterDialog::finished);
    dialog->startRendering();
    QVERIFY(finished.count() == 1 || finished.wait(30000));
    QVERIFY2(dialog->outcome().startsWith("Written: " + path("<b>bold.png")),
             qPrintable(dialog->outcome()));
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        if (label->text() == dialog->outcome()) QCOMPARE(label->textFormat(), Qt::PlainText);
}

void KeepTest::nothingDrawnNothingToKeep()
{
    bool asked = false;
    window_->keeper().askPictureToSave = [&](QWidget*, const QString&) {
        asked = true;
        return path("never.png");
    };
    MessageBoxWatch watch;
    watch.arm();
    window_->keeper().savePicture();
    QVERIFY2(watch.text.contains("Click a pattern first"), qPrintable(watch.text));
    QVERIFY(!asked);
    QVERIFY(nothingWritten());
}

void KeepTest::aPosterRendersWhileTheWindowDrawsOn()
{
    setFields(kView);
    draw("gall");
    window_->keeper().renderPoster();
    PosterDialog* dialog = window_->keeper().posterDialog();
    QVERIFY(dialog && dialog->isVisible());
    dialog->setDensity(3);
    dialog->setSupersample(2);
    dialog->setFile(path("poster.png"));
    QSignalSpy finished(dialog, &PosterDialog::finished);
    dialog->startRendering();
    // The window goes on drawing meanwhile.
    draw("jay");
    QVERIFY(finished.count() == 1 || finished.wait(30000));
    QVERIFY2(dialog->outcome().startsWith("Written:"), qPrintable(dialog->outcome()));

    View expected = viewWith(*findPattern("gall"), kView);
    expected.density = 3;
    expected.supersample = 2;
    WorkerPool pool(2);
    QVERIFY(
        writePoster(pool, expected, planPoster(expected).value(), path("same.png").toStdString())
            .ok());
    QCOMPARE(QImage(path("poster.png")), QImage(path("same.png")));
    QVERIFY(viewOfPicture(path("poster.png").toStdString()).value() == expected);
}

void KeepTest::aDeepPosterHasSixteenBitsAChannel()
{
    setFields(kView);
    draw("gall");
    window_->keeper().renderPoster();
    PosterDialog* dialog = window_->keeper().posterDialog();
    dialog->setSupersample(2);
    dialog->setDepth(16);
    dialog->setFile(path("deep.png"));
    QSignalSpy finished(dialog, &PosterDialog::finished);
    dialog->startRendering();
    QVERIFY(finished.count() == 1 || finished.wait(30000));
    QVERIFY2(dialog->outcome().startsWith("Written:"), qPrintable(dialog->outcome()));
    QCOMPARE(QImage(path("deep.png")).depth(), 64);
    QCOMPARE(viewOfPicture(path("deep.png").toStdString()).value().depth, 16);
}

void KeepTest::aCancelledPosterLeavesNoFile()
{
    setFields({"1", "1", "768", "0.15", "150"});
    draw("aqua");
    window_->keeper().renderPoster();
    PosterDialog* dialog = window_->keeper().posterDialog();
    dialog->setDensity(16);
    dialog->setFile(path("cancelled.png"));
    QSignalSpy finished(dialog, &PosterDialog::finished);
    dialog->startRendering();
    QVERIFY(dialog->rendering());
    dialog->cancel();
    QVERIFY(finished.count() == 1 || finished.wait(30000));
    QCOMPARE(dialog->outcome(), QString("Cancelled: nothing was written."));
    QVERIFY(nothingWritten());
}

// The poster dialog says which view it holds and takes the window's on
// request; a bare name lands in the pictures folder, a foreign ending is
// refused, and a file of that name is replaced only when the person says so.
void KeepTest::thePosterDialogSaysWhatItDoes()
{
    setFields({"1", "1", "30", "1", "150"});
    draw("gall");
    window_->keeper().renderPoster();
    PosterDialog* dialog = window_->keeper().posterDialog();
    QLabel* viewText = nullptr;
    for (QLabel* label : dialog->findChildren<QLabel*>())
        if (label->text().startsWith("--pattern")) viewText = label;
    QVERIFY(viewText && viewText->text().contains("--pattern gall"));
    draw("jay");
    QVERIFY(viewText->text().contains("--pattern gall"));
    dialog->takeWindowView();
    QVERIFY(viewText->text().contains("--pattern jay"));

    // A poster is the view finer: a width asked for gets the smallest
    // density that reaches it, a preset the smallest that covers it.
    setFields({"1", "1", "768", "0.15", "150"});
    draw("aqua");
    dialog->takeWindowView();
    dialog->setWidth(3840);
    QCOMPARE(dialog->posterSize(), QSize(4096, 3072));
    dialog->setWidth(1000);
    QCOMPARE(dialog->posterSize(), QSize(1024, 768));
    auto* presets = dialog->findChild<QComboBox*>();
    QVERIFY(presets && presets->count() > 2);
    presets->setCurrentIndex(1);  // 1920 x 1080
    emit presets->activated(1);
    QCOMPARE(dialog->posterSize(), QSize(2048, 1536));
    setFields({"1", "1", "30", "1", "150"});
    draw("jay");
    dialog->takeWindowView();
    dialog->setDensity(1);

    QSignalSpy finished(dialog, &PosterDialog::finished);
    const auto render = [&](const QString& file) {
        const int before = finished.count();
        dialog->setFile(file);
        dialog->startRendering();
        return finished.count() > before || finished.wait(30000);
    };
    const QString own =
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Zentrel";
    QVERIFY(render("bare"));
    QVERIFY(QFileInfo::exists(own + "/bare.png"));
    QVERIFY2(dialog->outcome().contains(own + "/bare.png"), qPrintable(dialog->outcome()));

    QVERIFY(render(path("p.jpg")));
    QVERIFY2(dialog->outcome().contains("PNG (.png) or PPM (.ppm)"), qPrintable(dialog->outcome()));
    QVERIFY(!QFileInfo::exists(path("p.jpg")));

    QFile kept(path("kept.png"));
    QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("mine") == 4);
    kept.close();
    QString asked;
    dialog->confirmReplace = [&](QWidget*, const QString& file) {
        asked = file;
        return false;
    };
    const int before = finished.count();
    dialog->setFile(path("kept.png"));
    dialog->startRendering();
    QCOMPARE(asked, path("kept.png"));
    QVERIFY(!dialog->rendering());
    QCOMPARE(finished.count(), before);
    QCOMPARE(QFileInfo(path("kept.png")).size(), 4);
    dialog->confirmReplace = [](QWidget*, const QString&) { return true; };
    QVERIFY(render(path("kept.png")));
    QVERIFY(QImage(path("kept.png")).width() == 30);
    QFile::remove(own + "/bare.png");
}

QTEST_MAIN(KeepTest)
#include "keep_test.moc"
