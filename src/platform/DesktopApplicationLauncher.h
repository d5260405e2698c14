#pragma once

#include "platform/ApplicationLaunching.h"
#include "platform/DesktopEntryIndex.h"

namespace platform {

// Applications are their ".desktop" files: the location is the file's path,
// and opening runs its Exec line as a detached process.
class DesktopApplicationLauncher final : public ApplicationLaunching {
public:
    explicit DesktopApplicationLauncher(const DesktopEntryIndex &index)
        : m_index(index)
    {}

    std::optional<QString> applicationLocation(const QString &bundleIdentifier) const override;
    Expected<void, QString> openApplication(const QString &location,
                                            const OpenConfiguration &configuration) override;

private:
    const DesktopEntryIndex &m_index;
};

} // namespace platform
