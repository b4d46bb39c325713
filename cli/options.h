#pragma once

#include <string>
#include <variant>
#include <vector>

#include "picture/view.h"

namespace zentrel::cli {

struct RenderOptions {
    View view;
    std::string output;
    int threads = 0;   // 0: one per core
    bool all = false;  // every pattern, "{pattern}" in the output named after each
};

struct HelpRequest {};

// A command line that cannot be run: the one-line reason, for exit status 2.
struct UsageError {
    std::string message;
};

using ParsedCommand = std::variant<RenderOptions, HelpRequest, UsageError>;

// The options in any order; --from takes the view of a picture first, and
// every other option of the view overrides it.
ParsedCommand parseCommandLine(const std::vector<std::string>& args);

// The output with "{pattern}" replaced by the pattern's caption.
std::string outputFor(const std::string& output, const Pattern& pattern);

std::string helpText();

}  // namespace zentrel::cli
