// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "engine/outcome.h"
#include "picture/pending_name.h"

namespace zentrel {

// A file written out of sight in the folder of its destination and given its
// name only when it is complete, replacing any file of that name in one step.
//
// It is an unnamed file (O_TMPFILE) wherever the file system allows one, so
// that whatever ends the process before it is named (SIGKILL, a power cut, a
// file-size limit) leaves nothing behind. Elsewhere it is a hidden named file
// beside its destination, removed on failure and by the signals that end a
// process; one left by a SIGKILL or a power cut is removed by the next file
// the program stages in that folder. Hidden names are short, so any name the
// system allows works.
class StagedFile {
public:
    // Each first removes the hidden files left in the folder (see
    // removeLeftHiddenFiles).
    static Outcome<StagedFile> create(const std::string& path);
    // The hidden named file alone, as on a file system without unnamed files.
    static Outcome<StagedFile> createNamed(const std::string& path);

    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&&) = delete;
    // A file never published is removed.
    ~StagedFile();

    std::FILE* stream() const { return stream_; }

    // Writes out the stream, brings the file onto the disk, names it, and
    // brings the name onto the disk.
    Status publish();

private:
    StagedFile(std::string path, std::FILE* stream, PendingName hidden);
    static Outcome<StagedFile> createHidden(const std::string& path);

    // Once the file has its name: the folder synced, the stream closed.
    Status named();
    Status syncFolder() const;

    // Why the last call failed, by errno.
    Failure failure() const;
    Status closeStream();

    std::string path_;
    // The stream's buffer: a megabyte, so that a poster goes to the system
    // in a few dozen writes rather than one per 4 KiB.
    std::unique_ptr<char[]> buffer_;
    std::FILE* stream_;
    PendingName hidden_;  // none for an unnamed file
};

}  // namespace zentrel
