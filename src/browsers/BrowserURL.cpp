#include "browsers/BrowserURL.h"

namespace halvex {

std::optional<QUrl> browserURL(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    // Strict parsing would drop such a page and with it the trigger: a
    // "?|" appended to a blocked address would get past its streak.
    const QUrl parsed(text, QUrl::TolerantMode);
    if (!parsed.isValid() || parsed.isRelative())
        return std::nullopt;
    return parsed;
}

} // namespace halvex
