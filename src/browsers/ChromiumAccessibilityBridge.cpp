#include "browsers/ChromiumAccessibilityBridge.h"

#include "browsers/AXURLReader.h"
#include "platform/Log.h"

namespace halvex {

ChromiumAccessibilityBridge::ChromiumAccessibilityBridge(QString bundleIdentifier, QString name,
                                                         AccessibilityBridgeServices services,
                                                         QString installedIdentifier,
                                                         QObject *parent)
    : AccessibilityBrowserBridge(std::move(services), std::move(installedIdentifier), parent)
    , m_bundleIdentifier(std::move(bundleIdentifier))
    , m_name(std::move(name))
{}

ChromiumAccessibilityBridge::~ChromiumAccessibilityBridge() = default;

std::optional<QString> ChromiumAccessibilityBridge::readAddress()
{
    std::optional<QString> address = services().reader->readDocumentURL(m_bundleIdentifier);
    if (address) {
        forget();
        return address;
    }
    if (const std::optional<platform::RunningApplication> browser =
            services().workspace->frontmostOf(m_bundleIdentifier))
        judge(browser->processIdentifier, false);
    return address;
}

bool ChromiumAccessibilityBridge::checkUnreadable()
{
    const std::optional<platform::RunningApplication> browser =
        services().workspace->frontmostOf(m_bundleIdentifier);
    // With accessibility off no browser is on the bus, and that is the gap
    // the user is shown instead.
    if (!browser || !services().trust->isTrusted()) {
        forget();
        return false;
    }
    judge(browser->processIdentifier, true);
    return m_needsRestart;
}

void ChromiumAccessibilityBridge::judge(qint32 pid, bool byStartTime)
{
    // A process that cannot be told cannot be looked for on the bus either.
    if (pid <= 0) {
        forget();
        return;
    }
    const auto found = services().accessibility->findApplication(pid);
    // A bus that did not answer tells nothing either way: what was known stays.
    if (!found)
        return;
    if (!found->isNull()) {
        forget();
        return;
    }
    const QDateTime now = services().clock();
    if (!m_absence || m_absence->processIdentifier != pid) {
        m_absence = Absence{pid, now};
        m_needsRestart = false;
    }
    if (m_needsRestart)
        return;
    QDateTime since = m_absence->since;
    if (byStartTime) {
        if (const std::optional<QDateTime> started = services().processStartTime(pid);
            started && *started < since)
            since = *started;
    }
    if (since.msecsTo(now) < qint64(joinGraceSeconds * 1000))
        return;
    m_needsRestart = true;
    platform::log::permissions().notice(
        "%s (process %d) is not on the accessibility bus: it was started before accessibility "
        "was switched on, and its pages cannot be read until it is quit and opened again",
        {m_name, pid});
}

void ChromiumAccessibilityBridge::forget()
{
    m_absence.reset();
    m_needsRestart = false;
}

std::optional<QString> ChromiumAccessibilityBridge::unreadableReason() const
{
    if (!m_needsRestart)
        return std::nullopt;
    //% "%1 was opened before accessibility was switched on, so Halvex cannot read "
    //% "its pages. Quit %1 and open it again."
    return qtTrId("permissions.browser.restartToRead").arg(m_name);
}

} // namespace halvex
