#include "kit/AutostartBackend.h"

#include "platform/XdgAutostartEntry.h"

namespace fennimar {

AutostartBackend::AutostartBackend(std::shared_ptr<platform::LoginItem> item)
    : m_item(item ? std::move(item)
                  : std::make_shared<platform::XdgAutostartEntry>(
                        platform::XdgAutostartEntry::forThisApplication()))
{}

LaunchAtLoginStatus AutostartBackend::fromPlatform(platform::LoginItemStatus status)
{
    switch (status) {
    case platform::LoginItemStatus::notRegistered:
        return LaunchAtLoginStatus::notRegistered;
    case platform::LoginItemStatus::enabled:
        return LaunchAtLoginStatus::enabled;
    case platform::LoginItemStatus::requiresApproval:
        return LaunchAtLoginStatus::requiresApproval;
    case platform::LoginItemStatus::notFound:
        return LaunchAtLoginStatus::notFound;
    }
    return LaunchAtLoginStatus::unknown;
}

} // namespace fennimar
