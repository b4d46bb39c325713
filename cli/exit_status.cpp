// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exit_status.h"

namespace zentrel::cli {
namespace {

struct StatusRow {
    Fault fault;
    ExitStatus status;
};

// A failure in no field, by its fault.
// clang-format off
constexpr StatusRow kStatuses[] = {
    {Fault::Overflow,         kFormulaFailed},  // at a pixel
    {Fault::DivisionByZero,   kFormulaFailed},
    {Fault::InvalidOperation, kFormulaFailed},
    {Fault::TypeMismatch,     kBadCommand},
    {Fault::PositionTooLarge, kBadCommand},
    {Fault::CannotWrite,      kCannotWrite},
    {Fault::NotAView,         kBadCommand},     // --from
    {Fault::PosterTooLarge,   kBadCommand},     // --density, --supersample
};
// clang-format on

}  // namespace

ExitStatus exitStatusOf(const Failure& failure)
{
    if (failure.field) return kBadCommand;
    for (const StatusRow& row : kStatuses)
        if (row.fault == failure.fault) return row.status;
    return kFormulaFailed;
}

}  // namespace zentrel::cli
