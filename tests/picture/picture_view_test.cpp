// SPDX-License-Identifier: GPL-3.0-or-later
// Views read back from picture files made by hand, damaged and hostile ones
// among them: the reading finds the recipe in any text chunk or comment,
// refuses what is not a view, and takes little memory whatever a file
// declares or packs.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "picture/image_file.h"
#include "picture/picture_view.h"
#include "support.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;

const std::string kRecipe = "--pattern kanga --x 2 --y 'it'\\''s' --size 40 --xoom 1 --bright 150";
const std::string kPngSignature = "\x89PNG\r\n\x1a\n";

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

std::string deflated(const std::string& text)
{
    uLongf size = compressBound(text.size());
    std::string packed(size, '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size,
             reinterpret_cast<const Bytef*>(text.data()), text.size());
    packed.resize(size);
    return packed;
}

std::string key(const char* k) { return std::string(k) + '\0'; }
std::string tEXt(const char* k, const std::string& text) { return chunk("tEXt", key(k) + text); }
std::string zTXt(const char* k, const std::string& text)
{
    return chunk("zTXt", key(k) + '\0' + deflated(text));
}
std::string iTXt(const char* k, const std::string& text, bool compressed = false)
{
    const std::string flags = compressed ? std::string("\1\0", 2) : std::string("\0\0", 2);
    return chunk("iTXt",
                 key(k) + flags + "en" + '\0' + '\0' + (compressed ? deflated(text) : text));
}

// A 1 x 1 PNG with these chunks ahead of its image data.
std::string png(const std::string& chunks)
{
    const std::string header = bigEndian(1) + bigEndian(1) + std::string("\x08\x02\0\0\0", 5);
    return kPngSignature + chunk("IHDR", header) + chunks +
           chunk("IDAT", deflated(std::string(4, '\0'))) + chunk("IEND", "");
}

std::string ppm(const std::string& recipe)
{
    return "P6\n# " + std::string(kViewKey) + ": " + recipe + "\n1 1\n255\n" + std::string(3, '\0');
}

// The bytes in a file of their own for each test.
class PictureView : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string dir = (fs::temp_directory_path() / "zentrel-view-XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        dir_ = dir;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string file(const std::string& name, const std::string& bytes) const
    {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path dir_;
};

// A field of /proc/self/status, in KiB.
long statusKiB(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string word; status >> word;)
        if (word == field) {
            long kib = -1;
            status >> kib;
            return kib;
        }
    return -1;
}

// How far reading the file's view raised the peak of the memory mapped by a
// process, in KiB: measured in a child, whose peak starts where the test
// stands, so that a large allocation counts even if it is never touched.
long peakGrowthKiB(const std::string& path)
{
    int result[2];
    if (pipe(result) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        const long before = statusKiB("VmSize:");
        (void)viewOfPicture(path);  // only its memory counts here
        const long growth = statusKiB("VmPeak:") - before;
        (void)!write(result[1], &growth, sizeof growth);
        _exit(0);
    }
    close(result[1]);
    long growth = -1;
    if (read(result[0], &growth, sizeof growth) != sizeof growth) growth = -1;
    close(result[0]);
    waitpid(pid, nullptr, 0);
    return growth;
}

// A reading of a view never takes more than the longest recipe (1 MiB) and
// the chunk it comes in, with room to spare.
constexpr long kMostGrowthKiB = 16 * 1024;

struct ReadRow : test::NamedRow {
    std::string (*bytes)();
    const char* refusal;  // what follows the file's name; null for the view
};

// Nearly eight megabytes of blanks, just below what libpng inflates by
// default, deflated once: a text chunk of 8 KiB.
const std::string& packedBlanks()
{
    static const std::string packed = deflated(std::string(7800000, ' '));
    return packed;
}

std::string blanksUnder(const char* k) { return chunk("zTXt", key(k) + '\0' + packedBlanks()); }

// clang-format off
const ReadRow kReads[] = {
    {{"in_itxt"}, [] { return png(tEXt("Software", "x") + iTXt(kViewKey, kRecipe)); }, nullptr},
    {{"in_compressed_itxt"}, [] { return png(iTXt(kViewKey, kRecipe, true)); }, nullptr},
    {{"in_ztxt"}, [] { return png(zTXt(kViewKey, kRecipe)); }, nullptr},
    {{"in_text"}, [] { return png(tEXt(kViewKey, kRecipe)); }, nullptr},
    {{"in_ppm"}, [] { return ppm(kRecipe); }, nullptr},
    {{"first_of_two"},
     [] { return png(iTXt(kViewKey, kRecipe) + iTXt(kViewKey, "--pattern aqua")); }, nullptr},
    {{"after_texts_that_inflate_to_160_mb"}, [] {
        std::string bomb;
        for (int i = 0; i < 20; ++i) bomb += blanksUnder("Comment");
        return png(bomb + iTXt(kViewKey, kRecipe)); }, nullptr},
    {{"only_other_keys"}, [] { return png(zTXt("Comment", kRecipe)); },
     "holds no view: Zentrel did not write it"},
    {{"declaring_two_gigabytes"},
     [] { return png(tEXt("Software", "x") + bigEndian(2030043211) + "iTXt" + key(kViewKey)); },
     "is a damaged PNG"},
    {{"inflating_beyond_the_longest"}, [] { return png(blanksUnder(kViewKey)); },
     "holds a view too long to read"},
    {{"compressed_damaged"},
     [] { return png(chunk("zTXt", key(kViewKey) + '\0' + "not deflated")); },
     "is a damaged PNG"},
    {{"itxt_cut_short"}, [] { return png(chunk("iTXt", key(kViewKey) + '\1')); },
     "is a damaged PNG"},
    {{"zero_byte_in_png"},
     [] { return png(iTXt(kViewKey, std::string("--pattern aqua\0--x 5", 20))); },
     "holds a damaged view: it holds a zero byte"},
    {{"zero_byte_in_ppm"}, [] { return ppm(std::string("--pattern aqua\0--x 5", 20)); },
     "holds a damaged view: it holds a zero byte"},
};
// clang-format on

class PictureViewReads : public PictureView, public ::testing::WithParamInterface<ReadRow> {};

TEST_P(PictureViewReads, TheRecipeOrARefusalInLittleMemory)
{
    const ReadRow& row = GetParam();
    const std::string path = file("picture", row.bytes());
    const Outcome<View> view = viewOfPicture(path);
    if (row.refusal) {
        ASSERT_FALSE(view.ok());
        EXPECT_EQ(view.failure().fault, Fault::NotAView);
        EXPECT_EQ(view.failure().where, path + " " + row.refusal);
    } else {
        ASSERT_TRUE(view.ok()) << view.failure().where;
        EXPECT_TRUE(view.value() == viewOf(kRecipe).value());
    }
    const long growth = peakGrowthKiB(path);
    EXPECT_GE(growth, 0);
    EXPECT_LT(growth, kMostGrowthKiB);
}

INSTANTIATE_TEST_SUITE_P(Files, PictureViewReads, ::testing::ValuesIn(kReads), test::byName);

TEST_F(PictureView, OnlyARegularFileIsRead)
{
    const std::string pipe = (dir_ / "pipe.png").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // No writer ever comes: a reading that waited would hang the test.
    const std::string folder = dir_.string();
    for (const std::string& path : {pipe, folder, std::string("/dev/null")}) {
        const Outcome<View> view = viewOfPicture(path);
        ASSERT_FALSE(view.ok()) << path;
        EXPECT_EQ(view.failure().where, path + " is not a regular file");
    }
}

TEST_F(PictureView, ANameWithControlCharactersIsShownEscaped)
{
    const std::string path = file("\x1b]0;title\a.png", "neither");
    const Outcome<View> view = viewOfPicture(path);
    ASSERT_FALSE(view.ok());
    EXPECT_EQ(view.failure().where,
              (dir_ / "\\x1b]0;title\\x07.png").string() + " is no PNG or PPM picture");
}

}  // namespace
}  // namespace zentrel
