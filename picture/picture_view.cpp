#include "picture/picture_view.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "picture/image_file.h"
#include "picture/png_errors.h"

namespace zentrel {
namespace {

Failure notAView(const std::string& path, const std::string& why)
{
    return Failure{Fault::NotAView, path + " " + why};
}

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Reads a PNG's header and the chunks ahead of its image data; false when
// the file is damaged. libpng reports that by longjmp, so nothing here may
// need a destructor.
bool readHeader(png_structp png, png_infop info, std::FILE* file)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, file);
    png_set_sig_bytes(png, 8);  // the caller read the signature
    png_read_info(png, info);
    return true;
}

// The recipe in the text chunks ahead of a PNG's image data, if any; false
// when the file is damaged.
bool pngRecipe(std::FILE* file, std::optional<std::string>& recipe)
{
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, stopWithoutPrinting, ignoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const bool read = info && readHeader(png, info, file);
    if (read) {
        png_textp text = nullptr;
        int count = 0;
        png_get_text(png, info, &text, &count);
        for (int i = 0; i < count; ++i)
            if (std::strcmp(text[i].key, kViewKey) == 0)
                recipe = std::string(text[i].text, text[i].compression > 0 ? text[i].itxt_length
                                                                           : text[i].text_length);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return read;
}

// The longest recipe read from a PPM: far beyond any field texts a person
// types, and a damaged file is not read into memory without end.
constexpr std::size_t kLongestRecipe = std::size_t{1} << 20;

// The recipe in the comment lines of a PPM's header, if any; false when it
// is longer than kLongestRecipe, since a recipe cut short may read as
// another view.
bool ppmRecipe(std::FILE* file, std::optional<std::string>& recipe)
{
    const std::string marker = std::string("# ") + kViewKey + ": ";
    for (int c = std::getc(file); c == '#'; c = std::getc(file)) {
        std::string line(1, '#');
        bool cut = false;
        for (c = std::getc(file); c != EOF && c != '\n'; c = std::getc(file)) {
            if (line.size() < marker.size() + kLongestRecipe)
                line += static_cast<char>(c);
            else
                cut = true;
        }
        if (line.rfind(marker, 0) == 0) {
            if (cut) return false;
            recipe = line.substr(marker.size());
            return true;
        }
    }
    return true;
}

}  // namespace

Outcome<View> viewOfPicture(const std::string& path)
{
    File file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return notAView(path, std::string("cannot be read: ") + std::strerror(errno));
    unsigned char magic[8] = {};
    const std::size_t got = std::fread(magic, 1, sizeof magic, file.get());
    std::optional<std::string> recipe;
    if (got == sizeof magic && png_sig_cmp(magic, 0, sizeof magic) == 0) {
        if (!pngRecipe(file.get(), recipe)) return notAView(path, "is a damaged PNG");
    } else if (got >= 3 && magic[0] == 'P' && magic[1] == '6' && magic[2] == '\n') {
        std::fseek(file.get(), 3, SEEK_SET);
        if (!ppmRecipe(file.get(), recipe)) return notAView(path, "holds a view too long to read");
    } else {
        return notAView(path, "is no PNG or PPM picture");
    }
    if (!recipe) return notAView(path, "holds no view: Zentrel did not write it");
    auto view = viewOf(*recipe);
    if (!view) return notAView(path, "holds a damaged view: " + view.failure().where);
    return view;
}

}  // namespace zentrel
