// SPDX-License-Identifier: GPL-3.0-or-later
// PNGs deflated in runs of rows on several threads: the runs join into one
// valid zlib stream, the file decodes to the picture, and its bytes are the
// same whatever the number of threads.

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "engine/render.h"
#include "patterns/pattern_table.h"
#include "picture/png_runs.h"
#include "picture/poster.h"
#include "support.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;
using test::decodedPng;
using test::F;

class ParallelPng : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string dir = (fs::temp_directory_path() / "zentrel-png-XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        dir_ = dir;
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The view's poster as a PNG written with that many threads.
    std::string written(const View& view, int threads)
    {
        WorkerPool pool(threads);
        const std::string path = (dir_ / (std::to_string(threads) + ".png")).string();
        const auto plan = planPoster(view);
        EXPECT_TRUE(plan.ok());
        const auto end = writePoster(pool, view, plan.value(), path);
        EXPECT_TRUE(end.ok()) << end.failure().message();
        return test::readFile(path);
    }

    fs::path dir_;
};

TEST_F(ParallelPng, DecodesToThePictureWithTheSameBytesForAnyThreads)
{
    // 1024 x 768 holds several runs of rows; 7 pixels across, one run of
    // rows that are not a whole number of words.
    for (const FieldTexts& fields : {F("1", "1", "768", "0.15"), F("3", "-2", "7", "0.4")}) {
        const View view = viewWith(*findPattern("aqua"), fields);
        const std::string one = written(view, 1);
        const auto picture = decodedPng(one);
        ASSERT_TRUE(picture.has_value()) << fields.size;
        const Picture drawn = renderPicture(*view.pattern, view.fields).value();
        EXPECT_TRUE(test::samePicture(*picture, drawn)) << fields.size;
        // The closing chunk, its checksum among it, is the same for every PNG.
        EXPECT_TRUE(one.ends_with(std::string("\0\0\0\0IEND\xAE\x42\x60\x82", 12)));
        for (int threads : {2, 3}) EXPECT_TRUE(written(view, threads) == one) << threads;
    }
}

// Rows of bytes that neither repeat nor run at random: every filter wins
// somewhere.
std::vector<unsigned char> rowsOf(std::size_t rows, std::size_t rowBytes)
{
    std::vector<unsigned char> bytes(rows * rowBytes);
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t i = 0; i < rowBytes; ++i)
            bytes[r * rowBytes + i] = static_cast<unsigned char>((r % 7 < 3)   ? i * 3 + r
                                                                 : (r % 7 < 5) ? (i * i) ^ (r * 31)
                                                                               : (i / 3) * 5);
    return bytes;
}

// The rows filtered one after the other, as a single stream would hold them.
std::vector<unsigned char> filteredWhole(const std::vector<unsigned char>& raw,
                                         std::size_t rowBytes, int pixelBytes)
{
    const std::size_t rows = raw.size() / rowBytes;
    std::vector<unsigned char> out(rows * (rowBytes + 1));
    for (std::size_t r = 0; r < rows; ++r)
        filterRow(&raw[r * rowBytes], r ? &raw[(r - 1) * rowBytes] : nullptr, rowBytes, pixelBytes,
                  &out[r * (rowBytes + 1)]);
    return out;
}

struct RunsRow : test::NamedRow {
    std::size_t rows;
    std::size_t rowBytes;
    int pixelBytes;
    std::size_t runRows;  // rows a run holds, the last one fewer
    bool fullLead;        // lead rows as a file takes them; else as many as the run's start
};

// clang-format off
const RunsRow kRuns[] = {
    {"one_run", 40, 30, 3, 40, true},
    {"runs_of_one_row", 9, 60000, 6, 1, true},
    {"narrow_rows_long_lead", 3000, 5, 3, 700, true},
    {"runs_shorter_than_their_lead", 3000, 5, 3, 200, false},
    {"wide_rows", 12, 40000, 3, 5, true},
};
// clang-format on

class JoinedRuns : public ::testing::TestWithParam<RunsRow> {};

// Runs deflated apart, between the header and the checksum, inflate to the
// filtered rows: zlib itself checks that the combined Adler-32 is theirs.
TEST_P(JoinedRuns, InflateToTheFilteredRows)
{
    const RunsRow& row = GetParam();
    const auto raw = rowsOf(row.rows, row.rowBytes);
    std::vector<unsigned char> stream(std::begin(kZlibHeader), std::end(kZlibHeader));
    uLong adler = adler32(0, nullptr, 0);
    for (std::size_t start = 0; start < row.rows; start += row.runRows) {
        const std::size_t end = std::min(row.rows, start + row.runRows);
        const std::size_t lead = row.fullLead ? std::min(start, leadRowsFor(row.rowBytes)) : start;
        const RowRun run{std::span(raw).subspan((start - lead) * row.rowBytes,
                                                (end - start + lead) * row.rowBytes),
                         row.rowBytes,
                         row.pixelBytes,
                         lead,
                         start == lead,
                         end == row.rows};
        const DeflatedRun out = deflateRun(run);
        ASSERT_TRUE(out.ok);
        stream.insert(stream.end(), out.bytes.begin(), out.bytes.end());
        adler = adler32_combine(adler, out.adler, out.length);
    }
    const auto trailer = zlibTrailer(static_cast<std::uint32_t>(adler));
    stream.insert(stream.end(), trailer.begin(), trailer.end());

    const auto expected = filteredWhole(raw, row.rowBytes, row.pixelBytes);
    std::vector<unsigned char> inflated(expected.size() + 1);
    uLongf size = inflated.size();
    ASSERT_EQ(uncompress(inflated.data(), &size, stream.data(), stream.size()), Z_OK);
    inflated.resize(size);
    EXPECT_TRUE(inflated == expected);
}

INSTANTIATE_TEST_SUITE_P(Splits, JoinedRuns, ::testing::ValuesIn(kRuns), test::byName);

struct FilterRow : test::NamedRow {
    std::vector<unsigned char> row;
    std::vector<unsigned char> above;  // empty: the top row
    int pixelBytes;
    int filter;
};

// clang-format off
const FilterRow kFilters[] = {
    {"alternation_unfiltered", {1, 0, 1, 0, 1}, {}, 1, 0},
    {"ramp_by_its_left", {10, 20, 30, 40, 50, 60}, {}, 1, 1},
    {"ramp_of_whole_pixels", {10, 90, 20, 100, 30, 110}, {}, 2, 1},
    {"the_row_above_again", {200, 3, 77, 140, 5, 250}, {200, 3, 77, 140, 5, 250}, 1, 2},
    {"halfway_between_left_and_above", {0, 100, 150, 175, 188}, {200, 200, 200, 200, 200}, 1, 3},
};
// clang-format on

class RowFilter : public ::testing::TestWithParam<FilterRow> {};

TEST_P(RowFilter, IsTheOneOfLeastOutput)
{
    const FilterRow& f = GetParam();
    std::vector<unsigned char> out(f.row.size() + 1);
    filterRow(f.row.data(), f.above.empty() ? nullptr : f.above.data(), f.row.size(), f.pixelBytes,
              out.data());
    EXPECT_EQ(out[0], f.filter);
}

INSTANTIATE_TEST_SUITE_P(Rows, RowFilter, ::testing::ValuesIn(kFilters), test::byName);

}  // namespace
}  // namespace zentrel
