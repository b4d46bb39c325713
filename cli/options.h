#pragma once

#include <string>
#include <variant>
#include <vector>

#include "engine/field_texts.h"
#include "engine/pattern.h"

namespace zentrel::cli {

struct RenderOptions {
    const Pattern* pattern = nullptr;
    FieldTexts fields;
    std::string output;
    int threads = 0;  // 0: one per core
};

struct HelpRequest {};

// A command line that cannot be run: the one-line reason, for exit status 2.
struct UsageError {
    std::string message;
};

using ParsedCommand = std::variant<RenderOptions, HelpRequest, UsageError>;

ParsedCommand parseCommandLine(const std::vector<std::string>& args);

std::string helpText();

}  // namespace zentrel::cli
