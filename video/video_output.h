// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/outcome.h"
#include "picture/staged_file.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace zentrel {

// A container muxed by libavformat into a staged file: its bytes go through
// the file's stream (which may seek, as MP4's index needs), and the file is
// named only once the trailer is written and on the disk.
class VideoOutput {
public:
    explicit VideoOutput(StagedFile staged);
    ~VideoOutput();
    VideoOutput(const VideoOutput&) = delete;
    VideoOutput& operator=(const VideoOutput&) = delete;

    Status open(const char* muxer, const std::string& path);
    bool wantsGlobalHeader() const;
    // The stream of the opened encoder, and the header with the keyframes.
    Status addStream(const AVCodecContext* encoder, const std::string& keyframes);
    Status write(AVPacket* packet, AVRational timeBase);
    // The trailer written, the file published.
    Status finish();

private:
    static int writeBytes(void* opaque, std::uint8_t* bytes, int size);
    static std::int64_t seek(void* opaque, std::int64_t offset, int whence);
    Status failed(int error) const;

    StagedFile staged_;
    std::string path_;
    AVFormatContext* format_ = nullptr;
    AVIOContext* io_ = nullptr;
    AVStream* stream_ = nullptr;
    int writeErrno_ = 0;  // why the file last refused bytes
};

}  // namespace zentrel
