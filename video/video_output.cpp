// SPDX-License-Identifier: GPL-3.0-or-later
#include "video/video_output.h"

#include "movie/movie_sink.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

extern "C" {
#include <libavutil/opt.h>
}

namespace zentrel {
namespace {

constexpr int kBufferBytes = 1 << 16;

}  // namespace

VideoOutput::VideoOutput(StagedFile staged) : staged_(std::move(staged)) {}

VideoOutput::~VideoOutput()
{
    avformat_free_context(format_);
    if (io_) av_freep(&io_->buffer);
    avio_context_free(&io_);
}

Status VideoOutput::open(const char* muxer, const std::string& path)
{
    path_ = path;
    if (const int error = avformat_alloc_output_context2(&format_, nullptr, muxer, nullptr);
        error < 0)
        return failed(error);
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferBytes));
    io_ = avio_alloc_context(buffer, kBufferBytes, 1, this, nullptr, writeBytes, seek);
    if (!io_) {
        av_free(buffer);
        return failed(AVERROR(ENOMEM));
    }
    format_->pb = io_;
    format_->flags |= AVFMT_FLAG_CUSTOM_IO;
    return std::nullopt;
}

bool VideoOutput::wantsGlobalHeader() const { return format_->oformat->flags & AVFMT_GLOBALHEADER; }

Status VideoOutput::addStream(const AVCodecContext* encoder, const std::string& keyframes)
{
    stream_ = avformat_new_stream(format_, nullptr);
    if (!stream_) return failed(AVERROR(ENOMEM));
    if (const int error = avcodec_parameters_from_context(stream_->codecpar, encoder); error < 0)
        return failed(error);
    stream_->time_base = encoder->time_base;
    stream_->avg_frame_rate = encoder->framerate;
    av_dict_set(&format_->metadata, kKeyframesKey, keyframes.c_str(), 0);
    AVDictionary* options = nullptr;
    // MP4 keeps tags of its own naming only, unless asked.
    av_dict_set(&options, "movflags", "use_metadata_tags", 0);
    const int error = avformat_write_header(format_, &options);
    av_dict_free(&options);
    return error < 0 ? failed(error) : std::nullopt;
}

Status VideoOutput::write(AVPacket* packet, AVRational timeBase)
{
    av_packet_rescale_ts(packet, timeBase, stream_->time_base);
    packet->stream_index = stream_->index;
    const int error = av_interleaved_write_frame(format_, packet);
    return error < 0 ? failed(error) : std::nullopt;
}

Status VideoOutput::finish()
{
    if (const int error = av_write_trailer(format_); error < 0) return failed(error);
    avio_flush(io_);
    if (io_->error < 0) return failed(io_->error);
    return staged_.publish();
}

int VideoOutput::writeBytes(void* opaque, std::uint8_t* bytes, int size)
{
    auto* self = static_cast<VideoOutput*>(opaque);
    if (std::fwrite(bytes, 1, size, self->staged_.stream()) == static_cast<std::size_t>(size))
        return size;
    self->writeErrno_ = errno ? errno : EIO;
    return AVERROR(self->writeErrno_);
}

std::int64_t VideoOutput::seek(void* opaque, std::int64_t offset, int whence)
{
    std::FILE* file = static_cast<VideoOutput*>(opaque)->staged_.stream();
    if (whence & AVSEEK_SIZE) {
        struct stat status {};
        if (std::fflush(file) != 0 || fstat(fileno(file), &status) != 0) return AVERROR(errno);
        return status.st_size;
    }
    if (fseeko(file, offset, whence & ~AVSEEK_FORCE) != 0) return AVERROR(errno);
    return ftello(file);
}

Status VideoOutput::failed(int error) const
{
    if (writeErrno_) return Failure{Fault::CannotWrite, path_ + ": " + std::strerror(writeErrno_)};
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return Failure{Fault::CannotWrite, path_ + ": " + text};
}

}  // namespace zentrel
