// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

#include "engine/render.h"
#include "explore/canvas.h"
#include "session/session_window.h"

namespace zentrel::test {

// A window as the session sees it: five fields, the marks of the pattern
// buttons, the failures reported, and a picture area of its own whose
// pixels are blank until plotted. Its event pump runs the actions queued
// for it, as a window's pump runs the clicks made meanwhile.
class FakeWindow : public SessionWindow, public Canvas {
public:
    // The area's side in samples; pixels beyond it are not kept.
    static constexpr int kSide = 256;
    // No colour of 24 bits.
    static constexpr Colour kBlank = 0xFFFFFFFF;

    FakeWindow();

    FieldTexts fieldTexts() const override { return fields; }
    void writeFieldTexts(const FieldTexts& texts) override { fields = texts; }
    void markPattern(int index) override { marks.push_back(index); }
    void clearPicture() override;
    void reportFailure(const SessionFailure& failure) override { failures.push_back(failure); }

    void plotColumn(int column, std::span<const Colour> colours) override;
    void showIfDue() override {}
    void showAll() override {}
    void plotPiece(const Piece& piece, int columns, int rows) override;
    void plotPicture(const Picture& picture) override;

    // Runs every action queued, those queued meanwhile too.
    void pumpEvents();

    Colour at(int column, int row) const;
    // The area holds the picture and is blank around it.
    ::testing::AssertionResult showsAlone(const Picture& picture) const;
    // Column c of the area is column c of the picture.
    ::testing::AssertionResult columnIs(int column, const Picture& picture) const;
    ::testing::AssertionResult columnIsBlank(int column) const;
    bool blank() const;

    FieldTexts fields;
    std::vector<int> marks;
    std::vector<SessionFailure> failures;
    std::vector<int> plottedColumns;  // by plotColumn, in order
    int pieces = 0;                   // plotted by plotPiece
    std::deque<std::function<void()>> queued;

private:
    void set(int column, int row, Colour colour);

    std::vector<Colour> area_;
};

}  // namespace zentrel::test
