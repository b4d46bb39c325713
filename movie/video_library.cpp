// SPDX-License-Identifier: GPL-3.0-or-later
#include "movie/video_library.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <cstddef>
#include <vector>

namespace zentrel {
namespace {

// The folders the program itself takes its libraries from, in their order:
// its own search path (the build's or the installed one) among them. Asked
// of the program rather than left to dlopen, which searches the path of the
// code that calls it, and a sanitizer's runtime stands in for that caller.
std::vector<std::string> programLibraryFolders()
{
    void* program = dlopen(nullptr, RTLD_NOW);
    Dl_serinfo size{};
    if (!program || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0) return {};
    std::vector<std::max_align_t> buffer(size.dls_size / sizeof(std::max_align_t) + 1);
    auto* info = reinterpret_cast<Dl_serinfo*>(buffer.data());
    *info = size;
    if (dlinfo(program, RTLD_DI_SERINFOSIZE, info) != 0 ||
        dlinfo(program, RTLD_DI_SERINFO, info) != 0)
        return {};
    std::vector<std::string> folders;
    for (unsigned i = 0; i < info->dls_cnt; ++i)
        folders.emplace_back(info->dls_serpath[i].dls_name);
    return folders;
}

Outcome<const VideoLibrary*> loadVideoLibrary()
{
    // Kept loaded for the program's life: its encoders' threads and the
    // sinks it made may outlive any one caller.
    std::string why = std::string(kVideoModule) + " is in none of the program's library folders";
    for (const std::string& folder : programLibraryFolders()) {
        // Never the working folder, which an empty entry of the path means.
        if (folder.empty() || folder.front() != '/') continue;
        const std::string path = folder + "/" + kVideoModule;
        if (access(path.c_str(), F_OK) != 0) continue;
        if (void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
            if (const auto entry = reinterpret_cast<VideoEntry>(dlsym(module, kVideoEntry)))
                return entry();
        const char* error = dlerror();
        why = error ? error : path;
        break;
    }
    return Failure{Fault::CannotWrite, "videos, for want of the video module (" + why + ")"};
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
