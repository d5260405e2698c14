#include "platform/FatalSignals.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>

#include <fcntl.h>
#include <unistd.h>

namespace platform::FatalSignals {

namespace {

// Static, so that it exists before any allocator state may be broken.
constexpr std::size_t alternateStackSize = 128 * 1024;
alignas(16) char alternateStack[alternateStackSize];

void useAlternateStack()
{
    stack_t current{};
    if (sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE) &&
        current.ss_size >= alternateStackSize)
        return;
    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = std::max<std::size_t>(alternateStackSize, MINSIGSTKSZ);
    stack.ss_flags = 0;
    sigaltstack(&stack, nullptr);
}

} // namespace

void install(std::initializer_list<int> signalNumbers, void (*handler)(int))
{
    useAlternateStack();
    for (const int signal : signalNumbers) {
        struct sigaction action {};
        action.sa_handler = handler;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_ONSTACK;
        sigaction(signal, &action, nullptr);
    }
}

void restoreDefaultAndRaise(int signal)
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    raise(signal);
}

qint64 wallClockMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000 + qint64(now.tv_nsec) / 1000000;
}

bool writeFileAtomically(const char *stagingPath, const char *finalPath, const char *data,
                         std::size_t size)
{
    const int fd = open(stagingPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = write(fd, data + written, size - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += std::size_t(n);
    }
    const bool complete = written == size && fsync(fd) == 0;
    close(fd);
    if (!complete || rename(stagingPath, finalPath) != 0) {
        unlink(stagingPath);
        return false;
    }
    return true;
}

} // namespace platform::FatalSignals
