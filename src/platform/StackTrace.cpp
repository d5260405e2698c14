#include "platform/StackTrace.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>

#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

namespace platform::StackTrace {

namespace {

constexpr int maxFrames = 256;
std::atomic<int> symbolReadFd{-1};
std::atomic<int> symbolWriteFd{-1};

} // namespace

void prepare()
{
    void *warmUp[4];
    backtrace(warmUp, 4);
    if (symbolWriteFd.load() >= 0)
        return;
    // Non-blocking both ways: a full pipe drops lines instead of hanging a
    // dying process, and reading stops when it is empty.
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    symbolReadFd = fds[0];
    symbolWriteFd = fds[1];
}

int capture(quint64 *addresses, int limit)
{
    void *frames[maxFrames];
    const int n = backtrace(frames, std::clamp(limit, 0, maxFrames));
    int kept = 0;
    for (int i = 0; i < n; ++i) {
        if (frames[i])
            addresses[kept++] = quint64(reinterpret_cast<quintptr>(frames[i]));
    }
    return kept;
}

std::size_t symbolize(const quint64 *addresses, int count, char *out, std::size_t capacity)
{
    const int readFd = symbolReadFd.load();
    const int writeFd = symbolWriteFd.load();
    if (readFd < 0 || writeFd < 0 || capacity == 0)
        return 0;
    void *frames[maxFrames];
    count = std::clamp(count, 0, maxFrames);
    for (int i = 0; i < count; ++i)
        frames[i] = reinterpret_cast<void *>(quintptr(addresses[i]));
    // backtrace_symbols_fd does not allocate, unlike backtrace_symbols.
    backtrace_symbols_fd(frames, count, writeFd);

    std::size_t size = 0;
    std::size_t lineStart = 0;
    char chunk[512];
    for (;;) {
        const ssize_t n = read(readFd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        for (ssize_t i = 0; i < n; ++i) {
            if (size < capacity)
                out[size] = chunk[i];
            ++size;
            if (chunk[i] == '\n') {
                // A line that did not fit whole is dropped.
                if (size > capacity)
                    size = lineStart;
                lineStart = size;
            }
        }
    }
    return std::min(lineStart, capacity);
}

QStringList symbols(const QList<quint64> &addresses)
{
    QList<void *> frames;
    frames.reserve(addresses.size());
    for (const quint64 address : addresses)
        frames << reinterpret_cast<void *>(quintptr(address));
    QStringList lines;
    char **texts = backtrace_symbols(frames.data(), int(frames.size()));
    if (!texts)
        return lines;
    for (qsizetype i = 0; i < frames.size(); ++i)
        lines << QString::fromUtf8(texts[i]);
    std::free(texts);
    return lines;
}

} // namespace platform::StackTrace
