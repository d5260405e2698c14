#pragma once

#include <optional>

#include <QString>

#include "platform/Bundle.h"

namespace fennimar {

// The application's version as three dotted whole numbers ("1.4.0"), for
// comparisons and for people; the information list's text may be anything.
class AppVersion final {
public:
    AppVersion() = delete;

    static inline const QString fallback = QStringLiteral("1.0.0");

    // The bundle's "CFBundleShortVersionString", normalised; read on every call.
    static QString current(const platform::Bundle &bundle);
    static QString current();

    // Up to the first three dot-separated pieces, each cut to its leading
    // digits ("1.2b.3" is 1.2.3), padded with zeros; "1.0.0" when there is
    // no first number to keep.
    static QString normalize(const std::optional<QString> &version);
};

} // namespace fennimar
