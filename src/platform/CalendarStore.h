#pragma once

#include <QFuture>

namespace platform {

// Whether this application may read the user's calendar events.
enum class CalendarAuthorizationStatus {
    notDetermined = 0,
    restricted = 1,
    denied = 2,
    fullAccess = 3,
    writeOnly = 4,
};

// The user's calendar events, as far as permissions go.
class CalendarStore {
public:
    virtual ~CalendarStore() = default;

    virtual CalendarAuthorizationStatus authorizationStatus() const = 0;
    // Drops what the store has cached, so the next read sees the system's state.
    virtual void reset() = 0;
    // Asks for full access to events; true when granted. Never fails.
    virtual QFuture<bool> requestFullAccessToEvents() = 0;
};

} // namespace platform
