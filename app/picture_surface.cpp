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

PictureSurface::PictureSurface(QWidget* parent)
    : QWidget(parent), image_(kClientWidth, kClientHeight, QImage::Format_RGB32)
{
    setObjectName("pictureSurface");
    setGeometry(0, 0, kClientWidth, kClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(windowColour());
    sinceShown_.start();
}

void PictureSurface::plotColumn(int column, std::span<const Colour> colours)
{
    const int x = kPlotLeft + column;
    if (x < 0 || x >= image_.width()) return;
    const int rows = std::min(static_cast<int>(colours.size()), image_.height() - kPlotTop);
    for (int r = 0; r < rows; ++r) {
        const Colour c = colours[r];
        reinterpret_cast<QRgb*>(image_.scanLine(kPlotTop + r))[x] =
            qRgb(redOf(c), greenOf(c), blueOf(c));
    }
    dirty_ |= QRect(x, kPlotTop, 1, std::max(rows, 0));
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
    painter.drawImage(event->rect(), image_, event->rect());
}

}  // namespace zentrel::app
