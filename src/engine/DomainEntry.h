#pragma once

#include <QString>

namespace halvex {

// The first normal form of a domain the user typed: blanks and tabs trimmed,
// lower-cased, one leading "https://" or else "http://" dropped, cut before
// the first "?" or "#", any leading "*." or "." dropped, and a port after
// the host dropped. So "*.reddit.com", ".reddit.com" and "reddit.com:443"
// all become "reddit.com", and "localhost:8080" becomes "localhost". Typed
// a key at a time, a port goes with its first digit, as a query goes with
// its "?".
QString normalizedDomainEntry(const QString &text);

} // namespace halvex
