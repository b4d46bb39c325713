// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zentrel {

// Work that a WorkerPool runs piece by piece. The pool knows nothing of the
// work but these two questions; the source keeps its own state and locks.
class JobSource {
public:
    virtual ~JobSource() = default;

    // Whether a piece of work is waiting to be claimed now. The pool asks
    // this under its own lock, so it must be quick and must not call back
    // into the pool.
    virtual bool claimable() = 0;

    // Claims the next piece of work, if one is still waiting, and runs it on
    // the calling thread. What the work throws is the source's to keep: it
    // must not escape.
    virtual void runOne() noexcept = 0;
};

}  // namespace zentrel
