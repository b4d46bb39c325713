// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/picture_mouse.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <cmath>

#include "app/layout.h"
#include "app/picture_surface.h"

namespace zentrel::app {
namespace {

// A press that moves less than this is a click, not a drag.
constexpr int kDragStart = 3;

}  // namespace

PictureMouse::PictureMouse(PictureSurface* surface) : QObject(surface), surface_(surface)
{
    surface->installEventFilter(this);
}

bool PictureMouse::onPicture(const QPointF& at) const
{
    return QRectF(surface_->pictureArea()).contains(at);
}

QPointF PictureMouse::pictureOf(const QPointF& at) { return at - QPointF(kPlotLeft, kPlotTop); }

// The held zoom's part of the mouse; true for an event it took.
bool PictureMouse::middleButton(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::MiddleButton || !onPicture(e->position())) return false;
        emit holdStarted(pictureOf(e->position()), e->modifiers() & Qt::ShiftModifier ? -1 : 1);
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (!(e->buttons() & Qt::MiddleButton)) return false;
        emit holdMoved(pictureOf(e->position()));
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton) return false;
        emit holdEnded();
        return true;
    case QEvent::Wheel: {
        auto* e = static_cast<QWheelEvent*>(event);
        if (!(e->buttons() & Qt::MiddleButton)) return false;
        emit holdSpeeded(e->angleDelta().y() / 120.0);
        return true;
    }
    default:
        return false;
    }
}

bool PictureMouse::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != surface_) return false;
    if (middleButton(event)) return true;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::BackButton || e->button() == Qt::ForwardButton) {
            emit stepThroughHistory(e->button() == Qt::BackButton ? -1 : 1);
            return true;
        }
        if (e->button() != Qt::LeftButton || !onPicture(e->position())) return false;
        pressedAt_ = e->position().toPoint();
        dragging_ = false;
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (!(e->buttons() & Qt::LeftButton) || pressedAt_.isNull()) return false;
        const QPoint offset = e->position().toPoint() - pressedAt_;
        if (!dragging_ && offset.manhattanLength() >= kDragStart) {
            dragging_ = true;
            surface_->setCursor(Qt::ClosedHandCursor);
        }
        if (dragging_) emit panning(offset);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton || pressedAt_.isNull()) return false;
        if (dragging_) {
            surface_->unsetCursor();
            emit panned(e->position().toPoint() - pressedAt_);
        }
        pressedAt_ = QPoint();
        dragging_ = false;
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton || !onPicture(e->position())) return false;
        emit zoomedInAround(pictureOf(e->position()));
        return true;
    }
    case QEvent::Wheel: {
        auto* e = static_cast<QWheelEvent*>(event);
        if (!onPicture(e->position()) || e->angleDelta().y() == 0) return false;
        // 120 eighths of a degree make a notch; a finer wheel turns less.
        emit zoomedAt(pictureOf(e->position()), std::exp2(e->angleDelta().y() / 120.0));
        return true;
    }
    default:
        return false;
    }
}

}  // namespace zentrel::app
