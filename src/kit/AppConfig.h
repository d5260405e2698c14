#pragma once

#include <optional>

#include <QString>
#include <QUrl>

#include "kit/DistributionChannel.h"
#include "platform/Bundle.h"

namespace fennimar {

// The host application's identity and backend, read once at start-up; every
// service of the library keeps its own copy.
struct AppConfig final {
    // The maker's backend: https, no path.
    static inline const QString backendBase = QStringLiteral("https://fennimar.example");

    QString slug;
    QString bundleId;
    QString appName;
    QString version;
    QString build;
    QString supportEmail;
    QUrl backendBaseURL;
    std::optional<QUrl> feedURL;
    std::optional<QString> edDSAPublicKey;
    DistributionChannel channel = DistributionChannel::direct;

    // Never fails: every missing or mistyped key of the information list
    // falls back ("unknown.bundle", the slug, "0.0.0", "0", nothing). Without
    // a channel, the bundle's own is read.
    static AppConfig fromBundle(const platform::Bundle &bundle, const QString &slug,
                                const QString &supportEmail,
                                std::optional<DistributionChannel> channel = std::nullopt);
    static AppConfig fromMainBundle(const QString &slug, const QString &supportEmail,
                                    std::optional<DistributionChannel> channel = std::nullopt);

    // What the library says it is to the backend:
    // "<appName>/<version> (build <build>; FennimarKit)".
    QString userAgent() const;
    // The backend address with the path appended to its own ("/api/telemetry").
    QUrl backendURL(const QString &path) const;

    bool operator==(const AppConfig &) const = default;
};

} // namespace fennimar
