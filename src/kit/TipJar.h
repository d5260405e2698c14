#pragma once

#include <QString>
#include <QUrl>

#include "kit/Telemetry.h"
#include "platform/Workspace.h"

namespace fennimar {

// The maker's tip page, opened from the About tab, the review window and the
// settings sidebar; each opening is counted in telemetry first.
class TipJar final {
public:
    TipJar(const Telemetry &telemetry, platform::Workspace &workspace)
        : m_telemetry(telemetry)
        , m_workspace(workspace)
    {}

    static QUrl url();

    // Sends "tip.open" with {"from": source}, then opens the page; the page
    // opens whether or not telemetry may be sent.
    void open(const QString &source) const;

private:
    const Telemetry &m_telemetry;
    platform::Workspace &m_workspace;
};

} // namespace fennimar
