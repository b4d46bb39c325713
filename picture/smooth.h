// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "engine/pattern.h"
#include "picture/deep_colour.h"

namespace zentrel {

// The most samples a smooth picture averages across and down per pixel.
inline constexpr int kMaxSupersample = 16;

// A smooth picture from finer samples: each pixel the average of a block of
// k x k samples, taken in linear light (the sRGB codes decoded, averaged and
// encoded again), so that fine stripes of black and white average to the
// grey the eye sees, not a darker one.
//
// samples holds rows of sampleWidth colours, top row first, a whole number
// of blocks across and down; out receives rows of sampleWidth / k colours.
void averageBlocks(std::span<const Colour> samples, int sampleWidth, int k, Colour* out);

// The same average encoded at 16 bits a channel: the nearest of 65536 codes
// rather than of 256, so smooth gradients keep their fine steps.
void averageBlocks(std::span<const Colour> samples, int sampleWidth, int k, DeepColour* out);

// A dissolve from one picture to another of the same size: each pixel
// (1 - weight) of the first and weight of the second, mixed in linear light
// as the average is; weight 0 gives the first exactly, 1 the second.
void dissolve(std::span<const Colour> from, std::span<const Colour> to, double weight, Colour* out);

}  // namespace zentrel
