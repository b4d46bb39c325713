// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
}

// How each encoder is asked for a quality: the codec's constant-quality
// factor (its CRF) from the movie's 1..100, and the speed settings that let
// it keep up with the frames. The default quality keeps the luma of a
// detailed zoom near 39 dB PSNR; the colour, halved across and down by
// 4:2:0, is what limits fine saturated stripes, at any quality.
namespace zentrel {

struct VideoCodec {
    const char* muxer;    // the container, as libavformat names it
    const char* encoder;  // as libavcodec names it
    int worstCrf;         // at quality 1
    int goodCrf;          // at the default quality, 75
    int bestCrf;          // at quality 100
    void (*tune)(AVCodecContext* context);
};

const VideoCodec& h264Codec();
const VideoCodec& vp9Codec();
const VideoCodec& av1Codec();

// The CRF of the quality: from worst at 1 through good at 75 to best at
// 100, in straight lines.
int crfOf(const VideoCodec& codec, int quality);

}  // namespace zentrel
