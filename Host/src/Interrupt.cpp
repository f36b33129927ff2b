#include "Interrupt.h"

#include <atomic>
#include <csignal>

// Lock-free, so the handler may set it (on Windows from another thread).
static std::atomic<bool> InterruptFlag(false);

extern "C" void InterruptHandler(int signal)
{
    // A second Ctrl-C ends the program at once, should a reading hang.
    if (InterruptFlag.exchange(true)) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
}

void InterruptCatch()
{
    std::signal(SIGINT, InterruptHandler);
    std::signal(SIGTERM, InterruptHandler);
}

bool InterruptRequested()
{
    return InterruptFlag.load();
}
