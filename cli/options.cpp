// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/options.h"

#include <optional>
#include <utility>

#include "cli/failure_text.h"
#include "cli/suggestion.h"
#include "engine/field_value.h"
#include "engine/quoted_excerpt.h"
#include "movie/movie_formats.h"
#include "patterns/pattern_table.h"
#include "picture/picture_view.h"

namespace zentrel::cli {
namespace {

constexpr const char* kOptionList =
    "--pattern, --all, --x, --y, --size, --height, --width, --xoom, --bright, --density, "
    "--supersample, --depth, --from, --movie, --to, --seconds, --fps, --quality, --format, "
    "--threads, -o/--output, --tiles, --levels, --help, --version";

constexpr const char* kPatternMark = "{pattern}";

std::string joined(const std::vector<std::string>& words, const char* between)
{
    std::string list;
    for (const std::string& word : words) list += (list.empty() ? "" : between) + word;
    return list;
}

// "png", "ppm"
std::vector<std::string> formatNames()
{
    std::vector<std::string> names;
    for (const PictureFormat& row : pictureFiles().rows()) names.push_back(row.name);
    return names;
}

// "mp4", "webm", "av1", "png"
std::vector<std::string> movieFormatNames()
{
    std::vector<std::string> names;
    for (const MovieFormat& row : movieFiles().rows()) names.push_back(row.name);
    return names;
}

// ".png", ".ppm"
std::vector<std::string> formatEndings()
{
    std::vector<std::string> endings;
    for (const PictureFormat& row : pictureFiles().rows())
        endings.insert(endings.end(), row.extensions.begin(), row.extensions.end());
    return endings;
}

// The help's lines of the formats under --format's, one each, reading as
// one sentence when filled as a paragraph: "png for PNG (.png),".
std::string formatLines()
{
    std::string lines;
    const auto& rows = pictureFiles().rows();
    for (const PictureFormat& row : rows) {
        lines += "                   " + row.name + " for " + row.description;
        if (!row.extensions.empty()) lines += " (" + joined(row.extensions, ", ") + ")";
        lines += &row == &rows.back() ? "\n" : ",\n";
    }
    return lines;
}

// The help's lines of the patterns under --pattern's, filled to its width.
std::string patternLines()
{
    constexpr std::size_t kWidth = 79;
    const std::string indent(19, ' ');
    const auto& patterns = patternTable();
    std::string lines, line = indent + "letter case:";
    for (const Pattern* p : patterns) {
        std::string item = std::string(p->caption) + " (" + std::string(p->routine) + ")";
        if (p != patterns.back()) item += ",";
        if (line.size() + 1 + item.size() <= kWidth) {
            line += " " + item;
            continue;
        }
        lines += line + "\n";
        line = indent + item;
    }
    return lines + line + "\n";
}

std::string patternChoices()
{
    std::string list;
    for (const Pattern* p : patternTable()) {
        if (!list.empty()) list += ", ";
        list += std::string(p->caption) + " (" + std::string(p->routine) + ")";
    }
    return list;
}

// Every pattern's caption and routine name.
std::vector<std::string> patternNames()
{
    std::vector<std::string> names;
    for (const Pattern* p : patternTable()) {
        names.emplace_back(p->caption);
        names.emplace_back(p->routine);
    }
    return names;
}

// The options as the list names them, -o and --output apart.
std::vector<std::string> optionNames()
{
    std::vector<std::string> names;
    std::string name;
    for (const char* c = kOptionList;; ++c) {
        if (*c && *c != ',' && *c != ' ' && *c != '/') {
            name += *c;
            continue;
        }
        if (!name.empty()) names.push_back(name);
        name.clear();
        if (!*c) return names;
    }
}

UsageError unknownOption(const std::string& option)
{
    if (const auto meant = nearestWord(option, optionNames()))
        return UsageError{"there is no option " + excerpt(option) + "; did you mean " + *meant +
                          "?"};
    return UsageError{"unknown option '" + excerpt(option) + "' (options: " + kOptionList + ")"};
}

UsageError unknownPattern(const std::string& name)
{
    if (const auto meant = nearestWord(name, patternNames()))
        return UsageError{"there is no pattern " + quotedExcerpt(name) + "; did you mean " +
                          *meant + "?"};
    return UsageError{"unknown pattern '" + excerpt(name) + "' (one of: " + patternChoices() + ")"};
}

using Setting = std::pair<std::string, std::string>;  // option, value

// The options as written, each with its value ("" for --all).
std::variant<std::vector<Setting>, HelpRequest, VersionRequest, UsageError> settingsOf(
    const std::vector<std::string>& args)
{
    std::vector<Setting> settings;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::optional<std::string> value;
        if (const auto eq = option.find('=');
            option.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = option.substr(eq + 1);
            option.resize(eq);
        }
        if (option == "--help" || option == "-h") return HelpRequest{};
        if (option == "--version") return VersionRequest{};
        const bool known = isViewOption(option) || option == "--all" || option == "--from" ||
                           option == "--format" || option == "--threads" || option == "-o" ||
                           option == "--output" || option == "--tiles" || option == "--levels" ||
                           isMovieOption(option);
        if (!known) return unknownOption(option);
        if (option != "--all" && !value) {
            if (i + 1 >= args.size()) return UsageError{"option " + option + " needs a value"};
            value = args[++i];
        }
        settings.emplace_back(option, value.value_or(""));
    }
    return settings;
}

// The view of the picture named by --from, if any, to start from.
std::variant<View, UsageError> startingView(const std::vector<Setting>& settings)
{
    View view;
    for (const auto& [option, value] : settings) {
        if (option != "--from") continue;
        const Outcome<View> from = viewOfPicture(value);
        if (!from) return UsageError{"--from: " + from.failure().where};
        view = from.value();
    }
    return view;
}

std::optional<UsageError> apply(RenderOptions& o, const std::string& option,
                                const std::string& value)
{
    if (auto error = applyMovieOption(o.movie, option, value)) return UsageError{*error};
    if (option == "--from" || isMovieOption(option)) return std::nullopt;
    if (option == "--all") {
        o.all = true;
    } else if (option == "-o" || option == "--output") {
        o.output = value;
    } else if (option == "--format") {
        o.format = pictureFiles().named(value);
        if (!o.format && movieFiles().named(value)) o.movie.settings.format = value;
        if (!o.format && o.movie.settings.format.empty())
            return UsageError{"unknown format '" + value +
                              "' (one of: " + joined(formatNames(), ", ") + "; for movies " +
                              joined(movieFormatNames(), ", ") + ")"};
    } else if (option == "--tiles") {
        o.tiles = value;
    } else if (option == "--levels") {
        o.levels = wholeNumberIn(value, 0, 8);
        if (!o.levels)
            return UsageError{"--levels needs a whole number from 0 to 8, not '" + excerpt(value) +
                              "'"};
    } else if (option == "--threads") {
        const auto n = wholeNumberIn(value, 1, 256);
        if (!n)
            return UsageError{"--threads needs a whole number from 1 to 256, not '" +
                              excerpt(value) + "'"};
        o.threads = *n;
    } else if (option == "--pattern" && !findPattern(value)) {
        return unknownPattern(value);
    } else if (auto failure = setViewOption(o.view, option, value)) {
        return UsageError{failure->where};
    }
    return std::nullopt;
}

// A size text that holds no number at all is a mistake, not a size of 0.
std::optional<UsageError> checkSize(const FieldTexts& fields)
{
    if (scanNumber(fields.size, true).kind != NumberScan::Kind::None) return std::nullopt;
    return UsageError{
        failureText(fieldFailure(FieldRole::Size, FieldProblem::NotANumber, fields.size))};
}

// A page goes to its folder and nowhere else.
std::optional<UsageError> checkTiles(const RenderOptions& o)
{
    if (o.tiles.empty()) {
        if (o.levels) return UsageError{"--levels needs --tiles DIR, the folder of the page"};
        return std::nullopt;
    }
    if (!o.output.empty() || o.all || o.format)
        return UsageError{
            "--tiles writes a folder of its own: -o, --format and --all have no "
            "place beside it"};
    return std::nullopt;
}

std::optional<UsageError> checkOutput(const RenderOptions& o)
{
    if (auto error = checkTiles(o)) return error;
    if (!o.tiles.empty()) return std::nullopt;
    const std::string endings = joined(formatEndings(), " or ");
    if (o.output.empty()) return UsageError{"missing -o FILE (a " + endings + " file)"};
    if (!o.format && !pictureFiles().forPath(o.output))
        return UsageError{"output file '" + excerpt(o.output, kLongestPathShown) +
                          "' must end in " + endings + ", or --format must name its format (" +
                          joined(formatNames(), " or ") + ")"};
    if (o.all && o.output.find(kPatternMark) == std::string::npos)
        return UsageError{"with --all, -o needs {pattern} in its name, as in 'out/{pattern}.png'"};
    return std::nullopt;
}

}  // namespace

ParsedCommand parseCommandLine(const std::vector<std::string>& args)
{
    auto parsed = settingsOf(args);
    if (auto* help = std::get_if<HelpRequest>(&parsed)) return *help;
    if (auto* version = std::get_if<VersionRequest>(&parsed)) return *version;
    if (auto* error = std::get_if<UsageError>(&parsed)) return *error;
    const auto& settings = std::get<std::vector<Setting>>(parsed);

    auto start = startingView(settings);
    if (auto* error = std::get_if<UsageError>(&start)) return *error;
    RenderOptions options;
    options.view = std::get<View>(start);
    for (const auto& [option, value] : settings)
        if (auto error = apply(options, option, value)) return *error;

    if (options.movie.wanted()) {
        if (auto error = checkMovie(options.movie, options.output, options.all))
            return UsageError{*error};
        return options;
    }
    if (!options.movie.settings.format.empty())
        return UsageError{"--format " + options.movie.settings.format +
                          " writes movies: give --movie, or --from and --to"};
    if (options.all) options.view.pattern = patternTable().front();
    if (!options.view.pattern)
        return UsageError{"missing --pattern NAME (one of: " + patternChoices() + ")"};
    if (auto error = checkSize(options.view.fields)) return *error;
    if (auto error = checkOutput(options)) return *error;
    return options;
}

PictureTarget targetOf(const RenderOptions& options, const std::string& output)
{
    if (options.format) return PictureTarget(*options.format, output);
    return PictureTarget(output);
}

std::string outputFor(const std::string& output, const Pattern& pattern)
{
    std::string named = output;
    for (auto at = named.find(kPatternMark); at != std::string::npos; at = named.find(kPatternMark))
        named.replace(at, std::string(kPatternMark).size(), pattern.caption);
    return named;
}

std::string helpText()
{
    return "Usage: zentrel-render --pattern NAME [options] -o FILE\n"
           "       zentrel-render --all [options] -o 'NAME{pattern}.png'\n"
           "       zentrel-render --from PICTURE [options] -o FILE\n"
           "       zentrel-render --movie KEYFRAMES [options] -o MOVIE\n"
           "       zentrel-render --from PICTURE --to PICTURE --seconds S -o MOVIE\n"
           "\n"
           "Draws one pattern picture and writes it to FILE, in the format its name\n"
           "ends in (in any letter case) or the one --format names. The picture is\n"
           "exactly the one the window draws for the same field texts, pixel for\n"
           "pixel; with --density it shows the same view with more pixels. Every\n"
           "file carries its view, so --from can take it up again.\n"
           "\n"
           "Options (each TEXT is read like the window's field of the same role):\n"
           "  --pattern NAME   the pattern, by button caption or routine name, in any\n" +
           patternLines() +
           "  --all            every pattern of the view, each to the file named by\n"
           "                   -o with {pattern} replaced by the pattern's caption\n"
           "  --x TEXT         horizontal position (the lower \"zero point\"), default 1\n"
           "  --y TEXT         vertical position (the upper \"zero point\"), default 1\n"
           "  --size TEXT      size in pixels (\"side\"), default 150; the picture is\n"
           "                   size x size, except 768, which gives 1024 x 768\n"
           "  --height TEXT    the same as --size\n"
           "  --width N        the width in pixels instead of the one the size gives,\n"
           "                   from 1 to 65536\n"
           "  --xoom TEXT      the XOOM, default 1; smaller values zoom in\n"
           "  --bright TEXT    brightness, default 150\n"
           "  --density N      the same view N times finer, N from 1 to 256: a picture\n"
           "                   N times as wide and as high\n"
           "  --supersample K  each pixel the average of K x K samples, K from 1 to\n"
           "                   16: smooth posters without moire\n"
           "  --depth BITS     bits a channel of the file, 8 (the default) or 16: a\n"
           "                   smooth poster keeps its fine steps, for print and editing\n"
           "  --from PICTURE   the view of a picture this program wrote; the other\n"
           "                   options change it\n" +
           movieHelp() + "  --format NAME    the format of the file, whatever its name ends in:\n" +
           formatLines() + "                   or, for a movie, mp4, webm, av1 or png\n" +
           "  --threads N      threads that compute, default one per core\n"
           "  -o, --output FILE  the picture file to write\n"
           "  --tiles DIR      instead of a picture, a zoomable web page in the new (or\n"
           "                   empty) folder DIR: index.html, the map library Leaflet\n"
           "                   and {z}/{x}/{y}.png tiles of 256 pixels, level z being\n"
           "                   the view at 2^z times its density, computed exactly;\n"
           "                   open DIR/index.html#z/x/y to start at level z with the\n"
           "                   level-0 pixel x, y in the middle\n"
           "  --levels N       the deepest level of the page, 0 to 8; default 4, or as\n"
           "                   many as the largest picture allows\n"
           "  -h, --help       this text\n"
           "  --version        the program's name and version\n"
           "  Each option may also be written --name=VALUE.\n"
           "\n"
           "Examples:\n"
           "  zentrel-render --pattern aqua --size 768 --xoom 0.15 -o big.png\n"
           "  zentrel-render --pattern tang --x 100 --y 100 --bright 200 -o tang.ppm\n"
           "  zentrel-render --from big.png --density 16 --supersample 2 -o poster.png\n"
           "  zentrel-render --all --size 300 -o 'all/{pattern}.png'\n"
           "  zentrel-render --movie zoom.txt --size 720 --width 1280 -o zoom.mp4\n"
           "  zentrel-render --from a.png --to b.png --seconds 8 -o 'frames/{frame}.png'\n"
           "  zentrel-render --from big.png --tiles page --levels 4\n"
           "\n"
           "Exit status: 0 written; 1 the file (or the standard output) could not be\n"
           "written; 2 a bad command line or nothing to draw, a field that cannot\n"
           "become a usable number among them (--xoom 1e400, --x 1e16, --size\n"
           "70000), and a movie that cannot be made (a keyframe line at fault, a\n"
           "frame larger than its encoder takes, a folder that cannot be written, an\n"
           "encoder the library lacks); 3 the formulas failed while drawing\n"
           "(overflow, division by zero, invalid operation at a pixel). The file (or\n"
           "the page's folder) gets its name only when it is complete: a failed or\n"
           "interrupted render leaves nothing.\n";
}

std::string versionText() { return "zentrel-render " ZENTREL_VERSION "\n"; }

}  // namespace zentrel::cli
