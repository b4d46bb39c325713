// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTimer>
#include <QVector>
#include <QWidget>
#include <iterator>
#include <optional>
#include <vector>

#include "explore/coarse_passes.h"
#include "picture/view.h"
#include "thumbnails/thumbnail_batch.h"

class QToolButton;

namespace zentrel::app {

// "Every pattern here": a window of its own with the nineteen patterns at
// the region of the main window's view, each a thumbnail under its caption
// and key. The thumbnails come coarse to fine, one pass of all nineteen per
// turn of the event loop, so the window answers between passes and a newer
// view takes over at the next one.
class PatternGallery : public QWidget {
    Q_OBJECT
public:
    // keys: each pattern button's key, shown under its caption.
    PatternGallery(const QStringList& keys, QWidget* parent);

    // Draws the thumbnails of the view's region, unless they show it
    // already. A view of which no pattern can draw a thumbnail (fields
    // half typed) leaves the thumbnails as they are.
    void showRegionOf(const View& main);

    const std::vector<Thumbnail>& thumbnails() const { return thumbnails_; }
    // Every pass of the latest view is in.
    bool finished() const { return !pending_ && !passes_.isActive(); }
    QToolButton* cell(int index) const { return cells_[index]; }

signals:
    // A click on the thumbnail of the pattern (its index in the table).
    void patternChosen(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    static constexpr int kPasses = static_cast<int>(std::size(kPassBlocks));
    void drawNextPass();
    void takePendingView();
    void startPasses();
    void showThumbnails();

    QVector<QToolButton*> cells_;
    std::vector<Thumbnail> thumbnails_;
    std::optional<View> pending_;  // the view to draw next
    std::optional<View> drawn_;    // the view the thumbnails are of
    int pass_ = kPasses;           // the next pass, an index into kPassBlocks
    QTimer passes_;
};

}  // namespace zentrel::app
