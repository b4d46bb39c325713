// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/movie_maker.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "app/movie_dialog.h"
#include "app/view_host.h"
#include "app/view_keeper.h"
#include "session/view_session.h"

namespace zentrel::app {
namespace {

const char* const kMovieFilters =
    "MP4 video (*.mp4);;WebM video (*.webm);;PNG sequence, {frame} the frame's number (*.png)";

// A name typed without an ending gets the one of the format chosen.
QString endingOf(const QString& filter)
{
    if (filter.contains("*.webm")) return ".webm";
    if (filter.contains("*.png")) return "-{frame}.png";
    return ".mp4";
}

}  // namespace

MovieMaker::MovieMaker(ViewHost& host, ViewKeeper& keeper, ViewSession& session, QWidget* window)
    : QObject(window), host_(host), keeper_(keeper), session_(session)
{
    askMovieToSave = [](QWidget* parent, const QString& proposed) {
        QString filter;
        const QString chosen =
            QFileDialog::getSaveFileName(parent, "Make movie", proposed, kMovieFilters, &filter);
        return chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty()
                   ? chosen
                   : chosen + endingOf(filter);
    };
}

MovieMaker::~MovieMaker() = default;

void MovieMaker::addKeyframe()
{
    const auto view = host_.typedView();
    if (!view) return host_.showFailure("There is no view to keep yet. Click a pattern first.");
    added_.add(*view);
    if (dialog_) dialog_->addedChanged();
}

void MovieMaker::makeMovie()
{
    if (!dialog_) dialog_ = new MovieDialog(host_.dialogParent());
    MovieDialog::Window window;
    window.historyLength = [this] { return session_.history().earlier().size() + 1; };
    window.history = [this](std::size_t first) {
        return keyframesFromHistory(session_.history().earlier(), first, host_.typedView());
    };
    window.added = &added_;
    window.preview = [this](const View& frame) { preview(frame); };
    window.previewEnded = [this] { endPreview(); };
    window.chooseFile = [this](const QString& proposed) {
        const QString start =
            proposed.isEmpty() ? QDir(keeper_.pictureFolder()).filePath("zoom.mp4") : proposed;
        return askMovieToSave(dialog_, start);
    };
    window.folder = [this] { return keeper_.pictureFolder(); };
    dialog_->offer(std::move(window));
}

void MovieMaker::preview(const View& frame)
{
    if (!previewing_) {
        shownBefore_ = host_.shownView();
        typedBefore_ = host_.typedView();
        previewing_ = true;
    }
    session_.preview(frame);
}

void MovieMaker::endPreview()
{
    if (!previewing_) return;
    previewing_ = false;
    session_.endPreview(shownBefore_, typedBefore_);
}

}  // namespace zentrel::app
