// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/movie_options.h"
#include "picture/picture_formats.h"
#include "picture/view.h"

namespace zentrel::cli {

struct RenderOptions {
    View view;
    std::string output;
    const PictureFormat* format = nullptr;  // none: the one the output's name asks for
    int threads = 0;                        // 0: one per core
    bool all = false;  // every pattern, "{pattern}" in the output named after each
    MovieRequest movie;
    std::string tiles;          // the folder of a zoomable page, instead of a picture file
    std::optional<int> levels;  // its deepest level; none: as many as fit, up to the default
};

struct HelpRequest {};
struct VersionRequest {};

// A command line that cannot be run: the one-line reason, for exit status 2.
struct UsageError {
    std::string message;
};

using ParsedCommand = std::variant<RenderOptions, HelpRequest, VersionRequest, UsageError>;

// The options in any order; --from takes the view of a picture first, and
// every other option of the view overrides it.
ParsedCommand parseCommandLine(const std::vector<std::string>& args);

// Where a picture of these options goes: the output in the format --format
// names, or the one its name asks for.
PictureTarget targetOf(const RenderOptions& options, const std::string& output);

// The output with "{pattern}" replaced by the pattern's caption.
std::string outputFor(const std::string& output, const Pattern& pattern);

std::string helpText();

// "zentrel-render 5.2014"
std::string versionText();

}  // namespace zentrel::cli
