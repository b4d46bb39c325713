// SPDX-License-Identifier: GPL-3.0-or-later
#include "video/video_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "picture/staged_file.h"
#include "video/video_codec.h"
#include "video/video_output.h"
#include "video/video_reader.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace zentrel {
namespace {

Failure cannotWrite(const std::string& why) { return Failure{Fault::CannotWrite, why}; }

std::string errorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

// A video file: frames made YUV by libswscale, encoded, and muxed into the
// staged file through VideoOutput.
class VideoFile final : public MovieSink {
public:
    VideoFile(const std::string& path, StagedFile staged, const VideoCodec& codec)
        : path_(path), output_(std::move(staged)), codec_(codec)
    {
    }
    ~VideoFile() override
    {
        sws_freeContext(scaler_);
        av_frame_free(&frame_);
        av_packet_free(&packet_);
        avcodec_free_context(&encoder_);
    }

    Status start(const MovieHeader& header)
    {
        if (auto failure = output_.open(codec_.muxer, path_)) return failure;
        if (auto failure = openEncoder(header)) return failure;
        if (auto failure = output_.addStream(encoder_, header.keyframes)) return failure;
        return prepareFrames(header);
    }

    Status writeFrame(const MovieFrame& frame) override
    {
        if (const int error = av_frame_make_writable(frame_); error < 0) return failed(error);
        const auto* rgb = reinterpret_cast<const std::uint8_t*>(frame.pixels.data());
        const int stride = frame_->width * 4;
        sws_scale(scaler_, &rgb, &stride, 0, frame_->height, frame_->data, frame_->linesize);
        frame_->pts = frame.number;
        return encode(frame_);
    }

    Status commit() override
    {
        if (auto failure = encode(nullptr)) return failure;
        return output_.finish();
    }

private:
    Status failed(int error) const { return cannotWrite(path_ + ": " + errorText(error)); }

    Status openEncoder(const MovieHeader& header)
    {
        const AVCodec* encoder = avcodec_find_encoder_by_name(codec_.encoder);
        if (!encoder)
            return cannotWrite(std::string("this FFmpeg has no ") + codec_.encoder + " encoder");
        encoder_ = avcodec_alloc_context3(encoder);
        encoder_->width = header.width;
        encoder_->height = header.height;
        encoder_->pix_fmt = AV_PIX_FMT_YUV420P;
        encoder_->time_base = AVRational{1, header.fps};
        encoder_->framerate = AVRational{header.fps, 1};
        encoder_->color_primaries = AVCOL_PRI_BT709;
        encoder_->color_trc = AVCOL_TRC_BT709;
        encoder_->colorspace = AVCOL_SPC_BT709;
        encoder_->color_range = AVCOL_RANGE_MPEG;
        encoder_->thread_count = 0;  // the encoder's own threads, one a core
        if (output_.wantsGlobalHeader()) encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        codec_.tune(encoder_);
        av_opt_set_int(encoder_->priv_data, "crf", crfOf(codec_, header.quality), 0);
        if (const int error = avcodec_open2(encoder_, encoder, nullptr); error < 0)
            return cannotWrite(std::string(codec_.encoder) + " refuses a " +
                               std::to_string(header.width) + " x " +
                               std::to_string(header.height) + " movie: " + errorText(error));
        return std::nullopt;
    }

    // The frame the encoder takes, and the conversion into it: full-range
    // sRGB in, BT.709 YUV in limited range out.
    Status prepareFrames(const MovieHeader& header)
    {
        frame_ = av_frame_alloc();
        packet_ = av_packet_alloc();
        frame_->format = AV_PIX_FMT_YUV420P;
        frame_->width = header.width;
        frame_->height = header.height;
        frame_->color_primaries = AVCOL_PRI_BT709;
        frame_->color_trc = AVCOL_TRC_BT709;
        frame_->colorspace = AVCOL_SPC_BT709;
        frame_->color_range = AVCOL_RANGE_MPEG;
        if (const int error = av_frame_get_buffer(frame_, 0); error < 0) return failed(error);
        scaler_ = sws_getContext(header.width, header.height, AV_PIX_FMT_RGB0, header.width,
                                 header.height, AV_PIX_FMT_YUV420P,
                                 SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INP, nullptr,
                                 nullptr, nullptr);
        if (!scaler_) return cannotWrite("libswscale cannot convert these frames");
        const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
        sws_setColorspaceDetails(scaler_, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
        return std::nullopt;
    }

    // Sends the frame (none: the end) and writes every packet that is ready.
    Status encode(const AVFrame* frame)
    {
        if (const int error = avcodec_send_frame(encoder_, frame); error < 0) return failed(error);
        for (;;) {
            const int got = avcodec_receive_packet(encoder_, packet_);
            if (got == AVERROR(EAGAIN) || got == AVERROR_EOF) return std::nullopt;
            if (got < 0) return failed(got);
            if (auto failure = output_.write(packet_, encoder_->time_base)) return failure;
        }
    }

    std::string path_;
    VideoOutput output_;
    const VideoCodec& codec_;
    AVCodecContext* encoder_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
};

Outcome<std::unique_ptr<MovieSink>> openVideo(const std::string& path, const MovieHeader& header,
                                              const VideoCodec& codec)
{
    // The libraries' own lines would only repeat, less clearly, what a
    // failure here says.
    av_log_set_level(AV_LOG_QUIET);
    auto staged = StagedFile::create(path);
    if (!staged) return staged.failure();
    auto file = std::make_unique<VideoFile>(path, std::move(staged.value()), codec);
    if (auto failure = file->start(header)) return *failure;
    return std::unique_ptr<MovieSink>(std::move(file));
}

}  // namespace

namespace video {

Outcome<std::unique_ptr<MovieSink>> openMp4(const std::string& path, const MovieHeader& header)
{
    return openVideo(path, header, h264Codec());
}

Outcome<std::unique_ptr<MovieSink>> openWebm(const std::string& path, const MovieHeader& header)
{
    return openVideo(path, header, vp9Codec());
}

Outcome<std::unique_ptr<MovieSink>> openAv1(const std::string& path, const MovieHeader& header)
{
    return openVideo(path, header, av1Codec());
}

bool hasEncoder(const std::string& name) { return avcodec_find_encoder_by_name(name.c_str()); }

Outcome<std::string> keyframesOf(const std::string& path)
{
    const auto video = VideoReader::open(path);
    if (!video) return video.failure();
    if (video.value()->info().keyframes.empty())
        return Failure{Fault::NotAView, path + ": a movie that keeps no keyframes of Zentrel"};
    return video.value()->info().keyframes;
}

}  // namespace video
}  // namespace zentrel
