#pragma once

#include <functional>
#include <set>

#include <QString>

#include "kit/AutomationStatus.h"

namespace halvex {

class BrowserURLProbe;
class PersistenceController;

// Which probed browsers refused to be read, and which have yet to decide,
// for the trigger watcher's browser road. The refusals are kept in the
// settings record; either kind puts the application in limited mode.
// Main thread only.
class BrowserPermissions final {
public:
    using AutomationStatusFunction = std::function<fennimar::AutomationStatus(const QString &)>;

    BrowserPermissions(PersistenceController &persistence,
                       AutomationStatusFunction automationStatus);

    // Reads the refusals from the settings record; nothing stored keeps
    // what is known.
    void load();
    // Whether the browser may be read now. A refused browser whose
    // permission has come back is forgiven; a browser driven by Apple events
    // whose permission is undetermined is never read, and limited mode is
    // asked for once per stay among the undecided.
    bool mayProbe(BrowserURLProbe &probe, const QString &bundleId);
    // A read was refused.
    void recordDenied(const QString &bundleId);

    const std::set<QString> &denied() const { return m_denied; }
    const std::set<QString> &undecided() const { return m_undecided; }

private:
    void persistDenied();
    void flipToLimitedMode();

    PersistenceController &m_persistence;
    AutomationStatusFunction m_automationStatus;
    std::set<QString> m_denied;
    std::set<QString> m_undecided;
};

} // namespace halvex
