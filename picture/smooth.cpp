// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/smooth.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/colour.h"
#include "engine/isa_scalar.h"

namespace zentrel {
namespace {

// The sRGB transfer function, a code from 0 to top (possibly between codes)
// to linear light 0..1. Its pow is the formulas' own, so that a smooth
// poster is the same on every machine, whatever its C library.
double decoded(double code, double top)
{
    const double v = code / top;
    return v <= 0.04045 ? v / 12.92 : kScalarMaths.pow((v + 0.055) / 1.055, 2.4);
}

// Linear light to the nearest of the codes 0..top: the half-way points
// between codes in linear light, and a first guess by linear value in even
// steps, from which the nearest code is a few half-way points away.
template <class Code>
class Encoding {
public:
    Encoding(int top, int guessSteps) : guessSteps_(guessSteps)
    {
        thresholds_.resize(top);
        for (int code = 0; code < top; ++code) thresholds_[code] = decoded(code + 0.5, top);
        guess_.resize(guessSteps + 1);
        for (int i = 0; i <= guessSteps; ++i) {
            const double linear = double(i) / guessSteps;
            guess_[i] =
                static_cast<Code>(std::upper_bound(thresholds_.begin(), thresholds_.end(), linear) -
                                  thresholds_.begin());
        }
    }

    int operator()(double linear) const
    {
        int code = guess_[static_cast<int>(linear * guessSteps_ + 0.5)];
        const int top = static_cast<int>(thresholds_.size());
        while (code < top && linear >= thresholds_[code]) ++code;
        while (code > 0 && linear < thresholds_[code - 1]) --code;
        return code;
    }

private:
    int guessSteps_;
    std::vector<double> thresholds_;  // where code c + 0.5 lies in linear light
    std::vector<Code> guess_;
};

// The linear light of each 8-bit code.
const std::array<double, 256>& linearOfCodes()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> linear;
        for (int code = 0; code < 256; ++code) linear[code] = decoded(code, 255);
        return linear;
    }();
    return table;
}

const Encoding<unsigned char>& eightBits()
{
    static const Encoding<unsigned char> encoding(255, 1 << 16);
    return encoding;
}

// Finer guesses for the finer codes: near black a step of linear light
// spans about thirteen codes.
const Encoding<std::uint16_t>& sixteenBits()
{
    static const Encoding<std::uint16_t> encoding(65535, 1 << 20);
    return encoding;
}

// Each block's average in linear light, handed to pixel(sum of red, green,
// blue, the block's size) for the pixel.
template <class Pixel, class MakePixel>
void averageInto(std::span<const Colour> samples, int sampleWidth, int k, Pixel* out,
                 const MakePixel& pixel)
{
    const auto& linear = linearOfCodes();
    const int width = sampleWidth / k;
    const int rows = static_cast<int>(samples.size()) / sampleWidth / k;
    const double blockSize = static_cast<double>(k) * k;
    std::vector<double> sums(static_cast<std::size_t>(width) * 3);
    for (int row = 0; row < rows; ++row) {
        std::fill(sums.begin(), sums.end(), 0.0);
        for (int r = 0; r < k; ++r) {
            const Colour* line =
                samples.data() + static_cast<std::size_t>(row * k + r) * sampleWidth;
            for (int c = 0; c < sampleWidth; ++c) {
                double* sum = &sums[static_cast<std::size_t>(c / k) * 3];
                sum[0] += linear[redOf(line[c])];
                sum[1] += linear[greenOf(line[c])];
                sum[2] += linear[blueOf(line[c])];
            }
        }
        for (int c = 0; c < width; ++c) {
            const double* sum = &sums[static_cast<std::size_t>(c) * 3];
            out[static_cast<std::size_t>(row) * width + c] =
                pixel(sum[0] / blockSize, sum[1] / blockSize, sum[2] / blockSize);
        }
    }
}

// Linear light to the nearest 24-bit colour.
Colour encodedColour(double red, double green, double blue)
{
    const auto& encoded = eightBits();
    return static_cast<Colour>(encoded(red)) + 256u * static_cast<Colour>(encoded(green)) +
           65536u * static_cast<Colour>(encoded(blue));
}

}  // namespace

void averageBlocks(std::span<const Colour> samples, int sampleWidth, int k, Colour* out)
{
    averageInto(samples, sampleWidth, k, out, encodedColour);
}

void dissolve(std::span<const Colour> from, std::span<const Colour> to, double weight, Colour* out)
{
    if (weight <= 0 || weight >= 1) {
        std::copy(weight <= 0 ? from.begin() : to.begin(), weight <= 0 ? from.end() : to.end(),
                  out);
        return;
    }
    const auto& linear = linearOfCodes();
    const auto mix = [&](int a, int b) { return (1 - weight) * linear[a] + weight * linear[b]; };
    for (std::size_t i = 0; i < from.size(); ++i) {
        const Colour a = from[i];
        const Colour b = to[i];
        out[i] = encodedColour(mix(redOf(a), redOf(b)), mix(greenOf(a), greenOf(b)),
                               mix(blueOf(a), blueOf(b)));
    }
}

void averageBlocks(std::span<const Colour> samples, int sampleWidth, int k, DeepColour* out)
{
    const auto& encoded = sixteenBits();
    averageInto(samples, sampleWidth, k, out, [&](double red, double green, double blue) {
        return DeepColour{static_cast<std::uint16_t>(encoded(red)),
                          static_cast<std::uint16_t>(encoded(green)),
                          static_cast<std::uint16_t>(encoded(blue))};
    });
}

}  // namespace zentrel
