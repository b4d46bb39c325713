// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/hidden_name.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <utility>

namespace zentrel {
namespace {

std::string& name()
{
    static std::string program = "zentrel";
    return program;
}

// A whole number written without a sign or a leading zero, as to_string
// writes one, within the range of a process id.
std::optional<pid_t> plainNumber(std::string_view text)
{
    if (text.empty() || (text.size() > 1 && text.front() == '0')) return std::nullopt;
    pid_t n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || text.front() == '-')
        return std::nullopt;
    return n;
}

// Whether the process has ended: it exists if it can be signalled, or if
// it merely may not be by us.
bool hasEnded(pid_t pid) { return kill(pid, 0) == -1 && errno == ESRCH; }

}  // namespace

void setProgramName(std::string program) { name() = std::move(program); }

const std::string& programName() { return name(); }

std::string hiddenStem(const std::string& folder)
{
    return folder + "/." + programName() + "-" + std::to_string(getpid()) + "-";
}

std::optional<pid_t> writerOf(std::string_view hidden)
{
    const std::string start = "." + programName() + "-";
    if (!hidden.starts_with(start)) return std::nullopt;
    hidden.remove_prefix(start.size());
    const auto dash = hidden.find('-');
    if (dash == std::string_view::npos || !plainNumber(hidden.substr(dash + 1)))
        return std::nullopt;
    const auto pid = plainNumber(hidden.substr(0, dash));
    if (!pid || *pid <= 0) return std::nullopt;
    return pid;
}

void removeLeftHiddenFiles(const std::string& folder)
{
    // A folder that cannot be listed (one that may only be written) keeps
    // what it holds.
    DIR* listing = opendir(folder.c_str());
    if (!listing) return;
    const int savedErrno = errno;
    while (const dirent* entry = readdir(listing)) {
        const auto pid = writerOf(entry->d_name);
        if (!pid || !hasEnded(*pid)) continue;
        // A hidden folder is a page's, with all it holds.
        if (unlinkat(dirfd(listing), entry->d_name, 0) != 0 && errno == EISDIR) {
            std::error_code ignored;
            std::filesystem::remove_all(folder + "/" + entry->d_name, ignored);
        }
    }
    closedir(listing);
    errno = savedErrno;
}

}  // namespace zentrel
