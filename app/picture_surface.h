#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <span>

#include "engine/pattern.h"

namespace zentrel::app {

// The layer beneath every control that the patterns draw on. The picture is
// kept in an image, so it survives covering and minimising; it reaches the
// screen at most about sixty times a second while a drawing runs.
class PictureSurface : public QWidget {
    Q_OBJECT
public:
    explicit PictureSurface(QWidget* parent);

    // Column c of a sweep lands on window column 161 + c, its rows from 51 on;
    // points outside the window are not drawn.
    void plotColumn(int column, std::span<const Colour> colours);
    // Shows what was plotted, now if the screen is due for it.
    void showPlottedIfDue();
    // Shows everything plotted so far before returning.
    void showPlotted();
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
