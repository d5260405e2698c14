#pragma once

#include <cstddef>

#include <QList>
#include <QStringList>

namespace platform::StackTrace {

// Readies the two calls below for use inside a signal handler: the C
// library loads its unwinder on the first backtrace (which allocates), and
// symbols are written through a pipe made here. Call once, early.
void prepare();

// The return addresses of the calling thread's stack, innermost first, at
// most `limit`, zero entries dropped. Safe in a signal handler after prepare().
int capture(quint64 *addresses, int limit);

// One text line per address ("binary(symbol+0x1c) [0x5555...]"), separated
// by '\n', written into `out` without allocating; lines that do not fit
// are left out. Returns the bytes written. Safe in a signal handler after
// prepare(); without it, writes nothing.
std::size_t symbolize(const quint64 *addresses, int count, char *out, std::size_t capacity);

// The same lines, outside signal handlers.
QStringList symbols(const QList<quint64> &addresses);

} // namespace platform::StackTrace
