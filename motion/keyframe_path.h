// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "engine/outcome.h"
#include "motion/flight.h"
#include "picture/view.h"

// The keyframes of a zoom movie, as a text file holds them: one keyframe a
// line, in the form "Copy view" writes (a leading zentrel-render allowed),
// followed by how the movie goes on from it:
//
//   # from the whole picture into the corner, and back out
//   --pattern aqua --x 1 --y 1 --size 150 --xoom 1 --bright 150 --hold 1 --seconds 4
//   --pattern aqua --x 60 --y 60 --size 150 --xoom 0.01 --bright 150 --seconds 4 --ease
//   --pattern aqua --x 1 --y 1 --size 150 --xoom 1 --bright 150 --hold 2
//
//   --hold S     the keyframe stays still for S seconds (S >= 0, 0 unless
//                given) before the flight from it starts; on the last
//                keyframe, at the end of the movie
//   --seconds S  the flight from this keyframe to the next lasts S seconds
//                (S > 0): every keyframe but the last needs it, the last
//                has no flight and must not have it
//   --ease       the flight from this keyframe starts and ends slowly
//
// Values may also follow an "=" ("--seconds=4"). A line whose first
// character past blanks is "#" is a comment; blank lines are passed over.
// Every keyframe must have the extents of the first, and a flight to the
// next (see Flight). A movie must last longer than 0 seconds.
namespace zentrel {

struct Keyframe {
    View view;
    int line = 0;        // where the file holds it, from 1
    double hold = 0;     // seconds still on this keyframe
    double seconds = 0;  // of the flight to the next; 0 on the last
    bool ease = false;   // of the flight to the next
};

struct KeyframePath {
    std::vector<Keyframe> keyframes;

    // The whole movie's length: every hold and every flight.
    double totalSeconds() const;
};

// The keyframes of the text, or a failure (NotAView) whose text begins with
// the number of the line at fault, "line 3: --seconds needs ...".
Outcome<KeyframePath> keyframePathOf(std::string_view text);

}  // namespace zentrel
