#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "engine/outcome.h"
#include "engine/pattern.h"
#include "picture/staged_file.h"

namespace zentrel {

enum class PictureFormat { Png, Ppm };

// The format a file name asks for by its extension, if it is one we write.
std::optional<PictureFormat> pictureFormatOf(const std::string& path);

// What a picture file says of the program that wrote it, and the key under
// which it keeps its view's recipe.
inline constexpr const char* kSoftwareKey = "Software";
inline constexpr const char* kViewKey = "Zentrel view";
const char* softwareName();  // "Zentrel 5.2014"

// A picture file written row by row, top to bottom, out of sight beside its
// destination; only commit() gives it its name, so a failed or interrupted
// render never leaves a partial picture behind.
class ImageFile {
public:
    virtual ~ImageFile();

    // A PNG or a binary PPM, by the path's extension (one of
    // pictureFormatOf's), carrying the recipe of its view: in text chunks of
    // a PNG, in comment lines of a PPM.
    static Outcome<std::unique_ptr<ImageFile>> create(const std::string& path, int width,
                                                      int height, const std::string& recipe);

    // Appends rows.size() / width rows of colours.
    std::optional<Failure> writeRows(std::span<const Colour> rows);
    std::optional<Failure> commit();

protected:
    ImageFile(std::string path, StagedFile file, int width);

    virtual bool start(int height, const std::string& recipe) = 0;
    virtual bool writeRow(const unsigned char* rgb) = 0;
    virtual bool finish() = 0;

    std::FILE* file_;
    const int width_;

private:
    // Why writing stopped, with the reason the system gave.
    Failure writeFailure() const;

    std::string path_;
    StagedFile staged_;
};

}  // namespace zentrel
