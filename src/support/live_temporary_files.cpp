#include "support/live_temporary_files.h"

#include <array>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace karnoth {
namespace {

// A fixed table, so that the signal handler reads it without locks or allocation. A slot is
// claimed (Claimed), filled, then published (Live); the handler only reads Live slots.
enum SlotState : int { Free, Claimed, Live };

struct Slot {
    std::atomic<int> state{Free};
    char path[PATH_MAX] = {};
};

constexpr int kSlots = 32;  // saves in flight at once: one per thread at most in practice
std::array<Slot, kSlots> slots;

struct sigaction previousInterrupt { };
struct sigaction previousTerminate { };

extern "C" void removeLiveFilesAndRaise(int signal)
{
    for (Slot& slot : slots)
        if (slot.state.load(std::memory_order_acquire) == Live) ::unlink(slot.path);
    ::sigaction(signal, signal == SIGINT ? &previousInterrupt : &previousTerminate, nullptr);
    ::raise(signal);
}

void installHandlerOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action { };
        action.sa_handler = removeLiveFilesAndRaise;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        // A signal the process ignores (nohup, a shell's background job) stays ignored.
        ::sigaction(SIGINT, nullptr, &previousInterrupt);
        if (previousInterrupt.sa_handler != SIG_IGN) ::sigaction(SIGINT, &action, &previousInterrupt);
        ::sigaction(SIGTERM, nullptr, &previousTerminate);
        if (previousTerminate.sa_handler != SIG_IGN) ::sigaction(SIGTERM, &action, &previousTerminate);
    });
}

}  // namespace

LiveTemporaryFile::LiveTemporaryFile(const std::string& path)
{
    installHandlerOnce();
    if (path.size() >= PATH_MAX) return;
    for (int i = 0; i < kSlots; ++i) {
        int expected = Free;
        if (!slots[i].state.compare_exchange_strong(expected, Claimed, std::memory_order_acq_rel)) continue;
        std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
        slots[i].state.store(Live, std::memory_order_release);
        slot_ = i;
        return;
    }
}

void LiveTemporaryFile::release()
{
    if (slot_ < 0) return;
    slots[slot_].state.store(Free, std::memory_order_release);
    slot_ = -1;
}

}  // namespace karnoth
