// SPDX-License-Identifier: GPL-3.0-or-later
#include "video/video_reader.h"

#include "movie/movie_sink.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace zentrel {
namespace {

Failure unreadable(const std::string& path, int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return Failure{Fault::NotAView, path + ": " + text};
}

}  // namespace

struct VideoReader::Decoder {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    SwsContext* scaler = nullptr;
    int stream = -1;
    bool draining = false;

    ~Decoder()
    {
        sws_freeContext(scaler);
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }
};

Outcome<std::unique_ptr<VideoReader>> VideoReader::open(const std::string& path)
{
    av_log_set_level(AV_LOG_QUIET);
    auto d = std::make_unique<Decoder>();
    if (const int e = avformat_open_input(&d->format, path.c_str(), nullptr, nullptr); e < 0)
        return unreadable(path, e);
    if (const int e = avformat_find_stream_info(d->format, nullptr); e < 0)
        return unreadable(path, e);
    const AVCodec* codec = nullptr;
    d->stream = av_find_best_stream(d->format, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (d->stream < 0) return unreadable(path, d->stream);
    d->codec = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(d->codec, d->format->streams[d->stream]->codecpar);
    if (const int e = avcodec_open2(d->codec, codec, nullptr); e < 0) return unreadable(path, e);
    return std::unique_ptr<VideoReader>(new VideoReader(std::move(d)));
}

VideoReader::VideoReader(std::unique_ptr<Decoder> decoder) : decoder_(std::move(decoder))
{
    const AVStream* stream = decoder_->format->streams[decoder_->stream];
    const AVCodecParameters* p = stream->codecpar;
    info_.width = p->width;
    info_.height = p->height;
    info_.fpsNumerator = stream->avg_frame_rate.num;
    info_.fpsDenominator = stream->avg_frame_rate.den;
    info_.bt709 = p->color_primaries == AVCOL_PRI_BT709 && p->color_trc == AVCOL_TRC_BT709 &&
                  p->color_space == AVCOL_SPC_BT709;
    info_.limitedRange = p->color_range == AVCOL_RANGE_MPEG;
    const auto* tag = av_dict_get(decoder_->format->metadata, kKeyframesKey, nullptr, 0);
    if (tag) info_.keyframes = tag->value;
}

VideoReader::~VideoReader() = default;

Outcome<std::optional<std::vector<Colour>>> VideoReader::next()
{
    Decoder& d = *decoder_;
    for (;;) {
        const int got = avcodec_receive_frame(d.codec, d.frame);
        if (got == 0) return converted();
        if (got == AVERROR_EOF) return std::optional<std::vector<Colour>>();
        if (got != AVERROR(EAGAIN)) return unreadable("a frame", got);
        const int read = d.draining ? AVERROR_EOF : av_read_frame(d.format, d.packet);
        if (read == AVERROR_EOF) {
            d.draining = true;
            avcodec_send_packet(d.codec, nullptr);
            continue;
        }
        if (read < 0) return unreadable("a packet", read);
        if (d.packet->stream_index == d.stream) avcodec_send_packet(d.codec, d.packet);
        av_packet_unref(d.packet);
    }
}

// The decoded frame as sRGB, by the matrix and range of its tags.
std::optional<std::vector<Colour>> VideoReader::converted()
{
    Decoder& d = *decoder_;
    const int w = d.frame->width;
    const int h = d.frame->height;
    if (!d.scaler) {
        d.scaler = sws_getContext(
            w, h, static_cast<AVPixelFormat>(d.frame->format), w, h, AV_PIX_FMT_RGB0,
            SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr, nullptr, nullptr);
        const int* matrix = sws_getCoefficients(info_.bt709 ? SWS_CS_ITU709 : SWS_CS_DEFAULT);
        sws_setColorspaceDetails(d.scaler, matrix, info_.limitedRange ? 0 : 1, matrix, 1, 0,
                                 1 << 16, 1 << 16);
    }
    std::vector<Colour> pixels(static_cast<std::size_t>(w) * h);
    auto* rgb = reinterpret_cast<std::uint8_t*>(pixels.data());
    const int stride = w * 4;
    sws_scale(d.scaler, d.frame->data, d.frame->linesize, 0, h, &rgb, &stride);
    av_frame_unref(d.frame);
    for (Colour& c : pixels) c &= 0xFFFFFF;  // the fourth byte is padding
    return pixels;
}

}  // namespace zentrel
