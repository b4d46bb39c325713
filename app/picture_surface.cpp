#include "app/picture_surface.h"

#include <QPaintEvent>
#include <QPainter>

#include "app/layout.h"
#include "engine/colour.h"

namespace zentrel::app {
namespace {

constexpr qint64 kFrameMilliseconds = 16;

QColor windowColour() { return QColor(kWindowColour.red, kWindowColour.green, kWindowColour.blue); }

}  // namespace

PictureSurface::PictureSurface(QWidget* parent) : QWidget(parent)
{
    setObjectName("pictureSurface");
    setGeometry(0, 0, kClientWidth, kClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setDensity(1);
    sinceShown_.start();
}

void PictureSurface::setDensity(int density)
{
    density_ = density;
    image_ = QImage(kClientWidth * density, kClientHeight * density, QImage::Format_RGB32);
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
    const int x = kPlotLeft * density_ + column;
    const int top = kPlotTop * density_;
    if (x < 0 || x >= image_.width()) return;
    const int rows = std::min(static_cast<int>(colours.size()), image_.height() - top);
    for (int r = 0; r < rows; ++r) {
        const Colour c = colours[r];
        reinterpret_cast<QRgb*>(image_.scanLine(top + r))[x] = qRgb(redOf(c), greenOf(c), blueOf(c));
    }
    if (rows > 0) dirty_ |= logical(QRect(x, top, 1, rows));
}

void PictureSurface::showIfDue()
{
    if (dirty_.isEmpty() || sinceShown_.elapsed() < kFrameMilliseconds) return;
    update(dirty_);
    dirty_ = QRect();
    sinceShown_.restart();
}

void PictureSurface::showAll()
{
    if (dirty_.isEmpty()) return;
    repaint(dirty_);
    dirty_ = QRect();
    sinceShown_.restart();
}

void PictureSurface::clear()
{
    image_.fill(windowColour());
    dirty_ = QRect();
    repaint();
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
}

}  // namespace zentrel::app
