#include "platform/SignalNotifier.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

#include <QPointer>
#include <QSocketNotifier>

namespace platform {

namespace {

// The write end of each signal's pipe, plus one: zero means none.
std::array<std::atomic<int>, NSIG> writeEnds{};
std::array<struct sigaction, NSIG> previousActions{};

void onSignal(int signal)
{
    const int savedErrno = errno;
    const int fd = writeEnds[std::size_t(signal)].load() - 1;
    if (fd >= 0) {
        const char byte = 1;
        // A full pipe already holds a wake-up: losing this byte loses nothing.
        [[maybe_unused]] const ssize_t n = write(fd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

SignalNotifier::SignalNotifier(int signal, QObject *parent)
    : QObject(parent)
    , m_signal(signal)
{
    if (signal <= 0 || signal >= NSIG || writeEnds[std::size_t(signal)].load() != 0)
        return;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_readFd = fds[0];
    m_writeFd = fds[1];
    writeEnds[std::size_t(signal)] = m_writeFd + 1;

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (sigaction(signal, &action, &previousActions[std::size_t(signal)]) != 0) {
        writeEnds[std::size_t(signal)] = 0;
        close(m_readFd);
        close(m_writeFd);
        m_readFd = m_writeFd = -1;
        return;
    }
    m_notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalNotifier::drain);
}

SignalNotifier::~SignalNotifier()
{
    if (!m_notifier)
        return;
    sigaction(m_signal, &previousActions[std::size_t(m_signal)], nullptr);
    writeEnds[std::size_t(m_signal)] = 0;
    delete m_notifier;
    close(m_readFd);
    close(m_writeFd);
}

void SignalNotifier::drain()
{
    char bytes[64];
    ssize_t n;
    int count = 0;
    while ((n = read(m_readFd, bytes, sizeof bytes)) > 0)
        count += int(n);
    // A receiver may delete us.
    const QPointer<SignalNotifier> alive(this);
    for (int i = 0; i < count && alive; ++i)
        emit received();
}

} // namespace platform
