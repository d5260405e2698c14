#pragma once

#include <optional>

#include <QString>
#include <QUrl>

namespace halvex {

// The address a browser reports for its page, read the way browsers write
// it: characters they leave unescaped in a query or path ("|", "{", a stray
// "%") are taken as they come, so the page is still matched by its host and
// path. Nothing for empty text, text that is no URL at all, or an address
// without a scheme.
std::optional<QUrl> browserURL(const QString &text);

} // namespace halvex
