// PNG, 8 bits a channel, written by libpng; the view in a text chunk.

#include <csetjmp>
#include <cstring>

#include "picture/image_file.h"
#include "picture/png_errors.h"

namespace zentrel {
namespace {

class PngFile final : public ImageFile {
public:
    using ImageFile::ImageFile;
    ~PngFile() override { png_destroy_write_struct(&png_, &info_); }

private:
    bool start(const PictureHeader& header) override
    {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, stopWithoutPrinting,
                                       ignoreWarning);
        if (!png_) return false;
        info_ = png_create_info_struct(png_);
        if (!info_ || setjmp(png_jmpbuf(png_))) return false;
        png_init_io(png_, file_);
        png_set_IHDR(png_, info_, width_, header.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        setText(header.recipe);
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

Outcome<std::unique_ptr<PictureSink>> openPngFile(const std::string& path,
                                                  const PictureHeader& header)
{
    return ImageFile::open<PngFile>(path, header);
}

}  // namespace zentrel
