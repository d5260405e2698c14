#include "browsers/FirefoxBridge.h"

#include "browsers/AXURLReader.h"

namespace halvex {

FirefoxBridge::FirefoxBridge(AccessibilityBridgeServices services, QObject *parent)
    : AccessibilityBrowserBridge(std::move(services), parent)
{}

FirefoxBridge::~FirefoxBridge() = default;

std::optional<QString> FirefoxBridge::readAddress()
{
    return services().reader->readURL(bundleIdentifier());
}

} // namespace halvex
