// SPDX-License-Identifier: GPL-3.0-or-later
#include "motion/keyframe_path.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "engine/quoted_excerpt.h"
#include "picture/words.h"

namespace zentrel {
namespace {

Failure atLine(int line, const std::string& why)
{
    return Failure{Fault::NotAView, "line " + std::to_string(line) + ": " + why};
}

// A failure of the line's view or flight, its fault and field kept.
Failure atLine(int line, const Failure& failure)
{
    Failure at = failure;
    at.where = atLine(line, failure.field ? failure.message() : failure.where).where;
    return at;
}

// The number of seconds the text is, wholly: digits, a point, an exponent.
std::optional<double> secondsIn(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// What a line says besides its view.
struct Timing {
    std::optional<double> hold;
    std::optional<double> seconds;
    bool ease = false;
};

Outcome<double> secondsOption(const std::string& option, std::string_view value, bool zeroAllowed)
{
    const std::optional<double> seconds = secondsIn(value);
    if (seconds && (*seconds > 0 || (zeroAllowed && *seconds == 0))) return *seconds;
    const char* wanted = zeroAllowed ? " needs a number of seconds, 0 or more, not "
                                     : " needs a number of seconds more than 0, not ";
    return Failure{Fault::NotAView, option + wanted + quotedExcerpt(value)};
}

// Takes --hold, --seconds and --ease out of the words into the timing,
// leaving the view's words.
Status takeTiming(std::vector<std::string>& words, Timing& timing)
{
    std::vector<std::string> view;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string option = words[i];
        std::optional<std::string> value;
        if (const auto eq = option.find('='); option.rfind("--", 0) == 0 && eq != option.npos) {
            value = option.substr(eq + 1);
            option.resize(eq);
        }
        if (option == "--ease") {
            if (value) return Failure{Fault::NotAView, "--ease takes no value"};
            timing.ease = true;
            continue;
        }
        if (option != "--hold" && option != "--seconds") {
            view.push_back(words[i]);
            continue;
        }
        std::optional<double>& slot = option == "--hold" ? timing.hold : timing.seconds;
        if (slot) return Failure{Fault::NotAView, option + " is given twice"};
        if (!value) {
            if (i + 1 >= words.size()) return Failure{Fault::NotAView, option + " needs a value"};
            value = words[++i];
        }
        const Outcome<double> seconds = secondsOption(option, *value, option == "--hold");
        if (!seconds) return seconds.failure();
        slot = seconds.value();
    }
    words = std::move(view);
    return std::nullopt;
}

Outcome<Keyframe> keyframeOf(std::string_view line, int number)
{
    Outcome<std::vector<std::string>> words = splitWords(line);
    if (!words) return atLine(number, words.failure());
    Timing timing;
    if (Status failed = takeTiming(words.value(), timing)) return atLine(number, *failed);
    std::string viewLine;
    for (const std::string& word : words.value()) viewLine += quotedWord(word) + " ";
    const Outcome<View> view = viewOf(viewLine);
    if (!view) return atLine(number, view.failure());
    return Keyframe{view.value(), number, timing.hold.value_or(0), timing.seconds.value_or(0),
                    timing.ease};
}

bool passedOver(std::string_view line)
{
    const auto first = line.find_first_not_of(" \t");
    return first == line.npos || line[first] == '#';
}

// Every keyframe but the last times its flight, the last none; each flight
// must be one Flight makes.
Status checkFlights(const std::vector<Keyframe>& keyframes)
{
    for (std::size_t i = 0; i + 1 < keyframes.size(); ++i) {
        const Keyframe& from = keyframes[i];
        const Keyframe& to = keyframes[i + 1];
        if (from.seconds == 0)
            return atLine(from.line, "the flight to the next keyframe needs --seconds");
        const Outcome<Flight> flight = Flight::between(from.view, to.view);
        if (!flight) {
            Failure failure = atLine(to.line, flight.failure());
            failure.where += " (the flight from line " + std::to_string(from.line) + ")";
            return failure;
        }
    }
    const Keyframe& last = keyframes.back();
    if (last.seconds != 0 || last.ease)
        return atLine(last.line, "the last keyframe has no flight to time: no --seconds or --ease");
    return std::nullopt;
}

}  // namespace

double KeyframePath::totalSeconds() const
{
    double total = 0;
    for (const Keyframe& k : keyframes) total += k.hold + k.seconds;
    return total;
}

Outcome<KeyframePath> keyframePathOf(std::string_view text)
{
    KeyframePath path;
    int number = 0;
    while (!text.empty() || number == 0) {
        ++number;
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == text.npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (passedOver(line)) continue;
        Outcome<Keyframe> keyframe = keyframeOf(line, number);
        if (!keyframe) return keyframe.failure();
        path.keyframes.push_back(std::move(keyframe.value()));
    }
    if (path.keyframes.empty()) return Failure{Fault::NotAView, "the file holds no keyframe"};
    if (Status failed = checkFlights(path.keyframes)) return *failed;
    if (path.totalSeconds() == 0)
        return Failure{Fault::NotAView,
                       "the movie lasts no time: give the keyframe --hold, or "
                       "add another to fly to"};
    return path;
}

}  // namespace zentrel
