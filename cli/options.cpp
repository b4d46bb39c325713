#include "cli/options.h"

#include <charconv>
#include <optional>

#include "cli/image_file.h"
#include "patterns/pattern_table.h"

namespace zentrel::cli {
namespace {

constexpr const char* kOptionList =
    "--pattern, --x, --y, --size, --xoom, --bright, --threads, -o/--output, --help";

std::string patternChoices()
{
    std::string list;
    for (const Pattern* p : patternTable()) {
        if (!list.empty()) list += ", ";
        list += std::string(p->caption) + " (" + std::string(p->routine) + ")";
    }
    return list;
}

// The field (or other setting) an option writes its value to.
std::string* fieldFor(const std::string& option, RenderOptions& o, std::string& pattern,
                      std::string& threads)
{
    if (option == "--pattern") return &pattern;
    if (option == "--x") return &o.fields.across;
    if (option == "--y") return &o.fields.down;
    if (option == "--size") return &o.fields.size;
    if (option == "--xoom") return &o.fields.xoom;
    if (option == "--bright") return &o.fields.brightness;
    if (option == "--threads") return &threads;
    if (option == "-o" || option == "--output") return &o.output;
    return nullptr;
}

std::optional<int> threadCount(const std::string& text)
{
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < 1 || n > 256)
        return std::nullopt;
    return n;
}

}  // namespace

ParsedCommand parseCommandLine(const std::vector<std::string>& args)
{
    RenderOptions options;
    std::string pattern;
    std::string threads;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::optional<std::string> value;
        if (const auto eq = option.find('='); option.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = option.substr(eq + 1);
            option.resize(eq);
        }
        if (option == "--help" || option == "-h") return HelpRequest{};
        std::string* target = fieldFor(option, options, pattern, threads);
        if (!target)
            return UsageError{"unknown option '" + option + "' (options: " + kOptionList + ")"};
        if (!value) {
            if (i + 1 >= args.size()) return UsageError{"option " + option + " needs a value"};
            value = args[++i];
        }
        *target = *value;
    }

    if (pattern.empty()) return UsageError{"missing --pattern NAME (one of: " + patternChoices() + ")"};
    options.pattern = findPattern(pattern);
    if (!options.pattern)
        return UsageError{"unknown pattern '" + pattern + "' (one of: " + patternChoices() + ")"};
    if (options.output.empty()) return UsageError{"missing -o FILE (a .png or .ppm file)"};
    if (!pictureFormatOf(options.output))
        return UsageError{"output file '" + options.output + "' must end in .png or .ppm"};
    if (!threads.empty()) {
        const auto n = threadCount(threads);
        if (!n) return UsageError{"--threads needs a whole number from 1 to 256, not '" + threads + "'"};
        options.threads = *n;
    }
    return options;
}

std::string helpText()
{
    return "Usage: zentrel-render --pattern NAME [options] -o FILE\n"
           "\n"
           "Draws one pattern picture and writes it to FILE, a PNG (.png) or a\n"
           "binary PPM (.ppm). The picture is exactly the one the window draws\n"
           "for the same field texts, pixel for pixel.\n"
           "\n"
           "Options (each TEXT is read like the window's field of the same role):\n"
           "  --pattern NAME   the pattern, by button caption or routine name:\n"
           "                   " + patternChoices() + "\n"
           "  --x TEXT         horizontal position (the lower \"zero point\"), default 1\n"
           "  --y TEXT         vertical position (the upper \"zero point\"), default 1\n"
           "  --size TEXT      size in pixels (\"side\"), default 150; the picture is\n"
           "                   size x size, except 768, which gives 1024 x 768\n"
           "  --xoom TEXT      the XOOM, default 1; smaller values zoom in\n"
           "  --bright TEXT    brightness, default 150\n"
           "  --threads N      threads that compute, default one per core\n"
           "  -o, --output FILE  the picture file to write (.png or .ppm)\n"
           "  -h, --help       this text\n"
           "  Each option may also be written --name=VALUE.\n"
           "\n"
           "Examples:\n"
           "  zentrel-render --pattern aqua --size 768 --xoom 0.15 -o big.png\n"
           "  zentrel-render --pattern tang --x 100 --y 100 --bright 200 -o tang.ppm\n"
           "\n"
           "Exit status: 0 written; 1 the file (or the standard output) could not be\n"
           "written; 2 a bad command line or nothing to draw; 3 the formulas failed\n"
           "(overflow, division by zero, invalid operation). The file gets its name\n"
           "only when it is complete: a failed or interrupted render leaves nothing.\n";
}

}  // namespace zentrel::cli
