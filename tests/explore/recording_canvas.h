// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "engine/render.h"
#include "explore/canvas.h"

namespace zentrel::test {

// A canvas that keeps what it is given: the columns in the order plotted,
// the pixels of every piece, and the picture it would show.
class RecordingCanvas : public Canvas {
public:
    void plotColumn(int column, std::span<const Colour> colours) override;
    void showIfDue() override {}
    void showAll() override { ++showAlls; }
    void plotPiece(const Piece& piece, int columns, int rows) override;
    void plotPicture(const Picture& picture) override;

    // Forgets what was plotted, not what is shown.
    void clearRecord();

    std::vector<int> columns;  // by plotColumn, in order
    int piecePixels = 0;       // pixels computed and plotted as pieces
    int pictures = 0;          // whole pictures plotted at once
    int showAlls = 0;
    Picture shown;        // every pixel as it is now on the canvas
    Picture lastPicture;  // as plotted whole last

private:
    void set(int column, int row, Colour colour);
};

}  // namespace zentrel::test
