// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_window.h"

#include <algorithm>
#include <string>
#include <utility>

namespace zentrel::test {

FakeWindow::FakeWindow() { clearPicture(); }

void FakeWindow::clearPicture() { area_.assign(kSide * kSide, kBlank); }

void FakeWindow::set(int column, int row, Colour colour)
{
    if (column >= 0 && column < kSide && row >= 0 && row < kSide)
        area_[static_cast<std::size_t>(column) * kSide + row] = colour;
}

Colour FakeWindow::at(int column, int row) const
{
    return area_[static_cast<std::size_t>(column) * kSide + row];
}

void FakeWindow::plotColumn(int column, std::span<const Colour> colours)
{
    plottedColumns.push_back(column);
    for (std::size_t r = 0; r < colours.size(); ++r) set(column, static_cast<int>(r), colours[r]);
}

void FakeWindow::plotPiece(const Piece& piece, int columns, int rows)
{
    ++pieces;
    const int right = std::min(piece.column + piece.block, columns);
    for (std::size_t i = 0; i < piece.rows.size(); ++i) {
        const int bottom = std::min(piece.rows[i] + piece.block, rows);
        for (int c = piece.column; c < right; ++c)
            for (int r = piece.rows[i]; r < bottom; ++r) set(c, r, piece.colours[i]);
    }
}

void FakeWindow::plotPicture(const Picture& picture)
{
    for (int c = 0; c < picture.width; ++c)
        for (int r = 0; r < picture.height; ++r) set(c, r, picture.at(c, r));
}

void FakeWindow::pumpEvents()
{
    while (!queued.empty()) {
        const auto action = std::move(queued.front());
        queued.pop_front();
        action();
    }
}

::testing::AssertionResult FakeWindow::showsAlone(const Picture& picture) const
{
    for (int c = 0; c < kSide; ++c)
        for (int r = 0; r < kSide; ++r) {
            const bool inside = c < picture.width && r < picture.height;
            const Colour expected = inside ? picture.at(c, r) : kBlank;
            if (at(c, r) != expected)
                return ::testing::AssertionFailure()
                       << "the area differs at column " << c << ", row " << r << " of a "
                       << picture.width << " x " << picture.height << " picture"
                       << (at(c, r) == kBlank ? " (blank)" : "");
        }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult FakeWindow::columnIs(int column, const Picture& picture) const
{
    for (int r = 0; r < picture.height; ++r)
        if (at(column, r) != picture.at(column, r))
            return ::testing::AssertionFailure() << "column " << column << " differs at row " << r;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult FakeWindow::columnIsBlank(int column) const
{
    for (int r = 0; r < kSide; ++r)
        if (at(column, r) != kBlank)
            return ::testing::AssertionFailure() << "column " << column << " holds row " << r;
    return ::testing::AssertionSuccess();
}

bool FakeWindow::blank() const
{
    return std::all_of(area_.begin(), area_.end(), [](Colour c) { return c == kBlank; });
}

}  // namespace zentrel::test
