// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "explore/canvas.h"

namespace zentrel {

// The window's canvas as a session draws on it: everything is passed on,
// and the extent of what was plotted since the area was last cleared is
// kept, so that a picture can be told whether it covers all of it.
class PlottedArea : public Canvas {
public:
    explicit PlottedArea(Canvas& canvas) : canvas_(canvas) {}

    void plotColumn(int column, std::span<const Colour> colours) override;
    void showIfDue() override { canvas_.showIfDue(); }
    void showAll() override { canvas_.showAll(); }
    void plotPiece(const Piece& piece, int columns, int rows) override;
    void plotPicture(const Picture& picture) override;

    // The window cleared the area.
    void cleared() { columns_ = rows_ = 0; }
    // Whether everything plotted lies within the first columns and rows.
    bool within(int columns, int rows) const { return columns_ <= columns && rows_ <= rows; }

private:
    void extend(int columns, int rows);

    Canvas& canvas_;
    int columns_ = 0;
    int rows_ = 0;
};

}  // namespace zentrel
