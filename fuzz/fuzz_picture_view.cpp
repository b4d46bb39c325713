// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a picture file: a view or a refusal that says why, never a
// crash, and little memory however much the file declares or packs. The
// same bytes as the text of a view, in an iTXt chunk (plain or deflated),
// a zTXt chunk or a PPM's comment line, read as the line reader reads them.

#include <zlib.h>

#include <cstdio>
#include <memory>
#include <string>

#include "fuzz_input.h"
#include "picture/image_file.h"
#include "picture/picture_view.h"

namespace zentrel::fuzz {
namespace {

Outcome<View> viewOfBytes(const std::string& bytes)
{
    // fmemopen refuses an empty buffer: one byte more, never read.
    std::string buffer = bytes + '\0';
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        fmemopen(buffer.data(), bytes.size(), "rb"), &std::fclose);
    require(file != nullptr, "the bytes open as a file");
    return viewOfOpenPicture(file.get(), "picture");
}

std::string bigEndian(std::uint32_t n)
{
    return {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8),
            static_cast<char>(n)};
}

std::string chunk(const std::string& type, const std::string& data)
{
    const std::string body = type + data;
    const auto crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size());
    return bigEndian(static_cast<std::uint32_t>(data.size())) + body +
           bigEndian(static_cast<std::uint32_t>(crc));
}

std::string deflated(std::string_view text)
{
    uLongf size = compressBound(text.size());
    std::string packed(size, '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size,
             reinterpret_cast<const Bytef*>(text.data()), text.size());
    packed.resize(size);
    return packed;
}

std::string png(const std::string& textChunk)
{
    const std::string header = bigEndian(1) + bigEndian(1) + std::string("\x08\x02\0\0\0", 5);
    return "\x89PNG\r\n\x1a\n" + chunk("IHDR", header) + textChunk +
           chunk("IDAT", deflated(std::string(4, '\0'))) + chunk("IEND", "");
}

// The line as each kind of picture file carries a view.
std::vector<std::string> filesCarrying(std::string_view line)
{
    const std::string key = std::string(kViewKey) + '\0';
    const std::string international = key + std::string("\0\0", 2) + "en" + '\0' + '\0';
    return {
        png(chunk("iTXt", international + std::string(line))),
        png(chunk("iTXt", key + std::string("\1\0", 2) + "en" + '\0' + '\0' + deflated(line))),
        png(chunk("zTXt", key + '\0' + deflated(line))),
        "P6\n# " + std::string(kViewKey) + ": " + std::string(line) + "\n1 1\n255\n" +
            std::string(3, '\0'),
    };
}

void checkFile(const std::string& bytes)
{
    const Outcome<View> view = viewOfBytes(bytes);
    require(view.ok() || (view.failure().fault == Fault::NotAView &&
                          view.failure().where.rfind("picture ", 0) == 0),
            "a refusal names the file and says why");
}

void checkCarried(std::string_view line)
{
    const Outcome<View> read = viewOf(line);
    for (const std::string& file : filesCarrying(line)) {
        const Outcome<View> carried = viewOfBytes(file);
        require(carried.ok() == read.ok(), "a carried view reads as the line");
        if (read.ok())
            require(carried.value() == read.value(), "the same view");
        else
            require(
                carried.failure().where == "picture holds a damaged view: " + read.failure().where,
                "the same refusal");
    }
}

}  // namespace
}  // namespace zentrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = zentrel::fuzz::bytesAsText(data, size);
    zentrel::fuzz::checkFile(std::string(input));
    // A comment line ends at a line feed, and no view holds a zero byte.
    if (input.find_first_of(std::string_view("\n\0", 2)) == std::string_view::npos)
        zentrel::fuzz::checkCarried(input);
    return 0;
}
