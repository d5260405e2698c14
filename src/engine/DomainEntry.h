#pragma once

#include <QString>

namespace halvex {

// The first normal form of a domain the user typed: blanks and tabs trimmed,
// lower-cased, one leading "https://" or else "http://" dropped, and cut
// before the first "?" or "#".
QString normalizedDomainEntry(const QString &text);

} // namespace halvex
