// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pattern_gallery.h"

#include <QGridLayout>
#include <QIcon>
#include <QPixmap>
#include <QToolButton>
#include <algorithm>
#include <iterator>
#include <utility>

#include "app/failure_text.h"
#include "app/thumbnail_image.h"
#include "engine/worker_pool.h"
#include "patterns/pattern_table.h"
#include "thumbnails/thumbnail_view.h"

namespace zentrel::app {

namespace {

constexpr int kCellsAcross = 5;
const QSize kIconSize(kThumbnailRows * 4 / 3, kThumbnailRows);

QString captionOf(int index)
{
    const auto caption = patternTable()[index]->caption;
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

}  // namespace

PatternGallery::PatternGallery(const QStringList& keys, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("every-pattern-here");
    setWindowTitle("Zentrel: every pattern here");
    auto* grid = new QGridLayout(this);
    grid->setSpacing(4);
    for (int i = 0; i < kPatternCount; ++i) {
        auto* cell = new QToolButton(this);
        cell->setObjectName("thumbnail-" + captionOf(i));
        cell->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        cell->setAutoRaise(true);
        cell->setIconSize(kIconSize);
        // "aqua   Alt+A": the caption and the key of the pattern's button.
        cell->setText(captionOf(i) + "   " + keys.value(i));
        connect(cell, &QToolButton::clicked, this, [this, i] { emit patternChosen(i); });
        grid->addWidget(cell, i / kCellsAcross, i % kCellsAcross);
        cells_.push_back(cell);
    }
    passes_.setSingleShot(true);
    passes_.setInterval(0);
    connect(&passes_, &QTimer::timeout, this, &PatternGallery::drawNextPass);
}

void PatternGallery::showRegionOf(const View& main)
{
    if (drawn_ == main || pending_ == main) return;
    pending_ = main;
    startPasses();
}

void PatternGallery::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    startPasses();
}

// Only a window that shows draws.
void PatternGallery::startPasses()
{
    if (isVisible() && (pending_ || pass_ < kPasses)) passes_.start();
}

void PatternGallery::drawNextPass()
{
    if (pending_) takePendingView();
    if (pass_ >= kPasses) return;
    drawThumbnailPass(WorkerPool::shared(), thumbnails_, kPassBlocks[pass_]);
    ++pass_;
    showThumbnails();
    startPasses();
}

void PatternGallery::takePendingView()
{
    std::vector<Thumbnail> fresh = thumbnailsOf(*pending_, patternTable());
    const View asked = *std::exchange(pending_, std::nullopt);
    const bool noneDraws = std::all_of(fresh.begin(), fresh.end(),
                                       [](const Thumbnail& t) { return t.failure.has_value(); });
    if (noneDraws && drawn_) return;
    thumbnails_ = std::move(fresh);
    drawn_ = asked;
    pass_ = 0;
}

void PatternGallery::showThumbnails()
{
    for (std::size_t i = 0; i < thumbnails_.size(); ++i) {
        const Thumbnail& t = thumbnails_[i];
        cells_[static_cast<int>(i)]->setIcon(QIcon(QPixmap::fromImage(imageOf(t))));
        cells_[static_cast<int>(i)]->setToolTip(
            t.failure ? QString::fromStdString(failureText(*t.failure)) : QString());
    }
}

}  // namespace zentrel::app
