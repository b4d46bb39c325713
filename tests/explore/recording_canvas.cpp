// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_canvas.h"

#include <algorithm>
#include <cstddef>

namespace zentrel::test {

void RecordingCanvas::set(int column, int row, Colour colour)
{
    if (column >= shown.width || row >= shown.height) return;
    shown.colours[static_cast<std::size_t>(column) * shown.height + row] = colour;
}

void RecordingCanvas::plotColumn(int column, std::span<const Colour> colours)
{
    columns.push_back(column);
    // A drawing's first column starts a picture of unknown width: the canvas
    // grows as columns come.
    if (column == 0) shown = Picture{0, static_cast<int>(colours.size()), {}};
    shown.width = std::max(shown.width, column + 1);
    shown.colours.resize(static_cast<std::size_t>(shown.width) * shown.height);
    for (std::size_t row = 0; row < colours.size(); ++row)
        set(column, static_cast<int>(row), colours[row]);
}

void RecordingCanvas::plotPiece(const Piece& piece, int columns, int rows)
{
    if (shown.width != columns || shown.height != rows) {
        shown = Picture{columns, rows, {}};
        shown.colours.resize(static_cast<std::size_t>(columns) * rows);
    }
    piecePixels += static_cast<int>(piece.rows.size());
    for (std::size_t i = 0; i < piece.rows.size(); ++i)
        for (int dc = 0; dc < piece.block; ++dc)
            for (int dr = 0; dr < piece.block; ++dr)
                set(piece.column + dc, piece.rows[i] + dr, piece.colours[i]);
}

void RecordingCanvas::plotPicture(const Picture& picture)
{
    ++pictures;
    shown = picture;
    lastPicture = picture;
}

void RecordingCanvas::clearRecord()
{
    columns.clear();
    piecePixels = 0;
    pictures = 0;
    showAlls = 0;
}

}  // namespace zentrel::test
