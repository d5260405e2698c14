#pragma once

#include <cstddef>
#include <initializer_list>

#include <QtGlobal>

namespace platform::FatalSignals {

// Runs `handler` for each of the signal numbers, on an alternate stack of the
// calling thread, so that a thread that overflowed its stack can still
// run it. Installing again replaces the handler.
void install(std::initializer_list<int> signalNumbers, void (*handler)(int));

// Gives the signal back its default action and raises it again, so the
// process ends by the signal it received. From within the handler, the
// raised signal arrives as the handler returns.
void restoreDefaultAndRaise(int signal);

// Milliseconds since 1970-01-01 UTC on the wall clock. Signal-safe.
qint64 wallClockMilliseconds();

// Writes `data` to `stagingPath`, readable and writable by the owner only,
// then renames it to `finalPath`, so that no reader ever sees a partial
// file under the final name. Signal-safe; false on any failure, and the
// staging file is removed then.
bool writeFileAtomically(const char *stagingPath, const char *finalPath, const char *data,
                         std::size_t size);

} // namespace platform::FatalSignals
