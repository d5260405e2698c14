#include "kit/AppConfig.h"

namespace fennimar {

AppConfig AppConfig::fromBundle(const platform::Bundle &bundle, const QString &slug,
                                const QString &supportEmail,
                                std::optional<DistributionChannel> channel)
{
    AppConfig config;
    config.slug = slug;
    config.bundleId = bundle.bundleIdentifier().value_or(QStringLiteral("unknown.bundle"));
    config.appName = bundle.stringValue(QStringLiteral("CFBundleName")).value_or(slug);
    // Kept as written: only AppVersion normalises.
    config.version = bundle.stringValue(QStringLiteral("CFBundleShortVersionString"))
                         .value_or(QStringLiteral("0.0.0"));
    config.build =
        bundle.stringValue(QStringLiteral("CFBundleVersion")).value_or(QStringLiteral("0"));
    config.supportEmail = supportEmail;
    config.backendBaseURL = QUrl(backendBase);
    if (const auto feed = bundle.stringValue(QStringLiteral("SUFeedURL"))) {
        const QUrl url(*feed, QUrl::StrictMode);
        if (url.isValid() && !feed->isEmpty())
            config.feedURL = url;
    }
    config.edDSAPublicKey = bundle.stringValue(QStringLiteral("SUPublicEDKey"));
    config.channel = channel ? *channel : currentDistributionChannel(bundle);
    return config;
}

AppConfig AppConfig::fromMainBundle(const QString &slug, const QString &supportEmail,
                                    std::optional<DistributionChannel> channel)
{
    return fromBundle(platform::Bundle::main(), slug, supportEmail, channel);
}

QString AppConfig::userAgent() const
{
    return appName + u'/' + version + u" (build " + build + u"; FennimarKit)";
}

QUrl AppConfig::backendURL(const QString &path) const
{
    QUrl url = backendBaseURL;
    QString base = url.path();
    while (base.endsWith(u'/'))
        base.chop(1);
    url.setPath(base + path);
    return url;
}

} // namespace fennimar
