// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace zentrel {

// The name of a hidden file that exists for a while, known meanwhile to the
// signals that end the process, which remove it first. Any number of such
// files may be open at once on any threads (a poster in the background, a
// picture saved meanwhile), up to kPendingSlots of them known to the
// signals; a name beyond those, or beyond the longest path, is a file the
// signals leave behind.
class PendingName {
public:
    static constexpr int kPendingSlots = 16;

    PendingName() = default;
    // Made known before the file is created, so that no signal misses it.
    explicit PendingName(std::string name);
    PendingName(PendingName&& other) noexcept;
    PendingName& operator=(PendingName&& other) noexcept;
    // Forgotten; the file itself is left as it is.
    ~PendingName();

    const std::string& name() const { return name_; }
    bool empty() const { return name_.empty(); }

private:
    void forget();

    std::string name_;
    int slot_ = -1;  // -1: known to no signal
};

// Removes the file of every pending name: what the signals that end the
// process do first. Safe in a signal handler.
void removePendingFiles();

}  // namespace zentrel
