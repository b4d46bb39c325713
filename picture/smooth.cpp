#include "picture/smooth.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/colour.h"
#include "engine/isa_scalar.h"

namespace zentrel {
namespace {

// The sRGB transfer function, code value 0..255 (possibly between codes) to
// linear light 0..1. Its pow is the formulas' own, so that a smooth poster
// is the same on every machine, whatever its C library.
double decoded(double code)
{
    const double v = code / 255;
    return v <= 0.04045 ? v / 12.92 : kScalarMaths.pow((v + 0.055) / 1.055, 2.4);
}

// Linear values are looked up in steps this fine first; the guess is then
// within one code of the nearest, and the half-way points settle it.
constexpr int kGuessSteps = 1 << 16;

struct Codes {
    std::array<double, 256> linear;      // of each code
    std::array<double, 255> thresholds;  // where code c + 0.5 lies in linear light
    std::vector<unsigned char> guess;    // by linear value in kGuessSteps steps
};

// How many half-way points lie at or below a linear value: its nearest code.
int nearestCode(const std::array<double, 255>& t, double linear)
{
    return static_cast<int>(std::upper_bound(t.begin(), t.end(), linear) - t.begin());
}

const Codes& codes()
{
    static const Codes table = [] {
        Codes c;
        for (int code = 0; code < 256; ++code) c.linear[code] = decoded(code);
        for (int code = 0; code < 255; ++code) c.thresholds[code] = decoded(code + 0.5);
        c.guess.resize(kGuessSteps + 1);
        for (int i = 0; i <= kGuessSteps; ++i)
            c.guess[i] =
                static_cast<unsigned char>(nearestCode(c.thresholds, double(i) / kGuessSteps));
        return c;
    }();
    return table;
}

int encoded(const Codes& c, double linear)
{
    int code = c.guess[static_cast<int>(linear * kGuessSteps + 0.5)];
    if (code < 255 && linear >= c.thresholds[code])
        ++code;
    else if (code > 0 && linear < c.thresholds[code - 1])
        --code;
    return code;
}

}  // namespace

void averageBlocks(std::span<const Colour> samples, int sampleWidth, int k, Colour* out)
{
    const Codes& table = codes();
    const auto& linear = table.linear;
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
                static_cast<Colour>(encoded(table, sum[0] / blockSize)) +
                256u * static_cast<Colour>(encoded(table, sum[1] / blockSize)) +
                65536u * static_cast<Colour>(encoded(table, sum[2] / blockSize));
        }
    }
}

}  // namespace zentrel
