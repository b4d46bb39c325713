// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer's command line, any words at all. The parser answers with a
// help request, a reason to refuse, or options that can be run: a pattern,
// a file of a format named or asked for by its ending, a thread count,
// density and supersampling in range, and a view whose recipe reads back to
// the same view.

#include <string>
#include <variant>
#include <vector>

#include "cli/options.h"
#include "fuzz_input.h"
#include "picture/picture_formats.h"
#include "picture/smooth.h"

namespace zentrel::fuzz {
namespace {

void checkOptions(const cli::RenderOptions& options)
{
    require(options.view.pattern != nullptr, "a pattern");
    require(options.format || pictureFiles().forPath(options.output), "a format for the file");
    require(options.threads >= 0 && options.threads <= 256, "threads 0 (one per core) to 256");
    require(options.view.density >= 1 && options.view.density <= kMaxDensity, "a density in range");
    require(options.view.supersample >= 1 && options.view.supersample <= kMaxSupersample,
            "a supersampling in range");
    // The view reads back from its own recipe.
    const Outcome<View> back = viewOf(recipeOf(options.view));
    require(back.ok() && back.value() == options.view, "the recipe reads back");
}

void checkCommandLine(std::string_view input)
{
    const std::vector<std::string> args = textsAtZeros(input, 64);
    const cli::ParsedCommand command = cli::parseCommandLine(args);
    if (const auto* options = std::get_if<cli::RenderOptions>(&command)) checkOptions(*options);
    if (const auto* error = std::get_if<cli::UsageError>(&command))
        require(!error->message.empty(), "a refusal gives its reason");
    require(cli::parseCommandLine(args).index() == command.index(), "the same answer every time");
}

}  // namespace
}  // namespace zentrel::fuzz

// The words of the command line, separated by zero bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zentrel::fuzz::checkCommandLine(zentrel::fuzz::bytesAsText(data, size));
    return 0;
}
