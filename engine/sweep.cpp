// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sweep.h"

#include "engine/column_stream.h"
#include "engine/number_text.h"

namespace zentrel {
namespace {

Failure tooLarge()
{
    return Failure{Fault::Overflow, "in the picture size",
                   FieldFailure{FieldRole::Size, FieldProblem::PictureTooLarge, ""}};
}

// The loop values of one axis, density values to each; a failure names the
// position field of that axis, or the size. Its text is added where the
// fields are at hand.
Outcome<std::vector<double>> loopValues(double start, double end, FieldRole position, int density)
{
    std::vector<double> values;
    if (end - start + 1 > kMaxExtent) return tooLarge();
    for (double v = start; v <= end;) {
        if (static_cast<double>(values.size() + density) > kMaxSamples) return tooLarge();
        for (int k = 0; k < density; ++k) values.push_back(v + static_cast<double>(k) / density);
        const double next = v + 1;
        if (next == v)
            return Failure{Fault::PositionTooLarge, "at " + numberText(v),
                           FieldFailure{position, FieldProblem::PositionTooFar, ""}};
        v = next;
    }
    return values;
}

}  // namespace

Outcome<SweepGrid> sweepGrid(const Snapshot& s, int density)
{
    auto xs = loopValues(s.left + 1, s.left + s.width, FieldRole::Across, density);
    if (!xs) return xs.failure();
    auto ys = loopValues(s.top + 1, s.top + s.size, FieldRole::Down, density);
    if (!ys) return ys.failure();
    return SweepGrid{std::move(xs.value()), std::move(ys.value())};
}

Outcome<PreparedSweep> prepareSweep(const Pattern& pattern, const FieldTexts& fields,
                                    const Sampling& sampling)
{
    auto snapshot = takeSnapshot(pattern.rule, fields, sampling.width);
    if (!snapshot) return snapshot.failure();
    auto grid = sweepGrid(snapshot.value(), sampling.density);
    if (!grid) {
        Failure failure = grid.failure();
        failure.field->text = fieldText(fields, failure.field->role);
        return failure;
    }
    return PreparedSweep{snapshot.value(), std::move(grid.value())};
}

std::optional<Failure> sweep(WorkerPool& pool, const Pattern& pattern, const FieldTexts& fields,
                             const ColumnSink& take, const Sampling& sampling)
{
    const auto prepared = prepareSweep(pattern, fields, sampling);
    if (!prepared) return prepared.failure();
    return sweep(pool, pattern, prepared.value(), take);
}

std::optional<Failure> sweep(WorkerPool& pool, const Pattern& pattern,
                             const PreparedSweep& prepared, const ColumnSink& take)
{
    if (prepared.empty()) return std::nullopt;
    const auto& [snapshot, grid] = prepared;
    ColumnStream stream(pool, pattern, snapshot, grid.xs, grid.ys);
    for (int c = 0; c < stream.columnCount(); ++c) {
        const auto column = stream.next();
        if (!column) return column.failure();
        if (!take(c, column.value())) return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace zentrel
