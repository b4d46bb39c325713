#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "engine/pattern.h"

namespace zentrel::cli {

enum class PictureFormat { Png, Ppm };

// The format a file name asks for by its extension, if it is one we write.
std::optional<PictureFormat> pictureFormatOf(const std::string& path);

// A picture file written row by row, top to bottom, into a temporary file
// beside its destination; only commit() puts it in place, so a failed or
// interrupted render never leaves a partial picture behind.
class ImageFile {
public:
    virtual ~ImageFile();

    // A PNG or a binary PPM, by the path's extension (one of
    // pictureFormatOf's); or null and why it cannot be created.
    static std::unique_ptr<ImageFile> create(const std::string& path, int width, int height,
                                             std::string& error);

    // Appends rows.size() / width rows of colours.
    bool writeRows(std::span<const Colour> rows);
    bool commit();
    const std::string& error() const { return error_; }

protected:
    ImageFile(std::string path, std::string temporary, std::FILE* file, int width);

    virtual bool start(int height) = 0;
    virtual bool writeRow(const unsigned char* rgb) = 0;
    virtual bool finish() = 0;
    bool fail(const std::string& what);

    std::FILE* file_;
    const int width_;

private:
    std::string path_;
    std::string temporary_;
    std::string error_;
    bool committed_ = false;
};

}  // namespace zentrel::cli
