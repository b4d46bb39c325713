// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "engine/pattern.h"
#include "engine/render.h"
#include "explore/pixel_pieces.h"

namespace zentrel {

// What a drawing draws on: the window's picture surface, or a test's.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Sets the pixels of one column, top row first.
    virtual void plotColumn(int column, std::span<const Colour> colours) = 0;
    // After each column: shows what was plotted when the screen is due for it.
    virtual void showIfDue() = 0;
    // When a drawing ends: shows everything plotted before returning.
    virtual void showAll() = 0;
    // Sets a piece's pixels, each as a square of the piece's block, cut at
    // the picture's columns and rows.
    virtual void plotPiece(const Piece& piece, int columns, int rows) = 0;
    // Sets the whole picture at once.
    virtual void plotPicture(const Picture& picture) = 0;
};

}  // namespace zentrel
