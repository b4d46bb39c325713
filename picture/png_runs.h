// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// A PNG's image data deflated in runs of rows apart from one another, so that
// several threads can deflate them at once, yet joined end to end (after the
// stream's header, before its checksum) they make the one zlib stream the
// format holds. Each run is primed with the 32 KiB of filtered data before
// it, so joining costs next to nothing in size, and the bytes depend on the
// runs alone, never on which thread deflated which.
namespace zentrel {

// The rows of one run as raw pixel bytes: first lead rows that come before
// it in the picture, then its own. When the run starts at the top there is
// no lead. Otherwise the first lead row is there only as the row above the
// next one, and the filtered lead rows after it (at least 32 KiB of them, or
// all rows from the top) prime the deflater.
struct RowRun {
    std::span<const unsigned char> rows;
    std::size_t rowBytes = 0;
    int pixelBytes = 3;  // bytes of a whole pixel, the filters' step
    std::size_t leadRows = 0;
    bool fromTop = true;  // the first row held is the picture's top row
    bool last = false;    // the run ends the stream
    // Deflate's level, 1 fastest to 9 smallest. At 5 a poster's file is some
    // 2 % larger than at zlib's default 6, and deflated in little more than
    // half the time, which on few cores is most of a poster's writing.
    int level = 5;
};

struct DeflatedRun {
    std::vector<unsigned char> bytes;  // raw deflate data
    std::uint32_t adler = 1;           // Adler-32 of the run's own filtered rows
    std::size_t length = 0;            // how many filtered bytes that is
    bool ok = false;                   // false when zlib failed (out of memory)
};

// How many lead rows a run needs for rows of this size.
std::size_t leadRowsFor(std::size_t rowBytes);

// Each row behind its filter type byte, the filter chosen row by row as the
// one whose output bytes, read as signed, sum to the least magnitude; above
// is the raw row above, null for the top row.
void filterRow(const unsigned char* row, const unsigned char* above, std::size_t rowBytes,
               int pixelBytes, unsigned char* out);

DeflatedRun deflateRun(const RowRun& run);

// The two bytes that open the stream, and the four that close it, given the
// Adler-32 of all filtered data.
inline constexpr unsigned char kZlibHeader[2] = {0x78, 0x9C};
std::vector<unsigned char> zlibTrailer(std::uint32_t adler);

// The eight bytes every PNG starts with.
inline constexpr unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// A PNG chunk whole: its length, type, data and checksum.
std::vector<unsigned char> pngChunk(const char* type, std::span<const unsigned char> data);

// The header chunk's data of an RGB picture, not interlaced.
std::vector<unsigned char> pngImageHeader(int width, int height, int depth);

}  // namespace zentrel
