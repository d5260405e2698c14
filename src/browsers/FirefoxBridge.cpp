#include "browsers/FirefoxBridge.h"

#include "browsers/AXURLReader.h"

namespace halvex {

FirefoxBridge::FirefoxBridge(AccessibilityBridgeServices services, QString name,
                             QString installedIdentifier, QObject *parent)
    : AccessibilityBrowserBridge(std::move(services), std::move(installedIdentifier), parent)
    , m_name(std::move(name))
{}

FirefoxBridge::~FirefoxBridge() = default;

std::optional<QString> FirefoxBridge::readAddress()
{
    return services().reader->readURL(bundleIdentifier());
}

} // namespace halvex
