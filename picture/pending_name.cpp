// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/pending_name.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <utility>

namespace zentrel {
namespace {

// A slot's life: taken while its name is copied in, named while a handler
// may remove its file, and held by a handler while it does so.
enum SlotState : int { kFree, kFilling, kNamed, kRemoving };

// A signal handler reads the slots, so they are claimed and released by
// atomic operations alone: no lock, nothing a handler could wait on.
struct Slot {
    std::atomic<int> state{kFree};
    char name[PATH_MAX];
};
static_assert(std::atomic<int>::is_always_lock_free);

Slot slots[PendingName::kPendingSlots];

extern "C" void removePendingAndEnd(int signal)
{
    const int savedErrno = errno;
    removePendingFiles();
    errno = savedErrno;
    // SA_RESETHAND has restored the default action: the signal ends the
    // process once this handler returns.
    raise(signal);
}

// The signals that end a process by default and can be caught. One that is
// ignored, as nohup leaves SIGHUP, stays ignored.
void removePendingOnSignals()
{
    static const bool installed = [] {
        for (int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGALRM, SIGPIPE,
                           SIGXCPU, SIGVTALRM, SIGPROF}) {
            struct sigaction old {};
            if (sigaction(signal, nullptr, &old) != 0) continue;
            if ((old.sa_flags & SA_SIGINFO) || old.sa_handler != SIG_DFL) continue;
            struct sigaction action {};
            action.sa_handler = removePendingAndEnd;
            action.sa_flags = SA_RESETHAND;
            sigemptyset(&action.sa_mask);
            sigaction(signal, &action, nullptr);
        }
        return true;
    }();
    (void)installed;
}

// A free slot holding the name, or -1 when none is free.
int claimSlot(const std::string& name)
{
    for (int i = 0; i < PendingName::kPendingSlots; ++i) {
        int expected = kFree;
        if (!slots[i].state.compare_exchange_strong(expected, kFilling)) continue;
        name.copy(slots[i].name, name.size());
        slots[i].name[name.size()] = '\0';
        slots[i].state.store(kNamed, std::memory_order_release);
        return i;
    }
    return -1;
}

void releaseSlot(int slot)
{
    // A handler removing the file holds the slot for as long as an unlink
    // takes, on another thread; it gives it back before the process ends.
    for (int expected = kNamed; !slots[slot].state.compare_exchange_weak(expected, kFree);)
        expected = kNamed;
}

}  // namespace

PendingName::PendingName(std::string name) : name_(std::move(name))
{
    if (name_.size() >= PATH_MAX) return;  // no such name can be created
    removePendingOnSignals();
    slot_ = claimSlot(name_);
}

PendingName::PendingName(PendingName&& other) noexcept
    : name_(std::move(other.name_)), slot_(std::exchange(other.slot_, -1))
{
    other.name_.clear();
}

PendingName& PendingName::operator=(PendingName&& other) noexcept
{
    if (this == &other) return *this;
    forget();
    name_ = std::move(other.name_);
    other.name_.clear();
    slot_ = std::exchange(other.slot_, -1);
    return *this;
}

PendingName::~PendingName() { forget(); }

void PendingName::forget()
{
    if (slot_ >= 0) releaseSlot(slot_);
    slot_ = -1;
    name_.clear();
}

void removePendingFiles()
{
    for (Slot& slot : slots) {
        int expected = kNamed;
        if (!slot.state.compare_exchange_strong(expected, kRemoving, std::memory_order_acquire))
            continue;
        unlink(slot.name);
        slot.state.store(kNamed, std::memory_order_release);
    }
}

}  // namespace zentrel
