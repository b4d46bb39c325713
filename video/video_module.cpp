// SPDX-License-Identifier: GPL-3.0-or-later
// The video module's one entry: the programs find it by name when they first
// make or read a video.
#include "movie/video_library.h"
#include "video/video_file.h"

extern "C" __attribute__((visibility("default"))) const zentrel::VideoLibrary* zentrelVideoLibrary()
{
    using namespace zentrel::video;
    static const zentrel::VideoLibrary library{openMp4, openWebm, openAv1, hasEncoder, keyframesOf};
    return &library;
}
