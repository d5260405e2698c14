#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

// Delivers a Unix signal to the main thread as a Qt signal. The handler
// only writes a byte to a pipe; a socket notifier on the other end emits
// received() from the event loop. The signal is caught, not ignored, so
// programs we start get its default action back on exec. One notifier per
// signal number at a time; the previous action returns when it is destroyed.
class SignalNotifier final : public QObject {
    Q_OBJECT
public:
    explicit SignalNotifier(int signal, QObject *parent = nullptr);
    ~SignalNotifier() override;
    Q_DISABLE_COPY_MOVE(SignalNotifier)

    // False when the pipe or the handler could not be set up.
    bool isActive() const { return m_notifier != nullptr; }

signals:
    // Once per delivery the kernel made (deliveries of one signal that
    // arrive together may merge, as the kernel merges pending signals).
    void received();

private:
    void drain();

    int m_signal;
    int m_readFd = -1;
    int m_writeFd = -1;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace platform
