#pragma once

#include <QString>

namespace halvex::DomainListInput {

// The first normal form of a domain the user typed: blanks and tabs trimmed,
// lower-cased, one leading "https://" or else "http://" dropped, cut before
// the first "?" or "#", any leading "*." or "." dropped, and a port after
// the host dropped. So "*.reddit.com", ".reddit.com" and "reddit.com:443"
// all become "reddit.com", and "localhost:8080" becomes "localhost".
QString normalizedEntry(const QString &text);

} // namespace halvex::DomainListInput
