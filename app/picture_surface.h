#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <span>

#include "engine/canvas.h"

namespace zentrel::app {

// The layer beneath every control that the patterns draw on. The picture is
// kept in an image, so it survives covering and minimising; it reaches the
// screen at most about sixty times a second while a drawing runs.
class PictureSurface : public QWidget, public Canvas {
    Q_OBJECT
public:
    explicit PictureSurface(QWidget* parent);

    // Points outside the window are not drawn.
    void plotColumn(int column, std::span<const Colour> colours) override;
    void showIfDue() override;
    void showAll() override;
    // Back to the window's background colour, at once.
    void clear();

    const QImage& picture() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QRect dirty_;
    QElapsedTimer sinceShown_;
};

}  // namespace zentrel::app
