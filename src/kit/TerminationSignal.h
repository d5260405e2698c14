#pragma once

#include <functional>

namespace fennimar {

// Turns SIGTERM into the application's ordinary quit, so that its quit path
// runs instead of the process ending at once.
namespace TerminationSignal {

// From then on each SIGTERM asks the application to quit, from the event
// loop. Later calls do nothing. Main thread, with the application object made.
void install();
// The same, with the application's own quit path run instead of a plain
// quit, so that it runs whatever asks for the stop.
void install(std::function<void()> onTerminate);

} // namespace TerminationSignal
} // namespace fennimar
