// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "cli/exit_status.h"

namespace zentrel::cli {

// Runs zentrel-render with these arguments (the program's name left out):
// parses them, renders the picture and writes it, reporting on the standard
// streams. Returns the exit status.
int runRenderCommand(const std::vector<std::string>& args);

}  // namespace zentrel::cli
