#pragma once

#include <QString>

namespace halvex {

// The first normal form of a domain the user typed: blanks and tabs trimmed,
// lower-cased, one leading "https://" or else "http://" dropped, cut before
// the first "?" or "#", any leading "*." or "." dropped, and a port after
// the host dropped. So "*.reddit.com", ".reddit.com" and "reddit.com:443"
// all become "reddit.com", and "localhost:8080" becomes "localhost". It
// depends on the whole text: a half-typed "localhost:" is not yet the
// "localhost" that "localhost:8080" becomes, so a field being typed in is
// never rewritten with it.
QString normalizedDomainEntry(const QString &text);

// Whether `text`, trimmed of blanks (not line breaks), is a host name and
// nothing else: two or more labels joined by single dots, each 1 to 63 ASCII
// letters, digits or inner hyphens ("example.com", "News.Example.COM"). No
// scheme, path, port, space or trailing dot.
bool isSiteDomain(const QString &text);

// Whether an entry in its normal form can match a page at all: a host,
// optionally followed by "/" and a path, read as matching reads a rule (one
// more scheme before the host is dropped there). The host is made of the
// labels isSiteDomain() takes, where one label will do ("localhost" matches
// that label under any parent), an internationalised name counts in its
// ASCII form and one trailing dot may end it; or it is an IP address
// ("127.0.0.1", "[::1]"). No page's host is ever written like "*reddit.com",
// "user@reddit.com", "javascript:alert(1)" or "my site.com", so a rule
// holding one blocks nothing. The empty entry is no site either.
bool isSiteEntry(const QString &entry);

// What a row of the site list stores for the text in its field: the normal
// form when that is a site (or is empty), else the empty entry, so text that
// cannot match is never stored.
QString storedDomainEntry(const QString &text);

} // namespace halvex
