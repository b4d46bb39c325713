// SPDX-License-Identifier: GPL-3.0-or-later
#include "movie/movie_formats.h"

#include "movie/png_sequence.h"
#include "movie/video_library.h"
#include "picture/format_table.h"
#include "picture/view.h"

namespace zentrel {

MovieFormats::MovieFormats(std::vector<MovieFormat> rows) : rows_(std::move(rows)) {}

const MovieFormat* MovieFormats::named(std::string_view name) const
{
    return rowNamed(rows_, name);
}

const MovieFormat* MovieFormats::forPath(std::string_view path) const
{
    if (path.find(kFrameMark) != std::string_view::npos) return named("png");
    return rowForPath(rows_, path);
}

// The limits are the codecs' highest levels: H.264 level 6.2 holds 139 264
// macroblocks a frame (8192 x 4320), VP9 level 6.2 and AV1 level 6.3 sides
// of 16 384 with frames of 8704 and 2176 rows of them.
const MovieFormats& movieFiles()
{
    constexpr long long kH264Frame = 139'264LL * 256;
    constexpr long long kVp9Frame = 16'384LL * 8'704;
    constexpr long long kAv1Frame = 35'651'584;
    constexpr long long kPngFrame = static_cast<long long>(kMaxExtent) * kMaxExtent;
    // clang-format off
    static const MovieFormats files({
        {"mp4", {".mp4"}, "H.264 video in MP4", "libx264", 8'192, kH264Frame, true, openMp4File},
        {"webm", {".webm"}, "VP9 video in WebM", "libvpx-vp9", 16'384, kVp9Frame, true, openWebmFile},
        {"av1", {".mkv"}, "AV1 video in Matroska", "libaom-av1", 16'384, kAv1Frame, true, openAv1File},
        {"png", {}, "a PNG sequence, '{frame}' in the name", "", static_cast<int>(kMaxExtent), kPngFrame, false,
         openPngSequence},
    });
    // clang-format on
    return files;
}

}  // namespace zentrel
