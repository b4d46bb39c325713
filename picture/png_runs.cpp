// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/png_runs.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace zentrel {
namespace {

constexpr std::size_t kWindow = 32768;  // what deflate can look back

void putBigEndian(std::vector<unsigned char>& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(v >> shift));
}

// The filters' predictions of a byte from the bytes left of it, above it and
// above left, written without branches so that the compiler can take many
// bytes a step.
inline int average(int left, int up) { return (left + up) >> 1; }

inline int paeth(int left, int up, int upLeft)
{
    const int pa = std::abs(up - upLeft), pb = std::abs(left - upLeft),
              pc = std::abs(left + up - 2 * upLeft);
    const int upOrUpLeft = pb <= pc ? up : upLeft;
    return pa <= pb && pa <= pc ? left : upOrUpLeft;
}

// A filtered byte's size as the row choice weighs it: its value read as signed,
// without the sign.
inline unsigned magnitude(int filtered)
{
    const auto byte = static_cast<signed char>(filtered);
    return static_cast<unsigned>(byte < 0 ? -byte : byte);
}

// The filters in their type order: None, Sub, Up, Average, Paeth.
constexpr int kFilters = 5;

inline int predicted(int filter, int left, int up, int upLeft)
{
    switch (filter) {
    case 1:
        return left;
    case 2:
        return up;
    case 3:
        return average(left, up);
    case 4:
        return paeth(left, up, upLeft);
    default:
        return 0;
    }
}

// The summed magnitudes of the row's bytes through every filter, in one pass.
// 32 bits hold a row's sums: rows are far shorter than 2^32 / 128 bytes.
std::array<unsigned, kFilters> filterSums(const unsigned char* row, const unsigned char* above,
                                          std::size_t n, std::size_t bpp)
{
    unsigned none = 0, sub = 0, up = 0, avg = 0, pae = 0;
    const auto add = [&](int x, int a, int b, int c) {
        none += magnitude(x);
        sub += magnitude(x - a);
        up += magnitude(x - b);
        avg += magnitude(x - average(a, b));
        pae += magnitude(x - paeth(a, b, c));
    };
    // The first pixel has nothing to its left.
    for (std::size_t i = 0; i < std::min(bpp, n); ++i) add(row[i], 0, above[i], 0);
    for (std::size_t i = bpp; i < n; ++i) add(row[i], row[i - bpp], above[i], above[i - bpp]);
    return {none, sub, up, avg, pae};
}

template <int filter>
void applyFilter(const unsigned char* row, const unsigned char* above, std::size_t n,
                 std::size_t bpp, unsigned char* out)
{
    for (std::size_t i = 0; i < std::min(bpp, n); ++i)
        out[i] = static_cast<unsigned char>(row[i] - predicted(filter, 0, above[i], 0));
    for (std::size_t i = bpp; i < n; ++i)
        out[i] = static_cast<unsigned char>(
            row[i] - predicted(filter, row[i - bpp], above[i], above[i - bpp]));
}

// The filtered rows of a run from row `first` of those it holds.
std::vector<unsigned char> filteredRows(const RowRun& run, std::size_t first)
{
    const std::size_t count = run.rows.size() / run.rowBytes;
    std::vector<unsigned char> out;
    out.resize((count - first) * (run.rowBytes + 1));
    for (std::size_t r = first; r < count; ++r)
        filterRow(run.rows.data() + r * run.rowBytes,
                  r > 0 ? run.rows.data() + (r - 1) * run.rowBytes : nullptr, run.rowBytes,
                  run.pixelBytes, out.data() + (r - first) * (run.rowBytes + 1));
    return out;
}

// Deflates data onto out, ending in a sync flush or, for the last run, the
// final block.
bool deflateInto(z_stream& z, std::span<const unsigned char> data, bool last,
                 std::vector<unsigned char>& out)
{
    z.next_in = const_cast<unsigned char*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    const int flush = last ? Z_FINISH : Z_SYNC_FLUSH;
    std::size_t used = 0;
    out.resize(data.size() / 2 + 1024);
    for (;;) {
        if (out.size() - used < 1024) out.resize(out.size() * 2);
        z.next_out = out.data() + used;
        z.avail_out = static_cast<uInt>(out.size() - used);
        const int result = deflate(&z, flush);
        used = out.size() - z.avail_out;
        if (result == Z_STREAM_ERROR) return false;
        if (last ? result == Z_STREAM_END : z.avail_in == 0 && z.avail_out > 0) break;
    }
    out.resize(used);
    return true;
}

}  // namespace

std::size_t leadRowsFor(std::size_t rowBytes) { return 1 + (kWindow + rowBytes) / (rowBytes + 1); }

void filterRow(const unsigned char* row, const unsigned char* above, std::size_t rowBytes,
               int pixelBytes, unsigned char* out)
{
    // The row above the top row is taken as zeros.
    thread_local std::vector<unsigned char> zeros;
    if (!above) {
        zeros.resize(rowBytes);
        above = zeros.data();
    }
    const auto bpp = static_cast<std::size_t>(pixelBytes);
    const auto sums = filterSums(row, above, rowBytes, bpp);
    // The first of the least, as the filters' order has them.
    const int best = static_cast<int>(std::min_element(sums.begin(), sums.end()) - sums.begin());
    out[0] = static_cast<unsigned char>(best);
    constexpr std::array apply{applyFilter<0>, applyFilter<1>, applyFilter<2>, applyFilter<3>,
                               applyFilter<4>};
    apply[best](row, above, rowBytes, bpp, out + 1);
}

DeflatedRun deflateRun(const RowRun& run)
{
    const std::size_t firstFiltered = run.fromTop ? 0 : 1;
    const std::vector<unsigned char> all = filteredRows(run, firstFiltered);
    const std::size_t leadBytes =
        (run.leadRows - (run.leadRows > 0 ? firstFiltered : 0)) * (run.rowBytes + 1);
    const std::span<const unsigned char> lead(all.data(), leadBytes);
    const std::span<const unsigned char> own(all.data() + leadBytes, all.size() - leadBytes);
    const auto dictionary = lead.last(std::min(lead.size(), kWindow));

    DeflatedRun out;
    z_stream z{};
    if (deflateInit2(&z, run.level, Z_DEFLATED, -15, 8, Z_FILTERED) != Z_OK) return out;
    out.ok = (dictionary.empty() ||
              deflateSetDictionary(&z, dictionary.data(), static_cast<uInt>(dictionary.size())) ==
                  Z_OK) &&
             deflateInto(z, own, run.last, out.bytes);
    deflateEnd(&z);
    out.adler = static_cast<std::uint32_t>(
        adler32(adler32(0, nullptr, 0), own.data(), static_cast<uInt>(own.size())));
    out.length = own.size();
    return out;
}

std::vector<unsigned char> zlibTrailer(std::uint32_t adler)
{
    std::vector<unsigned char> out;
    putBigEndian(out, adler);
    return out;
}

std::vector<unsigned char> pngChunk(const char* type, std::span<const unsigned char> data)
{
    std::vector<unsigned char> out;
    out.reserve(data.size() + 12);
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    // zlib takes no data (a null pointer) as a request for a fresh start.
    uLong crc = crc32(0, out.data() + 4, 4);
    if (!data.empty()) crc = crc32_z(crc, data.data(), data.size());
    putBigEndian(out, static_cast<std::uint32_t>(crc));
    return out;
}

std::vector<unsigned char> pngImageHeader(int width, int height, int depth)
{
    std::vector<unsigned char> data;
    putBigEndian(data, static_cast<std::uint32_t>(width));
    putBigEndian(data, static_cast<std::uint32_t>(height));
    // RGB, deflate, adaptive filters, not interlaced
    data.insert(data.end(), {static_cast<unsigned char>(depth), 2, 0, 0, 0});
    return data;
}

}  // namespace zentrel
