// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/plotted_area.h"

#include <algorithm>

namespace zentrel {

void PlottedArea::extend(int columns, int rows)
{
    if (columns <= 0 || rows <= 0) return;
    columns_ = std::max(columns_, columns);
    rows_ = std::max(rows_, rows);
}

void PlottedArea::plotColumn(int column, std::span<const Colour> colours)
{
    extend(column + 1, static_cast<int>(colours.size()));
    canvas_.plotColumn(column, colours);
}

// A piece's pixels are squares of its block, cut at the picture's edges.
void PlottedArea::plotPiece(const Piece& piece, int columns, int rows)
{
    if (!piece.rows.empty())
        extend(std::min(piece.column + piece.block, columns),
               std::min(piece.rows.back() + piece.block, rows));
    canvas_.plotPiece(piece, columns, rows);
}

void PlottedArea::plotPicture(const Picture& picture)
{
    extend(picture.width, picture.height);
    canvas_.plotPicture(picture);
}

}  // namespace zentrel
