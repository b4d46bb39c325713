// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <memory>
#include <span>
#include <string>

#include "engine/outcome.h"
#include "picture/picture_sink.h"
#include "picture/staged_file.h"

namespace zentrel {

// What a picture file says of the program that wrote it, and the key under
// which it keeps its view's recipe.
inline constexpr const char* kSoftwareKey = "Software";
inline constexpr const char* kViewKey = "Zentrel view";
const char* softwareName();  // "Zentrel 5.2014"

// The picture files, each carrying the recipe of its view: in text chunks
// of a PNG, in comment lines of a PPM.
Outcome<std::unique_ptr<PictureSink>> openPngFile(const std::string& path,
                                                  const PictureHeader& header);
Outcome<std::unique_ptr<PictureSink>> openPpmFile(const std::string& path,
                                                  const PictureHeader& header);

// A picture file written row by row, top to bottom, out of sight beside its
// destination; only commit() gives it its name, so a failed or interrupted
// render never leaves a partial picture behind. A format says how it
// starts, how a row of RGB is written (a byte a channel, or two with the
// high byte first, as the header's depth says), and how it ends.
class ImageFile : public PictureSink {
public:
    ImageFile(std::string path, StagedFile file, const PictureHeader& header);

    // The file of that format, staged at path and started.
    template <class Format>
    static Outcome<std::unique_ptr<PictureSink>> open(const std::string& path,
                                                      const PictureHeader& header)
    {
        auto staged = StagedFile::create(path);
        if (!staged) return staged.failure();
        return started(std::make_unique<Format>(path, std::move(staged.value()), header), header);
    }

    Status writeRows(std::span<const Colour> rows) override;
    Status writeDeepRows(std::span<const DeepColour> rows) override;
    Status commit() override;

protected:
    virtual bool start(const PictureHeader& header) = 0;
    virtual bool writeRow(const unsigned char* rgb) = 0;
    virtual bool finish() = 0;

    std::FILE* file_;
    const int width_;
    const int depth_;             // bits a channel, 8 or 16
    const std::size_t rowBytes_;  // of a row as writeRow takes it

private:
    static Outcome<std::unique_ptr<PictureSink>> started(std::unique_ptr<ImageFile> file,
                                                         const PictureHeader& header);
    // Why writing stopped, with the reason the system gave.
    Failure writeFailure() const;
    Status startWriteBack();
    Status bringOntoDisk();
    // Each row of pixels as bytes through writeRow, then the rows brought
    // onto the disk.
    template <class Pixel, class PutPixel>
    Status writeEachRow(std::span<const Pixel> rows, const PutPixel& put);

    std::string path_;
    StagedFile staged_;
};

}  // namespace zentrel
