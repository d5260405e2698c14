#pragma once

#include <QHash>

#include "platform/TaskbarPresence.h"

namespace testing {

// A task bar that remembers which windows were left out of it.
class FakeTaskbarPresence final : public platform::TaskbarPresence {
public:
    bool available = true;
    QHash<const QWindow *, bool> skipping;
    int requests = 0;

    bool isAvailable() const override { return available; }
    void setSkippingTaskbar(QWindow *window, bool skip) override
    {
        ++requests;
        skipping[window] = skip;
    }
    bool isSkippingTaskbar(const QWindow *window) const override { return skipping.value(window); }
};

} // namespace testing
