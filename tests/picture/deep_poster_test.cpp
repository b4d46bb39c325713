// SPDX-License-Identifier: GPL-3.0-or-later
// Posters of 16 bits a channel: a smooth poster keeps its average in linear
// light to the nearest of 65536 codes, one sample a pixel is the 8-bit
// colour times 257, and the depth is in the view the file carries.

#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/render.h"
#include "patterns/pattern_table.h"
#include "picture/picture_view.h"
#include "picture/poster.h"
#include "support.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;
using test::F;

// Samples of a picture, channel by channel, row by row from the top.
using Samples = std::vector<int>;

// The samples of a 16-bit binary PPM: the last header line says 65535.
Samples ppmSamples(const std::string& bytes)
{
    const std::string end = "\n65535\n";
    const auto at = bytes.find(end);
    if (at == std::string::npos) return {};
    Samples out;
    for (std::size_t i = at + end.size(); i + 1 < bytes.size(); i += 2)
        out.push_back(static_cast<unsigned char>(bytes[i]) * 256 +
                      static_cast<unsigned char>(bytes[i + 1]));
    return out;
}

// The samples of a PNG as it holds them, read with libpng; empty unless it
// is 16 bits a channel.
Samples pngSamples(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return {};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    Samples out;
    if (!setjmp(png_jmpbuf(png))) {
        png_init_io(png, file);
        png_read_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
        if (png_get_bit_depth(png, info) == 16) {
            const png_bytepp rows = png_get_rows(png, info);
            for (png_uint_32 r = 0; r < png_get_image_height(png, info); ++r)
                for (png_uint_32 i = 0; i < png_get_image_width(png, info) * 3; ++i)
                    out.push_back(rows[r][2 * i] * 256 + rows[r][2 * i + 1]);
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    return out;
}

double linearOf(int code)
{
    const double v = code / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// Linear light to a 16-bit sRGB code by the encoding's own formula.
int deepCodeOf(double linear)
{
    const double v =
        linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(v * 65535));
}

class DeepPoster : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string dir = (fs::temp_directory_path() / "zentrel-deep-XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        dir_ = dir;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }

    void write(const View& view, const char* name)
    {
        const auto plan = planPoster(view);
        ASSERT_TRUE(plan.ok());
        const auto end = writePoster(pool_, view, plan.value(), path(name));
        ASSERT_TRUE(end.ok()) << end.failure().message();
    }

    fs::path dir_;
    WorkerPool pool_{2};
};

View deepView(FieldTexts fields, int supersample)
{
    View view = viewWith(*findPattern("aqua"), std::move(fields));
    view.supersample = supersample;
    view.depth = 16;
    return view;
}

TEST_F(DeepPoster, KeepsTheLinearAverageAtSixteenBits)
{
    const int k = 3;
    const View view = deepView(F("3", "-7", "40", "0.8"), k);
    write(view, "p.png");
    write(view, "p.ppm");
    const Samples png = pngSamples(path("p.png"));
    EXPECT_EQ(png, ppmSamples(test::readFile(path("p.ppm"))));

    const Picture dense = renderPicture(*view.pattern, view.fields, 2, view.sampling()).value();
    ASSERT_EQ(png.size(), std::size_t(dense.width / k) * (dense.height / k) * 3);
    int between = 0;  // samples no 8-bit code times 257 gives
    for (int r = 0; r < dense.height / k; ++r)
        for (int c = 0; c < dense.width / k; ++c)
            for (int part = 0; part < 3; ++part) {
                double sum = 0;
                for (int dr = 0; dr < k; ++dr)
                    for (int dc = 0; dc < k; ++dc)
                        sum += linearOf((dense.at(c * k + dc, r * k + dr) >> (8 * part)) & 0xFF);
                const int got = png[(std::size_t(r) * (dense.width / k) + c) * 3 + part];
                // Within a code: pow may differ in its last place from the formulas' own.
                ASSERT_LE(std::abs(got - deepCodeOf(sum / (k * k))), 1) << c << ", " << r;
                between += got % 257 != 0;
            }
    EXPECT_GT(between, 0);
}

TEST_F(DeepPoster, OfOneSampleAPixelIsTheColourTimes257)
{
    const View view = deepView(F("1", "1", "30", "0.3"), 1);
    write(view, "p.png");
    write(view, "p.ppm");
    const Picture picture = renderPicture(*view.pattern, view.fields).value();
    Samples expected;
    for (int r = 0; r < picture.height; ++r)
        for (int c = 0; c < picture.width; ++c)
            for (int part :
                 {redOf(picture.at(c, r)), greenOf(picture.at(c, r)), blueOf(picture.at(c, r))})
                expected.push_back(part * 257);
    EXPECT_EQ(pngSamples(path("p.png")), expected);
    EXPECT_EQ(ppmSamples(test::readFile(path("p.ppm"))), expected);
}

TEST_F(DeepPoster, CarriesItsDepthInItsView)
{
    const View view = deepView(F("1", "1", "12"), 2);
    EXPECT_NE(recipeOf(view).find(" --depth 16"), std::string::npos);
    for (const char* name : {"p.png", "p.ppm"}) {
        write(view, name);
        const Outcome<View> back = viewOfPicture(path(name));
        ASSERT_TRUE(back.ok()) << back.failure().message();
        EXPECT_TRUE(back.value() == view) << name;
    }
}

}  // namespace
}  // namespace zentrel
