// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/thumbnail_image.h"

#include "app/layout.h"
#include "thumbnails/thumbnail_view.h"

namespace zentrel::app {

QImage imageOf(const Thumbnail& thumbnail)
{
    if (thumbnail.failure || thumbnail.block == 0) {
        // The shape of the large picture's thumbnail.
        QImage blank(kThumbnailRows * 4 / 3, kThumbnailRows, QImage::Format_RGB32);
        blank.fill(QColor(kWindowColour.red, kWindowColour.green, kWindowColour.blue));
        return blank;
    }
    const Picture shown = shownPicture(thumbnail);
    QImage image(shown.width, shown.height, QImage::Format_RGB32);
    for (int r = 0; r < shown.height; ++r) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(r));
        for (int c = 0; c < shown.width; ++c) {
            const Colour colour = shown.at(c, r);
            line[c] = qRgb(redOf(colour), greenOf(colour), blueOf(colour));
        }
    }
    return image;
}

}  // namespace zentrel::app
