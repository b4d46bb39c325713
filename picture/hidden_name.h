// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

// The hidden names of files not yet complete, ".zentrel-render-4242-0": the
// program that writes them, its process, and a number. A process that ends
// by SIGKILL or a power cut on a file system without unnamed files leaves
// such a file; the next write of that program in that folder removes it.
namespace zentrel {

// The program that writes the files, as their hidden names show it. Each
// main() sets it before anything is written; it is "zentrel" until then.
void setProgramName(std::string name);
const std::string& programName();

// "folder/.zentrel-render-4242-": the start of this process's hidden names
// in the folder, a number to follow.
std::string hiddenStem(const std::string& folder);

// The process whose hidden file this is, when the name is exactly one of
// this program's hidden names: ".zentrel-render-4242-0" gives 4242.
std::optional<pid_t> writerOf(std::string_view name);

// Removes from the folder the hidden files of this program whose process
// no longer runs, and its hidden folders with all they hold. A running process's files are kept,
// whoever it is, and so is every other name.
void removeLeftHiddenFiles(const std::string& folder);

}  // namespace zentrel
