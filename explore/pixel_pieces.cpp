// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/pixel_pieces.h"

#include <memory>

#include "engine/column_stream.h"

namespace zentrel {
namespace {

// One set's loop values and the stream that colours them; it stays where it
// was made, as the stream holds on to the values.
struct SetStream {
    const PixelSet& set;
    std::vector<double> xs;
    std::vector<double> ys;
    std::unique_ptr<ColumnStream> stream;
    std::size_t delivered = 0;

    SetStream(WorkerPool& pool, const Pattern& pattern, const PreparedSweep& sweep,
              const PixelSet& pixels)
        : set(pixels)
    {
        for (int c : set.columns) xs.push_back(sweep.grid.xs[static_cast<std::size_t>(c)]);
        for (int r : set.rows) ys.push_back(sweep.grid.ys[static_cast<std::size_t>(r)]);
        stream = std::make_unique<ColumnStream>(pool, pattern, sweep.snapshot, xs, ys);
    }

    bool done() const { return delivered == set.columns.size(); }
    int nextColumn() const { return set.columns[delivered]; }
};

// The stream whose next column comes first, or null when all are done.
SetStream* firstInLine(const std::vector<std::unique_ptr<SetStream>>& streams)
{
    SetStream* first = nullptr;
    for (const auto& s : streams)
        if (!s->done() && (!first || s->nextColumn() < first->nextColumn())) first = s.get();
    return first;
}

}  // namespace

std::optional<Failure> computePixels(WorkerPool& pool, const Pattern& pattern,
                                     const PreparedSweep& sweep, std::span<const PixelSet> sets,
                                     int block, const PieceSink& take)
{
    std::vector<std::unique_ptr<SetStream>> streams;
    for (const PixelSet& set : sets)
        if (!set.empty()) streams.push_back(std::make_unique<SetStream>(pool, pattern, sweep, set));
    while (SetStream* s = firstInLine(streams)) {
        const auto colours = s->stream->next();
        if (!colours) return colours.failure();
        const Piece piece{s->nextColumn(), s->set.rows, colours.value(), block};
        ++s->delivered;
        if (!take(piece)) return std::nullopt;
    }
    return std::nullopt;
}

Picture blankPicture(const SweepGrid& grid, std::vector<Colour> storage)
{
    const int width = static_cast<int>(grid.xs.size());
    const int height = static_cast<int>(grid.ys.size());
    storage.assign(static_cast<std::size_t>(width) * height, 0);
    return {width, height, std::move(storage)};
}

void placePiece(Picture& picture, const Piece& piece)
{
    Colour* column =
        picture.colours.data() + static_cast<std::size_t>(piece.column) * picture.height;
    for (std::size_t i = 0; i < piece.rows.size(); ++i) column[piece.rows[i]] = piece.colours[i];
}

}  // namespace zentrel
