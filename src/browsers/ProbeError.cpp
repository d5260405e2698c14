#include "browsers/ProbeError.h"

namespace halvex {

QString ProbeError::description() const
{
    switch (m_kind) {
    case Kind::scriptFailure:
        return u"scriptFailure(" + m_message + u')';
    case Kind::automationDenied:
        return QStringLiteral("automationDenied");
    case Kind::accessibilityDenied:
        return QStringLiteral("accessibilityDenied");
    case Kind::notRunning:
        return QStringLiteral("notRunning");
    }
    return {};
}

} // namespace halvex
