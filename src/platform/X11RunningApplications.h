#pragma once

#include "platform/ApplicationIdentity.h"
#include "platform/RunningApplications.h"
#include "platform/X11Connection.h"

namespace platform {

// The running applications are the processes behind the top-level windows,
// each named by the shared application identity.
class X11RunningApplications final : public RunningApplications {
public:
    X11RunningApplications(const X11Connection &connection, const ApplicationIdentity &identity)
        : m_connection(connection)
        , m_identity(identity)
    {}

    QList<RunningApplication> runningApplications() const override;

private:
    const X11Connection &m_connection;
    const ApplicationIdentity &m_identity;
};

} // namespace platform
