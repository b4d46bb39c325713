// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clipboard_image.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>

#include "app/picture_surface.h"

namespace zentrel::app {
namespace {

class ClipboardSink final : public PictureSink {
public:
    explicit ClipboardSink(const PictureHeader& header)
        : image_(header.width, header.height, QImage::Format_RGB32)
    {
    }

    Status writeRows(std::span<const Colour> rows) override
    {
        const auto width = static_cast<std::size_t>(image_.width());
        for (std::size_t at = 0; at + width <= rows.size() && row_ < image_.height(); at += width) {
            auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row_++));
            for (std::size_t c = 0; c < width; ++c) line[c] = qRgbOf(rows[at + c]);
        }
        return std::nullopt;
    }

    Status commit() override
    {
        QApplication::clipboard()->setImage(image_);
        return std::nullopt;
    }

private:
    QImage image_;
    int row_ = 0;
};

Outcome<std::unique_ptr<PictureSink>> openClipboard(const std::string&, const PictureHeader& header)
{
    return std::unique_ptr<PictureSink>(std::make_unique<ClipboardSink>(header));
}

}  // namespace

const PictureFormat& clipboardImage()
{
    static const PictureFormat row{"clipboard", {}, "the clipboard's image", openClipboard};
    return row;
}

}  // namespace zentrel::app
