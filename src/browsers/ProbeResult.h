#pragma once

#include <optional>

#include <QDateTime>
#include <QMetaType>
#include <QUrl>

#include "browsers/ProbeError.h"

namespace halvex {

// One observation of a browser's front tab. At most one of url and error is
// present; neither when the browser was not running.
struct ProbeResult {
    QString bundleIdentifier;
    QString name;
    std::optional<QUrl> url;
    std::optional<ProbeError> error;
    QDateTime timestamp;
};

} // namespace halvex

Q_DECLARE_METATYPE(halvex::ProbeResult)
