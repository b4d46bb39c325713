// SPDX-License-Identifier: GPL-3.0-or-later
#include "movie/video_library.h"

#include <dlfcn.h>

namespace zentrel {
namespace {

Outcome<const VideoLibrary*> loadVideoLibrary()
{
    // Kept loaded for the program's life: its encoders' threads and the
    // sinks it made may outlive any one caller.
    if (void* module = dlopen(kVideoModule, RTLD_NOW | RTLD_LOCAL))
        if (const auto entry = reinterpret_cast<VideoEntry>(dlsym(module, kVideoEntry)))
            return entry();
    const char* why = dlerror();
    return Failure{Fault::CannotWrite, std::string("videos, for want of the video module (") +
                                           (why ? why : kVideoModule) + ")"};
}

template <OpenMovieSink VideoLibrary::*open>
Outcome<std::unique_ptr<MovieSink>> openWith(const std::string& path, const MovieHeader& header)
{
    const auto library = videoLibrary();
    if (!library) return library.failure();
    return (library.value()->*open)(path, header);
}

}  // namespace

Outcome<const VideoLibrary*> videoLibrary()
{
    static const Outcome<const VideoLibrary*> library = loadVideoLibrary();
    return library;
}

Outcome<std::unique_ptr<MovieSink>> openMp4File(const std::string& path, const MovieHeader& header)
{
    return openWith<&VideoLibrary::openMp4>(path, header);
}

Outcome<std::unique_ptr<MovieSink>> openWebmFile(const std::string& path, const MovieHeader& header)
{
    return openWith<&VideoLibrary::openWebm>(path, header);
}

Outcome<std::unique_ptr<MovieSink>> openAv1File(const std::string& path, const MovieHeader& header)
{
    return openWith<&VideoLibrary::openAv1>(path, header);
}

Status encoderMissing(const std::string& encoder, const std::string& format)
{
    const auto library = videoLibrary();
    if (!library) return library.failure();
    if (library.value()->hasEncoder(encoder)) return std::nullopt;
    return Failure{Fault::CannotWrite,
                   "the FFmpeg library here has no " + encoder + " encoder for " + format};
}

Outcome<std::string> keyframesOfVideo(const std::string& path)
{
    const auto library = videoLibrary();
    if (!library) {
        Failure failure = library.failure();
        failure.fault = Fault::NotAView;
        return failure;
    }
    return library.value()->keyframesOf(path);
}

}  // namespace zentrel
