// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/view_keeper.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "app/clipboard_image.h"
#include "app/page_dialog.h"
#include "app/picture_name.h"
#include "app/poster_dialog.h"
#include "app/view_host.h"
#include "app/window_view.h"
#include "engine/worker_pool.h"
#include "picture/picture_view.h"
#include "picture/poster.h"

namespace zentrel::app {
namespace {

const char* const kFolderSetting = "pictures/folder";
// The longest view a picture file holds.
constexpr qsizetype kLongestPastedView = qsizetype{1} << 20;
// The formats by name, the first the one proposed.
const char* const kSaveFilters = "PNG picture (*.png);;PPM picture (*.ppm)";
const char* const kOpenFilter = "Pictures (*.png *.ppm);;All files (*)";

// The picture of the view, written whole to the target, or why not.
Outcome<PosterEnd> keepPicture(const View& view, const PictureTarget& target)
{
    const auto plan = planPoster(view);
    if (!plan) return plan.failure();
    return writePoster(WorkerPool::shared(), view, plan.value(), target);
}

// A name without a picture's ending gets the one of the format chosen.
QString withEnding(const QString& path, const QString& filter)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png" || suffix == "ppm") return path;
    return path + (filter.contains("*.ppm") ? ".ppm" : ".png");
}

}  // namespace

ViewKeeper::ViewKeeper(ViewHost& host, QWidget* window) : QObject(window), host_(host)
{
    askPictureToSave = [](QWidget* parent, const QString& proposed) {
        QString filter;
        const QString chosen =
            QFileDialog::getSaveFileName(parent, "Save picture", proposed, kSaveFilters, &filter);
        return chosen.isEmpty() ? chosen : withEnding(chosen, filter);
    };
    askPictureToOpen = [](QWidget* parent, const QString& folder) {
        return QFileDialog::getOpenFileName(parent, "Open view from picture", folder, kOpenFilter);
    };
}

ViewKeeper::~ViewKeeper() = default;

QString ViewKeeper::pictureFolder() const
{
    const QString own =
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Zentrel";
    const QString folder = QSettings().value(kFolderSetting, own).toString();
    // The program's own folder is made the first time it is offered.
    if (folder == own) QDir().mkpath(own);
    return folder;
}

QString ViewKeeper::proposedPath(const View& view) const
{
    return QDir(pictureFolder()).filePath(proposedName(view));
}

void ViewKeeper::rememberFolderOf(const QString& path)
{
    QSettings().setValue(kFolderSetting, QFileInfo(path).absolutePath());
}

void ViewKeeper::savePicture()
{
    const auto view = host_.shownView();
    if (!view) return host_.showFailure("There is no picture to save yet. Click a pattern first.");
    const QString chosen = askPictureToSave(host_.dialogParent(), proposedPath(*view));
    if (chosen.isEmpty()) return;
    const QString path = withEnding(chosen, "");
    rememberFolderOf(path);
    const auto written = keepPicture(*view, path.toStdString());
    if (!written) host_.showFailure(written.failure());
}

void ViewKeeper::copyPicture()
{
    const auto view = host_.shownView();
    if (!view) return host_.showFailure("There is no picture to copy yet. Click a pattern first.");
    // The picture as the window draws it, one sample a pixel.
    const auto copied =
        keepPicture(viewWith(*view->pattern, view->fields), PictureTarget(clipboardImage(), ""));
    if (!copied) host_.showFailure(copied.failure());
}

void ViewKeeper::copyView()
{
    const auto view = host_.typedView();
    if (!view) return host_.showFailure("There is no view to copy yet. Click a pattern first.");
    QApplication::clipboard()->setText(QString::fromStdString(commandOf(*view)));
}

void ViewKeeper::pasteView()
{
    const QString text = QApplication::clipboard()->text();
    // A view is a line of options; a longer text is something else, and
    // reading it whole would hold the window up.
    if (text.size() > kLongestPastedView)
        return host_.showFailure(QString("The copied text is %1 characters long, longer than any "
                                         "view. Nothing was changed.")
                                     .arg(text.size()));
    const auto view = viewOf(text.toStdString());
    if (!view) return host_.showFailure(view.failure());
    showWhole(view.value());
}

void ViewKeeper::showWhole(const View& view)
{
    if (const auto refusal = refusalOf(view)) return host_.showFailure(*refusal);
    host_.showView(view);
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
    showWhole(view.value());
}

void ViewKeeper::renderPoster()
{
    const auto view = host_.shownView();
    if (!view)
        return host_.showFailure("There is no picture for a poster yet. Click a pattern first.");
    if (!poster_) poster_ = new PosterDialog(host_.dialogParent());
    poster_->offer(*view, {[this] { return host_.shownView(); },
                           [this](const View& poster) {
                               return askPictureToSave(poster_, proposedPath(poster));
                           },
                           [this] { return pictureFolder(); }});
}

void ViewKeeper::exportPage()
{
    const auto view = host_.shownView();
    if (!view)
        return host_.showFailure("There is no picture for a page yet. Click a pattern first.");
    if (!page_) page_ = new PageDialog(host_.dialogParent());
    page_->offer(*view, {[this](const QString& proposed) {
                             return QFileDialog::getSaveFileName(
                                 page_, "Export zoomable page",
                                 QDir(pictureFolder()).absoluteFilePath(proposed), QString(),
                                 nullptr, QFileDialog::ShowDirsOnly);
                         },
                         [this] { return pictureFolder(); }});
}

}  // namespace zentrel::app
