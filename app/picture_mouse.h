// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>

namespace zentrel::app {

class PictureSurface;

// The hand on the picture: what the mouse does on the picture area, as
// gestures in picture points (column and row from the picture's top-left
// corner, fractions where the pointer lies between pixels).
class PictureMouse : public QObject {
    Q_OBJECT
public:
    // Watches the mouse on the surface's picture; beyond it, on the control
    // panel or the empty area, the mouse does nothing.
    explicit PictureMouse(PictureSurface* surface);

signals:
    // The picture follows the hand while the button is down ...
    void panning(QPoint offset);
    // ... and the view moves when it is let go.
    void panned(QPoint offset);
    // The wheel: factor 2 a notch forward (zoom in), 0.5 a notch back.
    void zoomedAt(QPointF point, double factor);
    void zoomedInAround(QPointF point);  // a double click
    void stepThroughHistory(int steps);  // the mouse's back (-1) and forward (+1) buttons
    // The middle button held on the picture zooms in (with Shift, out)
    // toward the pointer, following it; the wheel meanwhile makes the zoom
    // faster (notches forward) or slower.
    void holdStarted(QPointF point, int direction);
    void holdMoved(QPointF point);
    void holdSpeeded(double notches);
    void holdEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool onPicture(const QPointF& at) const;
    static QPointF pictureOf(const QPointF& at);
    bool middleButton(QEvent* event);

    PictureSurface* surface_;
    QPoint pressedAt_;
    bool dragging_ = false;
};

}  // namespace zentrel::app
