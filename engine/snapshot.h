// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "engine/field_texts.h"
#include "engine/outcome.h"

namespace zentrel {

// The full circle of every pattern: 44/7, not 2 pi.
inline constexpr double kCircle = 44.0 / 7.0;

// Where a pattern puts the formula coordinates just left of its first column
// (left) and just above its first row (top), from the values of the position
// fields, across and down. half(v) reads v back from its number text before
// halving, so it drops digits past the fifteenth.
enum class Origin {
    Centred,             // left = across - half(width), top = down - half(size)
    CentredPlainHalves,  // left = across - width / 2,   top = down - size / 2
    ExchangedHalves,     // left = across - size / 2,    top = down - width / 2
    Corner,              // left = across,               top = down
    CornerAcross,        // left = across,               top = down - half(size)
    ShiftedCorner,       // left = across + 150,         top = down - 150
    AheadAcross,         // left = across + half(width), top = down
};

// How a pattern scales the Xoom or the brightness field: v * factor or
// v / factor, as its formula writes it (the two differ in the last bit).
struct Scaling {
    enum class Op { Times, DividedBy };
    Op op = Op::Times;
    double factor = 1;
};

inline constexpr Scaling unscaled{};
inline constexpr Scaling times(double factor) { return {Scaling::Op::Times, factor}; }
inline constexpr Scaling dividedBy(double factor) { return {Scaling::Op::DividedBy, factor}; }

// Which fields a pattern reads first; it decides which field a failure names
// when more than one holds a number beyond the double range.
enum class ReadOrder { SizeFirst, PositionsFirst };

struct SnapshotRule {
    Origin origin = Origin::Centred;
    Scaling zoom = unscaled;
    Scaling bright = unscaled;
    ReadOrder order = ReadOrder::SizeFirst;
};

// Where a picture lies: its extents and the formula coordinates just left of
// its first column and just above its first row.
struct Placement {
    double size = 0;
    double width = 0;
    double left = 0;
    double top = 0;
};

// The values a drawing takes once at its start and keeps to its end: where
// the picture lies, and how the formulas scale.
struct Snapshot : Placement {
    double zoom = 0;
    double bright = 0;
    double circle = kCircle;
};

// Width of a picture of the given size: 768 is the large picture, 1024 wide.
double widthForSize(double size);

// The snapshot of the fields by the pattern's rule; a width given takes the
// place of the one the size gives.
Outcome<Snapshot> takeSnapshot(const SnapshotRule& rule, const FieldTexts& fields,
                               std::optional<double> width = {});

// The placement alone, as the snapshot has it: it reads the position and size
// fields only, so a Xoom or brightness that would fail the snapshot does not
// fail it.
Outcome<Placement> placePicture(const SnapshotRule& rule, const FieldTexts& fields,
                                std::optional<double> width = {});

}  // namespace zentrel
