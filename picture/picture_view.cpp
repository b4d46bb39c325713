// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_view.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <csetjmp>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#include "engine/quoted_excerpt.h"
#include "picture/image_file.h"
#include "picture/png_errors.h"

namespace zentrel {
namespace {

Failure notAView(const std::string& name, const std::string& why)
{
    return Failure{Fault::NotAView, excerpt(name, kLongestPathShown) + " " + why};
}

// The longest recipe read: far beyond any field texts a person types, and a
// damaged file is not read into memory without end.
constexpr std::size_t kLongestRecipe = std::size_t{1} << 20;

// What the search for the recipe found. A recipe cut short could read as
// another view, so one too long is refused whole.
struct RecipeSearch {
    std::optional<std::string> recipe;
    bool tooLong = false;
    bool damaged = false;
};

// The text of a compressed chunk, inflated piece by piece and no further
// than just beyond kLongestRecipe.
void inflateRecipe(std::string_view packed, RecipeSearch& search)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        search.damaged = true;
        return;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    std::string text;
    int end = Z_OK;
    while (end == Z_OK && text.size() <= kLongestRecipe) {
        Bytef piece[16384];
        stream.next_out = piece;
        stream.avail_out = sizeof piece;
        end = inflate(&stream, Z_NO_FLUSH);
        text.append(reinterpret_cast<const char*>(piece), sizeof piece - stream.avail_out);
    }
    inflateEnd(&stream);
    if (text.size() > kLongestRecipe)
        search.tooLong = true;
    else if (end != Z_STREAM_END)
        search.damaged = true;
    else
        search.recipe = std::move(text);
}

// The text after `skip` zero-terminated fields, or nullopt when they are
// not all there.
std::optional<std::string_view> afterFields(std::string_view data, int skip)
{
    for (; skip > 0; --skip) {
        const std::size_t zero = data.find('\0');
        if (zero == std::string_view::npos) return std::nullopt;
        data.remove_prefix(zero + 1);
    }
    return data;
}

// The text of a chunk whose data follow its key and zero byte: plain in
// tEXt; after a compression method in zTXt; after a compression flag and
// method, a language and a translated key in iTXt.
void readRecipeChunk(std::string_view name, std::string_view data, RecipeSearch& search)
{
    if (name == "tEXt") {
        search.recipe = std::string(data);
        return;
    }
    const bool international = name == "iTXt";
    const std::size_t head = international ? 2 : 1;
    if (data.size() < head) {
        search.damaged = true;
        return;
    }
    const bool compressed = !international || data[0] != 0;
    const auto text = afterFields(data.substr(head), international ? 2 : 0);
    if (!text || (compressed && data[head - 1] != PNG_COMPRESSION_TYPE_BASE)) {
        search.damaged = true;
        return;
    }
    if (!compressed)
        search.recipe = std::string(*text);
    else
        inflateRecipe(*text, search);
}

bool isTextChunk(std::string_view name)
{
    return name == "tEXt" || name == "zTXt" || name == "iTXt";
}

// libpng hands over every chunk ahead of the image data that it does not
// read itself, the text chunks among them; only the first recipe is kept,
// and the texts under other keys are never inflated.
extern "C" int takeRecipeChunk(png_structp png, png_unknown_chunkp chunk)
{
    auto& search = *static_cast<RecipeSearch*>(png_get_user_chunk_ptr(png));
    const std::string_view name(reinterpret_cast<const char*>(chunk->name), 4);
    const std::string_view data(reinterpret_cast<const char*>(chunk->data), chunk->size);
    const std::string_view key = data.substr(0, data.find('\0'));
    if (search.recipe || search.tooLong || search.damaged || !isTextChunk(name) ||
        key != kViewKey || key.size() == data.size())
        return 1;
    readRecipeChunk(name, data.substr(key.size() + 1), search);
    return 1;
}

// What libpng may keep of a damaged or hostile file: no chunk larger than a
// recipe and its key, a handful of chunks at most, and the text chunks
// handed to takeRecipeChunk instead of its own reading, which would inflate
// every one of them.
void limitReading(png_structp png, RecipeSearch& search)
{
    png_set_user_limits(png, static_cast<png_uint_32>(kMaxExtent),
                        static_cast<png_uint_32>(kMaxExtent));
    png_set_chunk_malloc_max(png, 2 * kLongestRecipe);
    png_set_chunk_cache_max(png, 16);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    static const png_byte kTextChunks[] = "tEXt\0zTXt\0iTXt";
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_ALWAYS, kTextChunks, 3);
    png_set_read_user_chunk_fn(png, &search, takeRecipeChunk);
}

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

// The recipe in the text chunks ahead of a PNG's image data, if any.
RecipeSearch pngRecipe(std::FILE* file)
{
    RecipeSearch search;
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, stopWithoutPrinting, ignoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (info) limitReading(png, search);
    if (!info || !readHeader(png, info, file)) search.damaged = true;
    png_destroy_read_struct(&png, &info, nullptr);
    return search;
}

// The recipe in the comment lines of a PPM's header, if any.
RecipeSearch ppmRecipe(std::FILE* file)
{
    RecipeSearch search;
    const std::string marker = std::string("# ") + kViewKey + ": ";
    for (int c = std::getc(file); c == '#'; c = std::getc(file)) {
        std::string line(1, '#');
        for (c = std::getc(file); c != EOF && c != '\n'; c = std::getc(file)) {
            if (line.size() < marker.size() + kLongestRecipe)
                line += static_cast<char>(c);
            else
                search.tooLong = true;
        }
        if (line.rfind(marker, 0) == 0) {
            if (!search.tooLong) search.recipe = line.substr(marker.size());
            return search;
        }
        search.tooLong = false;
    }
    return search;
}

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The file at path, opened for reading if it is a regular file. A named
// pipe or a device is refused before anything is read from it, since a read
// could wait for ever; opening does not wait, for the same reason.
Outcome<File> openRegularFile(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return notAView(path, std::string("cannot be read: ") + std::strerror(errno));
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        return notAView(path, "is not a regular file");
    }
    File file(fdopen(fd, "rb"), &std::fclose);
    if (!file) {
        close(fd);
        return notAView(path, std::string("cannot be read: ") + std::strerror(errno));
    }
    return file;
}

}  // namespace

Outcome<View> viewOfOpenPicture(std::FILE* file, const std::string& name)
{
    unsigned char magic[8] = {};
    const std::size_t got = std::fread(magic, 1, sizeof magic, file);
    RecipeSearch search;
    if (got == sizeof magic && png_sig_cmp(magic, 0, sizeof magic) == 0) {
        search = pngRecipe(file);
    } else if (got >= 3 && magic[0] == 'P' && magic[1] == '6' && magic[2] == '\n') {
        std::fseek(file, 3, SEEK_SET);
        search = ppmRecipe(file);
    } else {
        return notAView(name, "is no PNG or PPM picture");
    }
    if (search.tooLong) return notAView(name, "holds a view too long to read");
    if (search.damaged) return notAView(name, "is a damaged PNG");
    if (!search.recipe) return notAView(name, "holds no view: Zentrel did not write it");
    // A text chunk cannot hold a zero byte, and a comment line should not:
    // what follows one is no part of the view a person gave.
    if (search.recipe->find('\0') != std::string::npos)
        return notAView(name, "holds a damaged view: it holds a zero byte");
    auto view = viewOf(*search.recipe);
    if (!view) return notAView(name, "holds a damaged view: " + view.failure().where);
    return view;
}

Outcome<View> viewOfPicture(const std::string& path)
{
    auto file = openRegularFile(path);
    if (!file) return file.failure();
    return viewOfOpenPicture(file.value().get(), path);
}

}  // namespace zentrel
