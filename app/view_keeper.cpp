#include "app/view_keeper.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QKeySequence>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>

#include "app/key_text.h"
#include "app/picture_surface.h"
#include "app/poster_dialog.h"
#include "app/view_host.h"
#include "engine/render.h"
#include "engine/worker_pool.h"
#include "picture/picture_view.h"
#include "picture/poster.h"

namespace zentrel::app {
namespace {

// Every way of keeping a view: one row each, with its key.
struct KeepAction {
    const char* text;
    const char* keys;
    const char* what;
    void (ViewKeeper::*run)();
};

// clang-format off
const KeepAction kActions[] = {
    {"Save picture\u2026", "Ctrl+S", "saves the picture as a PNG that holds its view",
     &ViewKeeper::savePicture},
    // A field with the focus keeps Ctrl+C for its own text.
    {"Copy picture", "Ctrl+C", "copies the picture (outside the fields)", &ViewKeeper::copyPicture},
    {"Copy view", "Ctrl+Shift+C", "copies the view as a zentrel-render command",
     &ViewKeeper::copyView},
    {"Paste view", "Ctrl+Shift+V", "takes a copied view and draws it", &ViewKeeper::pasteView},
    {"Open view from picture\u2026", "Ctrl+O", "opens the view of a saved picture",
     &ViewKeeper::openViewFromPicture},
    {"Render poster\u2026", "Ctrl+P", "renders the view as a larger, smoother picture",
     &ViewKeeper::renderPoster},
};
// clang-format on

const char* const kFolderSetting = "pictures/folder";
const char* const kPictureFilter = "Pictures (*.png *.ppm)";

QImage imageOf(const Picture& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int c = 0; c < picture.width; ++c)
        for (int r = 0; r < picture.height; ++r) image.setPixel(c, r, qRgbOf(picture.at(c, r)));
    return image;
}

QString withPngEnding(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "png" || suffix == "ppm" ? path : path + ".png";
}

}  // namespace

std::vector<KeyText> keepKeys()
{
    std::vector<KeyText> keys;
    for (const KeepAction& row : kActions) keys.push_back({row.keys, row.what});
    return keys;
}

ViewKeeper::ViewKeeper(ViewHost& host, QWidget* window)
    : QObject(window), host_(host), window_(window), menu_(new QMenu(window))
{
    for (const KeepAction& row : kActions) {
        auto* action = new QAction(QString::fromUtf8(row.text), window);
        action->setShortcut(QKeySequence(QString::fromLatin1(row.keys)));
        connect(action, &QAction::triggered, this, [this, run = row.run] { (this->*run)(); });
        window->addAction(action);
        menu_->addAction(action);
    }
    askPictureToSave = [](QWidget* parent, const QString& folder) {
        return QFileDialog::getSaveFileName(parent, "Save picture", folder, kPictureFilter);
    };
    askPictureToOpen = [](QWidget* parent, const QString& folder) {
        return QFileDialog::getOpenFileName(parent, "Open view from picture", folder,
                                            kPictureFilter);
    };
}

ViewKeeper::~ViewKeeper() = default;

void ViewKeeper::showMenu(const QPoint& at) { menu_->popup(at); }

QString ViewKeeper::pictureFolder() const
{
    return QSettings()
        .value(kFolderSetting, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
        .toString();
}

void ViewKeeper::rememberFolderOf(const QString& path)
{
    QSettings().setValue(kFolderSetting, QFileInfo(path).absolutePath());
}

void ViewKeeper::savePicture()
{
    const auto view = host_.shownView();
    if (!view) return host_.showFailure("There is no picture to save yet. Click a pattern first.");
    const QString chosen = askPictureToSave(host_.dialogParent(), pictureFolder());
    if (chosen.isEmpty()) return;
    const QString path = withPngEnding(chosen);
    rememberFolderOf(path);
    const auto plan = planPoster(*view);
    const auto written =
        plan ? writePoster(WorkerPool::shared(), *view, plan.value(), path.toStdString())
             : Outcome<PosterEnd>(plan.failure());
    if (!written) host_.showFailure(written.failure());
}

void ViewKeeper::copyPicture()
{
    const auto view = host_.shownView();
    if (!view) return host_.showFailure("There is no picture to copy yet. Click a pattern first.");
    const auto picture = renderPicture(WorkerPool::shared(), *view->pattern, view->fields);
    if (!picture) return host_.showFailure(picture.failure());
    QApplication::clipboard()->setImage(imageOf(picture.value()));
}

void ViewKeeper::copyView()
{
    const auto view = host_.typedView();
    if (!view) return host_.showFailure("There is no view to copy yet. Click a pattern first.");
    QApplication::clipboard()->setText(QString::fromStdString(commandOf(*view)));
}

void ViewKeeper::pasteView()
{
    const auto view = viewOf(QApplication::clipboard()->text().toStdString());
    if (!view) return host_.showFailure(view.failure());
    host_.showView(view.value());
}

void ViewKeeper::openViewFromPicture()
{
    const QString path = askPictureToOpen(host_.dialogParent(), pictureFolder());
    if (path.isEmpty()) return;
    rememberFolderOf(path);
    openPicture(path);
}

void ViewKeeper::openPicture(const QString& path)
{
    const auto view = viewOfPicture(path.toStdString());
    if (!view) return host_.showFailure(view.failure());
    host_.showView(view.value());
}

void ViewKeeper::renderPoster()
{
    const auto view = host_.shownView();
    if (!view)
        return host_.showFailure("There is no picture for a poster yet. Click a pattern first.");
    if (!poster_) poster_ = new PosterDialog(host_.dialogParent());
    poster_->offer(*view, [this] { return askPictureToSave(poster_, pictureFolder()); });
}

}  // namespace zentrel::app
