// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/finder.h"

#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QPushButton>
#include <QStandardPaths>

#include "app/bookmarks_window.h"
#include "app/layout.h"
#include "app/pattern_gallery.h"
#include "app/picture_name.h"
#include "app/thumbnail_image.h"
#include "app/thumbnail_tip.h"
#include "app/view_host.h"
#include "engine/worker_pool.h"
#include "patterns/pattern_table.h"
#include "thumbnails/thumbnail_batch.h"
#include "thumbnails/thumbnail_file.h"

namespace zentrel::app {
namespace {

// How long the pointer rests on a pattern button before its thumbnail shows.
constexpr int kTipDelayMs = 500;
// Where the thumbnail shows, from the pointer: below it, clear of its shape.
const QPoint kTipOffset(12, 20);

// The thumbnail of one pattern at the view's region, drawn whole.
Thumbnail thumbnailAt(const View& main, const Pattern& pattern)
{
    const Pattern* const one[] = {&pattern};
    std::vector<Thumbnail> drawn = thumbnailsOf(main, one);
    drawThumbnails(WorkerPool::shared(), drawn);
    return std::move(drawn.front());
}

}  // namespace

Finder::Finder(ViewHost& host, FinderWindow window)
    : QObject(window.window),
      host_(host),
      window_(std::move(window)),
      tip_(std::make_unique<ThumbnailTip>())
{
    tipDelay_.setSingleShot(true);
    tipDelay_.setInterval(kTipDelayMs);
    connect(&tipDelay_, &QTimer::timeout, this, &Finder::showTip);
    for (QPushButton* button : window_.patternButtons) button->installEventFilter(this);
}

Finder::~Finder() = default;

QString Finder::bookmarksFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) +
           "/Zentrel bookmarks";
}

View Finder::regionView() const
{
    return host_.typedView().value_or(viewWith(*patternTable()[0], window_.fieldTexts()));
}

void Finder::showGallery()
{
    if (!gallery_) {
        gallery_ = new PatternGallery(window_.patternKeys, window_.window);
        connect(gallery_, &PatternGallery::patternChosen, this,
                [this](int index) { window_.drawAsButton(index); });
        // Over the picture, the controls left free to use.
        gallery_->move(window_.window->mapToGlobal(QPoint(kPlotLeft, 0)));
    }
    gallery_->showRegionOf(regionView());
    gallery_->show();
    gallery_->raise();
    gallery_->activateWindow();
}

void Finder::viewMayHaveChanged()
{
    if (gallery_ && gallery_->isVisible()) gallery_->showRegionOf(regionView());
}

void Finder::bookmarkView()
{
    const auto view = host_.shownView();
    if (!view)
        return host_.showFailure("There is no picture to bookmark yet. Click a pattern first.");
    const Thumbnail small = thumbnailAt(*view, *view->pattern);
    if (small.failure) return host_.showFailure(*small.failure);
    const QString folder = bookmarksFolder();
    if (!QDir().mkpath(folder))
        return host_.showFailure("The bookmarks folder " + folder + " cannot be made.");
    const Status written =
        writePictureOfView(small.picture, *view, freePath(folder, *view).toStdString());
    if (written) host_.showFailure(*written);
}

void Finder::showBookmarks()
{
    if (!bookmarks_) {
        bookmarks_ = new BookmarksWindow(bookmarksFolder(), window_.window);
        // As opening a picture does: a file without a view says so.
        bookmarks_->open = window_.openPicture;
        bookmarks_->showFailure = [this](const QString& text) { host_.showFailure(text); };
    }
    bookmarks_->refresh();
    bookmarks_->show();
    bookmarks_->raise();
    bookmarks_->activateWindow();
}

bool Finder::eventFilter(QObject* watched, QEvent* event)
{
    const int index = static_cast<int>(window_.patternButtons.indexOf(watched));
    if (index < 0) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
        hovered_ = index;
        tipDelay_.start();
        break;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Hide:
        hovered_ = -1;
        tipDelay_.stop();
        tip_->hide();
        break;
    case QEvent::ToolTip:
        // The thumbnail's tip shows the button's own text as well.
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void Finder::showTip()
{
    if (hovered_ < 0) return;
    const Thumbnail small = thumbnailAt(regionView(), *patternTable()[hovered_]);
    tip_->showAt(QCursor::pos() + kTipOffset, imageOf(small),
                 window_.patternButtons[hovered_]->toolTip());
}

}  // namespace zentrel::app
