// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/colour.h"
#include "engine/outcome.h"

namespace zentrel {

// What a video file says of itself.
struct VideoInfo {
    int width = 0;
    int height = 0;
    int fpsNumerator = 0;  // the frame rate, numerator / denominator
    int fpsDenominator = 1;
    bool bt709 = false;         // primaries, transfer and matrix all BT.709
    bool limitedRange = false;  // the MPEG range, 16..235
    std::string keyframes;      // the keyframe path the file keeps, if any
};

// A video file read by FFmpeg's libraries, its first video stream decoded
// frame by frame into sRGB as its tags say.
class VideoReader {
public:
    static Outcome<std::unique_ptr<VideoReader>> open(const std::string& path);
    ~VideoReader();
    VideoReader(const VideoReader&) = delete;
    VideoReader& operator=(const VideoReader&) = delete;

    const VideoInfo& info() const { return info_; }
    // The next frame's pixels, rows from the top; none after the last.
    Outcome<std::optional<std::vector<Colour>>> next();

private:
    struct Decoder;
    explicit VideoReader(std::unique_ptr<Decoder> decoder);
    std::optional<std::vector<Colour>> converted();

    std::unique_ptr<Decoder> decoder_;
    VideoInfo info_;
};

}  // namespace zentrel
