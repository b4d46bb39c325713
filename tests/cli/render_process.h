// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// zentrel-render run as a child process in a fresh folder: how it is
// started, how it ended, and what it left in the folder.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/render.h"
#include "support.h"

namespace zentrel::test {

using Args = std::vector<std::string>;

inline const char* const kOlderFile = "an older file of that name";

// What the renderer inherits besides its arguments.
struct Start {
    std::vector<int> ignoredSignals;       // as nohup leaves SIGHUP
    rlim_t fileSizeLimit = RLIM_INFINITY;  // as ulimit -f sets it, in bytes
    std::string standardOutput;            // a path; "" to catch it
    std::vector<int> closedDescriptors;    // as `2>&-` leaves standard error
};

struct Result {
    int status = -1;  // the exit status, -1 when a signal ended it
    int signal = 0;   // the signal that ended it
    std::string out, err;
};

// The picture in a file the renderer wrote: a binary PPM, or a PNG.
std::optional<Picture> readPicture(const std::filesystem::path& path);

// Each test gets a fresh folder: the renderer runs in work/, and its output
// streams are caught beside it, so work/ holds only what it wrote.
class RenderProcess : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    pid_t start(const Args& args, const Start& how = {}) const;
    Result finish(pid_t pid) const;
    Result run(const Args& args, const Start& how = {}) const { return finish(start(args, how)); }

    // Waits until the renderer has a file open in work/, named or not.
    bool waitUntilWriting(pid_t pid) const;

    // The names in work/, hidden ones included, sorted.
    Names written() const;
    void placeOlderFile(const std::string& name) const;

    std::filesystem::path root_, work_;
};

}  // namespace zentrel::test
