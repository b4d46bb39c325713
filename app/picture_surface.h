// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <span>
#include <vector>

#include "engine/colour.h"
#include "explore/canvas.h"

class QPainter;

namespace zentrel::app {

// A colour as the window's images hold it.
inline QRgb qRgbOf(Colour colour) { return qRgb(redOf(colour), greenOf(colour), blueOf(colour)); }

// The layer beneath every control that the patterns draw on. The picture is
// kept in an image, so it survives covering and minimising; it reaches the
// screen at most about sixty times a second while a drawing runs.
//
// On a screen of more pixels than logical points the image holds density x
// density samples per point, so that a picture drawn that much finer is as
// sharp as the screen.
class PictureSurface : public QWidget, public Canvas {
    Q_OBJECT
public:
    explicit PictureSurface(QWidget* parent);

    // Samples per logical point across and down; a new density clears the
    // surface.
    int density() const { return density_; }
    void setDensity(int density);

    // Column c of a sweep lands on image column density * 161 + c, its rows
    // from density * 51 on; points outside the window are not drawn. The
    // image has a column once the screen is due for it.
    void plotColumn(int column, std::span<const Colour> colours) override;
    void showIfDue() override;
    void showAll() override;
    void plotPiece(const Piece& piece, int columns, int rows) override;
    void plotPicture(const Picture& picture) override;
    // Shows the picture moved by an offset in points, as a drag has moved
    // it, until the offset is set back to none.
    void setShift(QPoint offset);
    // Back to the window's background colour, at once.
    void clear();
    // The picture scaled by the factor around a point of it (in points from
    // its top-left corner), the area it leaves in the background colour.
    void scalePicture(QPointF around, double factor);

    const QImage& picture() const { return image_; }
    // Where the picture last plotted lies, in window points; empty when the
    // surface is clear.
    QRect pictureArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The logical rectangle that covers these image pixels.
    QRect logical(const QRect& pixels) const;
    QRgb* writableSamples();
    // Writes the columns waiting into the image.
    void writePending();
    // Sends what was plotted since the screen was last sent the picture.
    void showPlotted();
    // Writes count columns of height colours, one after the other, into the
    // image from sample (left, top) on; returns the samples written.
    QRect writeColumns(const Colour* colours, int count, int height, int left, int top);
    void paintHint(QPainter& painter);
    void hideHint();
    void paintShifted(QPainter& painter);

    int density_ = 1;
    QImage image_;
    QRect dirty_;
    QElapsedTimer sinceShown_;
    QTimer showLater_;  // for what a drawing plotted last
    QPoint shift_;
    bool hintShown_ = true;        // until the first picture
    QSize extent_;                 // of the picture last plotted, in samples
    std::vector<QRgb> scaleCopy_;  // the picture as it was, while it is scaled
    // Columns plotted, waiting for the screen to be due: up to this many
    // consecutive ones of pendingRows_ colours, from pendingFirst_.
    static constexpr int kMostPending = 64;
    std::vector<Colour> pending_;
    int pendingFirst_ = 0;
    int pendingColumns_ = 0;
    int pendingRows_ = 0;
};

}  // namespace zentrel::app
