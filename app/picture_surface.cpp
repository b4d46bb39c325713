// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/picture_surface.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/layout.h"
#include "engine/colour.h"

namespace zentrel::app {
namespace {

constexpr qint64 kFrameMilliseconds = 16;
const QColor kHintColour(200, 200, 200);
const char* const kHintText =
    "Right-click the picture: save, copy, paste, open, poster \u2026 \u2014 F1 for keys and mouse";

// Where the hint is written, on the picture area.
const QRect kHintPlace(kPlotLeft + 12, kPlotTop + 8, 900, 24);

QColor windowColour() { return QColor(kWindowColour.red, kWindowColour.green, kWindowColour.blue); }

}  // namespace

PictureSurface::PictureSurface(QWidget* parent) : QWidget(parent)
{
    setObjectName("pictureSurface");
    setGeometry(0, 0, kClientWidth, kClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setDensity(1);
    sinceShown_.start();
    showLater_.setSingleShot(true);
    showLater_.setTimerType(Qt::PreciseTimer);
    connect(&showLater_, &QTimer::timeout, this, &PictureSurface::showPlotted);
}

void PictureSurface::setDensity(int density)
{
    density_ = density;
    pending_.clear();
    pendingColumns_ = 0;
    image_ = QImage(kClientWidth * density, kClientHeight * density, QImage::Format_RGB32);
    extent_ = QSize();
    image_.fill(windowColour());
    dirty_ = QRect();
    update();
}

QRect PictureSurface::logical(const QRect& pixels) const
{
    const int d = density_;
    const int left = pixels.left() / d;
    const int top = pixels.top() / d;
    return QRect(left, top, (pixels.right() + d) / d - left, (pixels.bottom() + d) / d - top);
}

void PictureSurface::plotColumn(int column, std::span<const Colour> colours)
{
    hideHint();
    // A drawing grows its picture column by column from the first.
    extent_ = QSize(column == 0 ? 1 : std::max(extent_.width(), column + 1),
                    static_cast<int>(colours.size()));
    const bool follows = column == pendingFirst_ + pendingColumns_ &&
                         static_cast<int>(colours.size()) == pendingRows_;
    if (pendingColumns_ > 0 && (!follows || pendingColumns_ == kMostPending)) writePending();
    if (pendingColumns_ == 0) {
        pendingFirst_ = column;
        pendingRows_ = static_cast<int>(colours.size());
    }
    pending_.insert(pending_.end(), colours.begin(), colours.end());
    ++pendingColumns_;
}

void PictureSurface::writePending()
{
    const int left = kPlotLeft * density_ + pendingFirst_;
    const int top = kPlotTop * density_;
    const QRect written = writeColumns(pending_.data(), pendingColumns_, pendingRows_, left, top);
    if (!written.isEmpty()) dirty_ |= logical(written);
    pending_.clear();
    pendingColumns_ = 0;
}

// Row by row, the way the image lies in memory: a column written down the
// image's rows alone would touch a cache line and a page for every pixel.
// The columns are read a few at a time, since many columns a few kilobytes
// apart fall on the same few sets of the processor's nearest cache and
// would evict one another on every row.
QRect PictureSurface::writeColumns(const Colour* colours, int count, int height, int left, int top)
{
    constexpr int kColumnsRead = 16;
    const int columns = std::min(count, image_.width() - left);
    const int rows = std::min(height, image_.height() - top);
    if (left < 0 || columns <= 0 || rows <= 0) return QRect();
    const qsizetype stride = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* const samples = writableSamples() + top * stride + left;
    for (int first = 0; first < columns; first += kColumnsRead) {
        const int width = std::min(kColumnsRead, columns - first);
        const Colour* const column = colours + static_cast<std::size_t>(first) * height;
        for (int r = 0; r < rows; ++r) {
            QRgb* line = samples + r * stride + first;
            const Colour* colour = column + r;
            for (int c = 0; c < width; ++c, colour += height) line[c] = qRgbOf(*colour);
        }
    }
    return QRect(left, top, columns, rows);
}

// Detaching the image from a copy of it once per column or piece rather than
// once per pixel.
QRgb* PictureSurface::writableSamples() { return reinterpret_cast<QRgb*>(image_.bits()); }

// Each pixel's block is filled row by row, the way the image lies in memory.
void PictureSurface::plotPiece(const Piece& piece, int columns, int rows)
{
    writePending();
    hideHint();
    extent_ = QSize(columns, rows);
    if (piece.rows.empty()) return;
    const int left = kPlotLeft * density_ + piece.column;
    const int top = kPlotTop * density_;
    const int width = std::min({piece.block, columns - piece.column, image_.width() - left});
    if (left < 0 || width <= 0) return;
    const qsizetype stride = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* const samples = writableSamples() + left;
    for (std::size_t i = 0; i < piece.rows.size(); ++i) {
        const int bottom =
            std::min(top + std::min(piece.rows[i] + piece.block, rows), image_.height());
        const QRgb colour = qRgbOf(piece.colours[i]);
        for (int y = top + piece.rows[i]; y < bottom; ++y)
            std::fill_n(samples + y * stride, width, colour);
    }
    dirty_ |= logical(QRect(left, top + piece.rows.front(), width, rows - piece.rows.front()));
}

void PictureSurface::plotPicture(const Picture& picture)
{
    writePending();
    hideHint();
    extent_ = QSize(picture.width, picture.height);
    const QRect written = writeColumns(picture.colours.data(), picture.width, picture.height,
                                       kPlotLeft * density_, kPlotTop * density_);
    if (!written.isEmpty()) dirty_ |= logical(written);
}

// The whole hint goes with the first picture, beside it too.
void PictureSurface::hideHint()
{
    if (!std::exchange(hintShown_, false)) return;
    update(kHintPlace);
}

void PictureSurface::setShift(QPoint offset)
{
    shift_ = offset;
    update();
}

void PictureSurface::showIfDue()
{
    if (sinceShown_.elapsed() < kFrameMilliseconds) return;
    showPlotted();
}

void PictureSurface::showPlotted()
{
    writePending();
    if (dirty_.isEmpty()) return;
    update(dirty_);
    dirty_ = QRect();
    sinceShown_.restart();
}

// What a drawing plotted last shows at once where the screen has been sent
// nothing for a frame, and otherwise with the next frame: drawings that end
// one after the other faster than the screen can show them pay for one
// repaint a frame, not one each.
void PictureSurface::showAll()
{
    writePending();
    if (dirty_.isEmpty()) return;
    const qint64 sinceShown = sinceShown_.elapsed();
    if (sinceShown < kFrameMilliseconds) {
        if (!showLater_.isActive())
            showLater_.start(static_cast<int>(kFrameMilliseconds - sinceShown));
        return;
    }
    showLater_.stop();
    repaint(dirty_);
    dirty_ = QRect();
    sinceShown_.restart();
}

QRect PictureSurface::pictureArea() const
{
    const int d = density_;
    return QRect(kPlotLeft, kPlotTop, (extent_.width() + d - 1) / d,
                 (extent_.height() + d - 1) / d);
}

void PictureSurface::clear()
{
    pending_.clear();
    pendingColumns_ = 0;
    extent_ = QSize();
    image_.fill(windowColour());
    dirty_ = QRect();
    repaint();
}

namespace {

// For each of count pixels, the one it shows of the picture scaled by the
// factor around centre (in pixels), nearest first; -1 beyond the picture.
std::vector<int> scaledFrom(int count, double centre, double factor)
{
    std::vector<int> from(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double at = std::floor((i + 0.5 - centre) / factor + centre);
        from[static_cast<std::size_t>(i)] = at >= 0 && at < count ? static_cast<int>(at) : -1;
    }
    return from;
}

}  // namespace

// Nearest pixels, gathered from a copy: cheap enough for every frame of a
// zoom.
void PictureSurface::scalePicture(QPointF around, double factor)
{
    writePending();
    const int left = kPlotLeft * density_;
    const int top = kPlotTop * density_;
    const int width = std::min(extent_.width(), image_.width() - left);
    const int height = std::min(extent_.height(), image_.height() - top);
    if (width <= 0 || height <= 0) return;
    const qsizetype stride = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* const samples = writableSamples() + top * stride + left;
    scaleCopy_.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        std::copy_n(samples + y * stride, width, scaleCopy_.data() + std::size_t(y) * width);
    const std::vector<int> columns = scaledFrom(width, around.x() * density_, factor);
    const std::vector<int> rows = scaledFrom(height, around.y() * density_, factor);
    const QRgb background = windowColour().rgb();
    for (int y = 0; y < height; ++y) {
        QRgb* line = samples + y * stride;
        if (rows[y] < 0) {
            std::fill_n(line, width, background);
            continue;
        }
        const QRgb* source = scaleCopy_.data() + std::size_t(rows[y]) * width;
        for (int x = 0; x < width; ++x) line[x] = columns[x] < 0 ? background : source[columns[x]];
    }
    dirty_ |= logical(QRect(left, top, width, height));
}

void PictureSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // Where the screen's pixels do not match the samples one for one (a
    // ratio of 1.5, say), the samples are blended rather than dropped.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, devicePixelRatioF() != density_);
    // The whole image, clipped to what needs painting: pieces scaled one by
    // one would round apart on such a screen and lose columns.
    painter.setClipRegion(event->region());
    painter.drawImage(rect(), image_);
    if (!shift_.isNull()) paintShifted(painter);
    if (hintShown_) paintHint(painter);
}

// A picture being dragged moves within the picture area, never over the
// top bar or the control panel.
void PictureSurface::paintShifted(QPainter& painter)
{
    const QRect area(kPlotLeft, kPlotTop, width() - kPlotLeft, height() - kPlotTop);
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, windowColour());
    const QRect source(kPlotLeft * density_, kPlotTop * density_, area.width() * density_,
                       area.height() * density_);
    painter.drawImage(area.translated(shift_), image_, source);
}

// Where to find what the buttons do not show, on the picture area until the
// first picture covers it.
void PictureSurface::paintHint(QPainter& painter)
{
    painter.setPen(kHintColour);
    painter.drawText(kHintPlace, Qt::AlignLeft | Qt::AlignVCenter, kHintText);
}

}  // namespace zentrel::app
