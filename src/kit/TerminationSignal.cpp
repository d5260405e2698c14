#include "kit/TerminationSignal.h"

#include <csignal>

#include <QCoreApplication>

#include "platform/SignalNotifier.h"

namespace fennimar::TerminationSignal {

namespace {
platform::SignalNotifier *source = nullptr;
} // namespace

void install()
{
    install([] { QCoreApplication::quit(); });
}

void install(std::function<void()> onTerminate)
{
    if (source)
        return;
    // Kept for the life of the process, like the handler it stands for.
    source = new platform::SignalNotifier(SIGTERM);
    QObject::connect(source, &platform::SignalNotifier::received, source,
                     [onTerminate = std::move(onTerminate)] { onTerminate(); });
}

} // namespace fennimar::TerminationSignal
