// SPDX-License-Identifier: GPL-3.0-or-later
// A keyframe file, any text at all: it is a path or a refusal that says why,
// never a crash; every flight of a path can be flown, and it starts and
// ends on its keyframes exactly.

#include <cmath>
#include <string>

#include "fuzz_input.h"
#include "motion/keyframe_path.h"

namespace zentrel::fuzz {
namespace {

void checkFlight(const Keyframe& from, const Keyframe& to)
{
    const Outcome<Flight> flight = Flight::between(from.view, to.view);
    require(flight.ok(), "a path's keyframes have a flight between them");
    const Outcome<FlightFrame> first = flight.value().frameAt(0);
    const Outcome<FlightFrame> last = flight.value().frameAt(1);
    require(first.ok() && first.value().view == from.view, "a flight starts on its keyframe");
    require(last.ok(), "a flight reaches its keyframe");
    const View& end = last.value().second ? *last.value().second : last.value().view;
    require(end == to.view, "a flight ends on its keyframe");
    const Outcome<FlightFrame> middle = flight.value().frameAt(0.5);
    require(middle.ok() || !middle.failure().message().empty(),
            "a frame that cannot be shown says why");
}

void checkKeyframePath(std::string_view text)
{
    const Outcome<KeyframePath> path = keyframePathOf(text);
    if (!path) {
        require(!path.failure().message().empty(), "a refusal says why");
        return;
    }
    const auto& keyframes = path.value().keyframes;
    require(!keyframes.empty(), "a path has a keyframe");
    const double seconds = path.value().totalSeconds();
    require(std::isfinite(seconds) && seconds > 0, "a path lasts a while");
    for (std::size_t i = 0; i + 1 < keyframes.size(); ++i)
        checkFlight(keyframes[i], keyframes[i + 1]);
}

}  // namespace
}  // namespace zentrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zentrel::fuzz::checkKeyframePath(zentrel::fuzz::bytesAsText(data, size));
    return 0;
}
