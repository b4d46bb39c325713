// SPDX-License-Identifier: GPL-3.0-or-later
// "Export zoomable page...": the window's view written as a page in the
// background, the same page zentrel-render writes; a cancel, or a folder
// that holds something, leaves nothing new.

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main_window.h"
#include "app/page_dialog.h"
#include "app/view_keeper.h"
#include "engine/worker_pool.h"
#include "patterns/pattern_table.h"
#include "picture/tile_folder.h"

using namespace zentrel;
using namespace zentrel::app;

class PageDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void thePageIsTheOneTheRendererWrites();
    void levelsStopWhereTheViewDoes();
    void aCancelledPageLeavesNoFolder();
    void aFolderThatHoldsSomethingIsRefused();

private:
    // The window drawing the pattern with these fields, and its page dialog.
    PageDialog* dialogFor(const char* caption, const FieldTexts& f);
    // Exports and waits for the outcome.
    QString exported(PageDialog* dialog);
    QString path(const QString& name) const { return dir_->filePath(name); }

    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QTemporaryDir> dir_;
};

void PageDialogTest::init()
{
    QSettings().clear();
    dir_ = std::make_unique<QTemporaryDir>();
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void PageDialogTest::cleanup()
{
    window_.reset();
    dir_.reset();
}

PageDialog* PageDialogTest::dialogFor(const char* caption, const FieldTexts& f)
{
    const std::pair<const char*, const std::string*> fields[] = {{"TextOne", &f.across},
                                                                 {"TextTwo", &f.down},
                                                                 {"TextThree", &f.size},
                                                                 {"TextFour", &f.xoom},
                                                                 {"Textfive", &f.brightness}};
    for (const auto& [name, text] : fields)
        window_->findChild<QLineEdit*>(name)->setText(QString::fromStdString(*text));
    for (int i = 0; i < kPatternCount; ++i)
        if (patternTable()[i]->caption == caption)
            QTest::mouseClick(window_->findChild<QPushButton*>(QString("CMD(%1)").arg(i)),
                              Qt::LeftButton);
    window_->keeper().exportPage();
    return window_->keeper().pageDialog();
}

QString PageDialogTest::exported(PageDialog* dialog)
{
    QSignalSpy finished(dialog, &PageDialog::finished);
    dialog->startExport();
    if (finished.count() == 0) finished.wait(30000);
    return dialog->outcome();
}

void PageDialogTest::thePageIsTheOneTheRendererWrites()
{
    const FieldTexts f{"2", "-5.5", "300", "0.7", "140"};
    PageDialog* dialog = dialogFor("gall", f);
    QVERIFY(dialog && dialog->isVisible());
    dialog->setLevels(1);
    dialog->setFolder(path("page"));
    QCOMPARE(exported(dialog), "Written: " + path("page") + "/index.html, levels 0 to 1.");

    WorkerPool pool(2);
    const View view = viewWith(*findPattern("gall"), f);
    QVERIFY(writeTileFolder(pool, view, 1, path("same").toStdString()).ok());
    for (const char* file : {"index.html", "0/0/0.png", "0/1/1.png", "1/2/2.png", "1/0/1.png"}) {
        QFile made(path("page/") + file), same(path("same/") + file);
        QVERIFY2(made.open(QIODevice::ReadOnly) && same.open(QIODevice::ReadOnly), file);
        QVERIFY2(made.readAll() == same.readAll(), file);
    }
    QVERIFY(!QFile::exists(path("page/1/3/0.png")));
}

void PageDialogTest::levelsStopWhereTheViewDoes()
{
    // 1024 x 768 reaches the largest picture, 65536 across, at level 6.
    PageDialog* dialog = dialogFor("aqua", {"1", "1", "768", "0.15", "150"});
    QCOMPARE(dialog->mostLevels(), 6);
    QCOMPARE(dialog->levels(), kDefaultTileLevels);
    dialog->setLevels(9);
    QCOMPARE(dialog->levels(), 6);
}

void PageDialogTest::aCancelledPageLeavesNoFolder()
{
    PageDialog* dialog = dialogFor("aqua", {"1", "1", "768", "0.15", "150"});
    dialog->setFolder(path("cancelled"));
    QSignalSpy finished(dialog, &PageDialog::finished);
    dialog->startExport();
    QVERIFY(dialog->exporting());
    dialog->cancel();
    QVERIFY(finished.count() == 1 || finished.wait(30000));
    QCOMPARE(dialog->outcome(), QString("Cancelled: nothing was written."));
    QVERIFY(QDir(dir_->path()).isEmpty());
}

void PageDialogTest::aFolderThatHoldsSomethingIsRefused()
{
    PageDialog* dialog = dialogFor("aqua", {"1", "1", "40", "1", "150"});
    QVERIFY(QDir(dir_->path()).mkdir("full"));
    QFile kept(path("full/kept"));
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.close();
    dialog->setFolder(path("full"));
    QVERIFY2(exported(dialog).contains("is not an empty folder"), qPrintable(dialog->outcome()));
    QCOMPARE(QDir(path("full")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{"kept"});
    QCOMPARE(QDir(dir_->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{"full"});
}

QTEST_MAIN(PageDialogTest)
#include "page_dialog_test.moc"
