// SPDX-License-Identifier: GPL-3.0-or-later
#include "video/video_codec.h"

#include <cmath>

#include "movie/movie.h"

extern "C" {
#include <libavutil/opt.h>
}

namespace zentrel {
namespace {

void set(AVCodecContext* context, const char* key, const char* value)
{
    av_opt_set(context->priv_data, key, value, 0);
}

// x264's "ultrafast" keeps up with the frames on the cores that draw them:
// on two cores a slower preset makes the frames wait for the encoder. Its
// files are larger at the same quality; a lower --quality makes them smaller.
void tuneH264(AVCodecContext* context) { set(context, "preset", "ultrafast"); }

// VP9 and AV1 in constant quality, their rows encoded on all threads.
void tuneVp9(AVCodecContext* context)
{
    context->bit_rate = 0;
    set(context, "deadline", "good");
    set(context, "cpu-used", "5");
    set(context, "row-mt", "1");
}

void tuneAv1(AVCodecContext* context)
{
    context->bit_rate = 0;
    set(context, "cpu-used", "8");
    set(context, "row-mt", "1");
}

}  // namespace

const VideoCodec& h264Codec()
{
    static const VideoCodec codec{"mp4", "libx264", 51, 16, 0, tuneH264};
    return codec;
}

const VideoCodec& vp9Codec()
{
    static const VideoCodec codec{"webm", "libvpx-vp9", 63, 24, 0, tuneVp9};
    return codec;
}

const VideoCodec& av1Codec()
{
    static const VideoCodec codec{"matroska", "libaom-av1", 63, 24, 0, tuneAv1};
    return codec;
}

int crfOf(const VideoCodec& codec, int quality)
{
    const double good = kDefaultMovieQuality;
    const double crf =
        quality >= good
            ? codec.goodCrf + (codec.bestCrf - codec.goodCrf) * (quality - good) / (100 - good)
            : codec.worstCrf + (codec.goodCrf - codec.worstCrf) * (quality - 1) / (good - 1);
    return static_cast<int>(std::lround(crf));
}

}  // namespace zentrel
