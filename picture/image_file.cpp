#include "picture/image_file.h"

#include <cerrno>
#include <csetjmp>
#include <cstring>
#include <vector>

#include "engine/colour.h"
#include "picture/png_errors.h"

namespace zentrel {
namespace {

class PpmFile final : public ImageFile {
public:
    using ImageFile::ImageFile;

private:
    bool start(int height, const std::string& recipe) override
    {
        return std::fprintf(file_, "P6\n# %s: %s\n# %s: %s\n%d %d\n255\n", kSoftwareKey,
                            softwareName(), kViewKey, recipe.c_str(), width_, height) > 0;
    }
    bool writeRow(const unsigned char* rgb) override
    {
        return std::fwrite(rgb, 3, width_, file_) == static_cast<std::size_t>(width_);
    }
    bool finish() override { return true; }
};

class PngFile final : public ImageFile {
public:
    using ImageFile::ImageFile;
    ~PngFile() override { png_destroy_write_struct(&png_, &info_); }

private:
    bool start(int height, const std::string& recipe) override
    {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, stopWithoutPrinting,
                                       ignoreWarning);
        if (!png_) return false;
        info_ = png_create_info_struct(png_);
        if (!info_ || setjmp(png_jmpbuf(png_))) return false;
        png_init_io(png_, file_);
        png_set_IHDR(png_, info_, width_, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        setText(recipe);
        png_write_info(png_, info_);
        return true;
    }
    // The program in plain text; the recipe as UTF-8 international text,
    // since the field texts may hold any character. Nothing here needs a
    // destructor: libpng may leave by longjmp.
    void setText(const std::string& recipe)
    {
        png_text text[2] = {};
        text[0].compression = PNG_TEXT_COMPRESSION_NONE;
        text[0].key = const_cast<char*>(kSoftwareKey);
        text[0].text = const_cast<char*>(softwareName());
        text[0].text_length = std::strlen(softwareName());
        text[1].compression = PNG_ITXT_COMPRESSION_NONE;
        text[1].key = const_cast<char*>(kViewKey);
        text[1].text = const_cast<char*>(recipe.c_str());
        text[1].itxt_length = recipe.size();
        text[1].lang = const_cast<char*>("");
        text[1].lang_key = const_cast<char*>("");
        png_set_text(png_, info_, text, 2);
    }
    bool writeRow(const unsigned char* rgb) override
    {
        if (setjmp(png_jmpbuf(png_))) return false;
        png_write_row(png_, rgb);
        return true;
    }
    bool finish() override
    {
        if (setjmp(png_jmpbuf(png_))) return false;
        png_write_end(png_, info_);
        return true;
    }

    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

}  // namespace

std::optional<PictureFormat> pictureFormatOf(const std::string& path)
{
    if (path.ends_with(".png")) return PictureFormat::Png;
    if (path.ends_with(".ppm")) return PictureFormat::Ppm;
    return std::nullopt;
}

ImageFile::ImageFile(std::string path, StagedFile file, int width)
    : file_(file.stream()), width_(width), path_(std::move(path)), staged_(std::move(file))
{
}

ImageFile::~ImageFile() = default;

const char* softwareName() { return "Zentrel " ZENTREL_VERSION; }

Outcome<std::unique_ptr<ImageFile>> ImageFile::create(const std::string& path, int width,
                                                      int height, const std::string& recipe)
{
    auto staged = StagedFile::create(path);
    if (!staged) return staged.failure();
    std::unique_ptr<ImageFile> image;
    if (pictureFormatOf(path) == PictureFormat::Ppm)
        image.reset(new PpmFile(path, std::move(staged.value()), width));
    else
        image.reset(new PngFile(path, std::move(staged.value()), width));
    if (!image->start(height, recipe)) return image->writeFailure();
    return image;
}

Failure ImageFile::writeFailure() const
{
    return Failure{Fault::CannotWrite, path_ + ": " + std::strerror(errno)};
}

std::optional<Failure> ImageFile::writeRows(std::span<const Colour> rows)
{
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width_) * 3);
    for (std::size_t at = 0; at + width_ <= rows.size(); at += width_) {
        for (int c = 0; c < width_; ++c) {
            const Colour colour = rows[at + c];
            rgb[3 * c] = static_cast<unsigned char>(redOf(colour));
            rgb[3 * c + 1] = static_cast<unsigned char>(greenOf(colour));
            rgb[3 * c + 2] = static_cast<unsigned char>(blueOf(colour));
        }
        if (!writeRow(rgb.data())) return writeFailure();
    }
    return std::nullopt;
}

std::optional<Failure> ImageFile::commit()
{
    if (!finish()) return writeFailure();
    return staged_.publish();
}

}  // namespace zentrel
