// SPDX-License-Identifier: GPL-3.0-or-later
#include "support.h"

#include <png.h>

#include <fstream>
#include <iterator>
#include <limits>

#include "engine/colour.h"

namespace zentrel::test {

FieldTexts F(std::string across, std::string down, std::string size, std::string xoom,
             std::string brightness)
{
    return {std::move(across), std::move(down), std::move(size), std::move(xoom),
            std::move(brightness)};
}

void expectFirstFailure(const PictureFaultRow& row, int threads)
{
    const MathPathScope restore;
    for (MathPath path : supportedPaths()) {
        useMathPath(path);
        // Workers race through the columns; the answer must not depend on who wins.
        for (int run = 0; run < (threads == 1 ? 1 : 3); ++run) {
            const Outcome<Picture> picture = renderPicture(*row.pattern, row.fields, threads);
            EXPECT_EQ(picture.ok() ? "" : picture.failure().message(), row.message)
                << pathName(path) << ", run " << run;
        }
    }
}

::testing::AssertionResult samePicture(const Picture& actual, const Picture& expected)
{
    if (actual.width != expected.width || actual.height != expected.height)
        return ::testing::AssertionFailure()
               << "the picture is " << actual.width << " x " << actual.height << ", expected "
               << expected.width << " x " << expected.height;
    int differing = 0;
    std::string first;
    for (int c = 0; c < actual.width; ++c)
        for (int r = 0; r < actual.height; ++r)
            if (actual.at(c, r) != expected.at(c, r) && ++differing <= 3)
                first += " (" + std::to_string(c) + ", " + std::to_string(r) + ")";
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " of " << actual.width * actual.height
                                         << " pixels differ, first at column, row" << first;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writePpm(const std::filesystem::path& path, const Picture& picture)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << picture.width << " " << picture.height << "\n255\n";
    for (int r = 0; r < picture.height; ++r)
        for (int c = 0; c < picture.width; ++c) {
            const Colour colour = picture.at(c, r);
            out.put(static_cast<char>(redOf(colour)));
            out.put(static_cast<char>(greenOf(colour)));
            out.put(static_cast<char>(blueOf(colour)));
        }
}

std::optional<Picture> decodedPng(const std::string& bytes)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return std::nullopt;
    png.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr)) return std::nullopt;
    Picture picture{static_cast<int>(png.width), static_cast<int>(png.height), {}};
    for (int c = 0; c < picture.width; ++c)
        for (int r = 0; r < picture.height; ++r) {
            const unsigned char* p = &rgb[(static_cast<std::size_t>(r) * picture.width + c) * 3];
            picture.colours.push_back(p[0] + 256u * p[1] + 65536u * p[2]);
        }
    return picture;
}

std::optional<Picture> readPpm(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maximum = 0;
    Picture picture;
    in >> magic;
    // Comment lines may follow the magic number.
    while (in >> std::ws && in.peek() == '#')
        in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    if (!(in >> picture.width >> picture.height >> maximum) || magic != "P6" || maximum != 255 ||
        picture.width < 0 || picture.height < 0)
        return std::nullopt;
    in.get();  // the one blank after the header
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::size_t pixels = std::size_t{1} * picture.width * picture.height;
    if (bytes.size() != 3 * pixels) return std::nullopt;
    picture.colours.resize(pixels);
    for (int r = 0; r < picture.height; ++r)
        for (int c = 0; c < picture.width; ++c) {
            const auto* rgb = reinterpret_cast<const unsigned char*>(
                &bytes[3 * (std::size_t{1} * r * picture.width + c)]);
            picture.colours[std::size_t{1} * c * picture.height + r] =
                rgb[0] + 256u * rgb[1] + 65536u * rgb[2];
        }
    return picture;
}

}  // namespace zentrel::test
