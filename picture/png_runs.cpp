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

int paeth(int left, int up, int upLeft)
{
    const int p = left + up - upLeft;
    const int pa = std::abs(p - left), pb = std::abs(p - up), pc = std::abs(p - upLeft);
    if (pa <= pb && pa <= pc) return left;
    return pb <= pc ? up : upLeft;
}

// The row through filter type f into out, and the sum of the output bytes'
// magnitudes read as signed.
template <int f>
std::size_t filtered(const unsigned char* row, const unsigned char* above, std::size_t n, int bpp,
                     unsigned char* out)
{
    std::size_t sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const int left = i >= static_cast<std::size_t>(bpp) ? row[i - bpp] : 0;
        const int up = above ? above[i] : 0;
        const int upLeft = above && i >= static_cast<std::size_t>(bpp) ? above[i - bpp] : 0;
        int predicted = 0;
        if constexpr (f == 1) predicted = left;
        if constexpr (f == 2) predicted = up;
        if constexpr (f == 3) predicted = (left + up) / 2;
        if constexpr (f == 4) predicted = paeth(left, up, upLeft);
        const auto byte = static_cast<unsigned char>(row[i] - predicted);
        out[i] = byte;
        sum += byte < 128 ? byte : 256 - byte;
    }
    return sum;
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
    // Each candidate is written after the type byte; the best is kept there.
    thread_local std::vector<unsigned char> candidate;
    candidate.resize(rowBytes);
    std::size_t best = filtered<0>(row, above, rowBytes, pixelBytes, out + 1);
    out[0] = 0;
    const auto tryFilter = [&](int f, std::size_t sum) {
        if (sum >= best) return;
        best = sum;
        out[0] = static_cast<unsigned char>(f);
        std::copy(candidate.begin(), candidate.end(), out + 1);
    };
    tryFilter(1, filtered<1>(row, above, rowBytes, pixelBytes, candidate.data()));
    tryFilter(2, filtered<2>(row, above, rowBytes, pixelBytes, candidate.data()));
    tryFilter(3, filtered<3>(row, above, rowBytes, pixelBytes, candidate.data()));
    tryFilter(4, filtered<4>(row, above, rowBytes, pixelBytes, candidate.data()));
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
