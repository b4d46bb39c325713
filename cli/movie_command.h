// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/exit_status.h"
#include "cli/options.h"
#include "engine/worker_pool.h"

namespace zentrel::cli {

// Makes the movie the options ask for, reporting on the standard streams:
// its keyframes read and every frame option applied to each, the movie
// planned (whatever stands in its way is the command's fault, status 2),
// then drawn and written with a progress line. Returns the exit status.
int runMovie(WorkerPool& pool, const RenderOptions& options);

}  // namespace zentrel::cli
