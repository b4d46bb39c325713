// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/field_texts.h"
#include "engine/outcome.h"
#include "engine/pattern.h"
#include "params/mouse_navigation.h"

namespace zentrel {

// A failure for the window to show in its own words: a field rule's or a
// move's, or that of a pattern's drawing, named by its caption.
struct SessionFailure {
    Failure failure;
    const Pattern* drawing = nullptr;  // none for a rule or a move
};

// What a session needs of the window it runs in: the five fields, the mark
// of the chosen pattern's button, the picture area cleared, and a place to
// report failures.
class SessionWindow {
public:
    virtual ~SessionWindow() = default;

    virtual FieldTexts fieldTexts() const = 0;
    // A field that holds its text already is left as it is.
    virtual void writeFieldTexts(const FieldTexts& texts) = 0;
    // Marks the button of the pattern (its index in the table) as chosen.
    virtual void markPattern(int index) = 0;
    // Back to the window's background, at once.
    virtual void clearPicture() = 0;
    virtual void reportFailure(const SessionFailure& failure) = 0;
    // A motion began: the window calls the session's motionFrame() once a
    // screen frame for as long as it is moving. A window with no screen
    // (a test's) calls it itself.
    virtual void startFrames() {}
    // The picture on the area scaled by the factor around the point, as the
    // first look of a zoom's next frame until its own pixels come.
    virtual void scalePicture(PicturePoint /*around*/, double /*factor*/) {}
};

}  // namespace zentrel
