#pragma once

#include <QMetaType>

namespace halvex {

// A permission as the permission screens show it: not asked about yet,
// held, or refused.
enum class PermissionStatus { unchecked, granted, denied };

} // namespace halvex

Q_DECLARE_METATYPE(halvex::PermissionStatus)
