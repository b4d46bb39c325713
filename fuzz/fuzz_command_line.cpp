// The renderer's command line, any words at all. The parser answers with a
// help request, a reason to refuse, or options that can be run: a pattern,
// a .png or .ppm file and a thread count in range, and field texts that a
// drawing can prepare from without failing in any other way than by a
// failure with its message.

#include <string>
#include <variant>
#include <vector>

#include "cli/image_file.h"
#include "cli/options.h"
#include "engine/sweep.h"
#include "fuzz_input.h"

namespace zentrel::fuzz {
namespace {

void checkOptions(const cli::RenderOptions& options)
{
    require(options.pattern != nullptr, "a pattern");
    require(cli::pictureFormatOf(options.output).has_value(), "a .png or .ppm file");
    require(options.threads >= 0 && options.threads <= 256, "threads 0 (one per core) to 256");
    const Outcome<PreparedSweep> prepared = prepareSweep(*options.pattern, options.fields);
    require(prepared.ok() || !prepared.failure().message().empty(), "a failure says what failed");
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
