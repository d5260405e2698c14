#pragma once

#include <memory>

#include "kit/LaunchAtLoginBackend.h"

namespace fennimar {

// Launch at login through the desktop session's login item.
class AutostartBackend final : public LaunchAtLoginBackend {
public:
    // This application's autostart entry when none is given.
    explicit AutostartBackend(std::shared_ptr<platform::LoginItem> item = {});

    static LaunchAtLoginStatus fromPlatform(platform::LoginItemStatus status);

    LaunchAtLoginStatus status() const override { return fromPlatform(m_item->status()); }
    platform::Expected<void, platform::LoginItemError> registerItem() override
    {
        return m_item->registerItem();
    }
    platform::Expected<void, platform::LoginItemError> unregisterItem() override
    {
        return m_item->unregisterItem();
    }

private:
    std::shared_ptr<platform::LoginItem> m_item;
};

} // namespace fennimar
