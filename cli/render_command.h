#pragma once

#include <string>
#include <vector>

namespace zentrel::cli {

// What zentrel-render exits with.
enum ExitStatus { kWritten = 0, kCannotWrite = 1, kBadCommand = 2, kFormulaFailed = 3 };

// Runs zentrel-render with these arguments (the program's name left out):
// parses them, renders the picture and writes it, reporting on the standard
// streams. Returns the exit status.
int runRenderCommand(const std::vector<std::string>& args);

}  // namespace zentrel::cli
