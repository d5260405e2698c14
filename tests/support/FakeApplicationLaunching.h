#pragma once

#include <functional>

#include <QList>
#include <QMap>

#include "platform/ApplicationLaunching.h"

namespace testing {

// Installed applications the test lists; opening one is only recorded.
class FakeApplicationLaunching final : public platform::ApplicationLaunching {
public:
    std::optional<QString> applicationLocation(const QString &bundleIdentifier) const override
    {
        const auto it = locations.constFind(bundleIdentifier);
        return it == locations.cend() ? std::nullopt : std::optional<QString>(*it);
    }

    platform::Expected<void, QString>
    openApplication(const QString &location,
                    const platform::OpenConfiguration &configuration) override
    {
        opened.append({location, configuration});
        if (onOpen)
            onOpen(location);
        if (!openFailure.isEmpty())
            return platform::unexpected(openFailure);
        return {};
    }

    QMap<QString, QString> locations;
    // When set, every open fails with this description.
    QString openFailure;
    QList<std::pair<QString, platform::OpenConfiguration>> opened;
    std::function<void(const QString &)> onOpen;
};

} // namespace testing
