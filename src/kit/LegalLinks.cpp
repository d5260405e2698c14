#include "kit/LegalLinks.h"

#include <QUrlQuery>

namespace fennimar {

namespace {

// The maker's own addresses, fixed in the library.
const QString siteRoot = QStringLiteral("https://fennimar.example");
const QString developerAddress = QStringLiteral("https://fennimar.example/developer");
const QString supportEmail = QStringLiteral("support@fennimar.example");

// A link that does not form a valid address is a mistake in this file, not
// something to handle while running.
QUrl checked(const QUrl &url)
{
    Q_ASSERT_X(url.isValid() && !url.scheme().isEmpty(), "LegalLinks", "invalid fixed link");
    return url;
}

QUrl onSite(const QString &path)
{
    QUrl url(siteRoot);
    url.setPath(path);
    return checked(url);
}

} // namespace

QUrl LegalLinks::website()
{
    static const QUrl url = checked(QUrl(siteRoot));
    return url;
}

QUrl LegalLinks::privacy()
{
    static const QUrl url = onSite(QStringLiteral("/legal/privacy"));
    return url;
}

QUrl LegalLinks::terms()
{
    static const QUrl url = onSite(QStringLiteral("/legal/terms"));
    return url;
}

QUrl LegalLinks::moreApps()
{
    static const QUrl url = onSite(QStringLiteral("/apps"));
    return url;
}

QUrl LegalLinks::developerPage()
{
    static const QUrl url = checked(QUrl(developerAddress));
    return url;
}

QString LegalLinks::supportAddress()
{
    return supportEmail;
}

QUrl LegalLinks::supportMail()
{
    static const QUrl url = checked(QUrl(u"mailto:" + supportEmail));
    return url;
}

QUrl LegalLinks::appPage(const QString &slug)
{
    return onSite(u"/apps/" + slug);
}

QUrl LegalLinks::appSubpage(const QString &slug, const QString &page)
{
    return onSite(u"/apps/" + slug + u'/' + page);
}

QUrl LegalLinks::feedback(const QString &slug, const std::optional<QString> &version,
                          DistributionChannel channel)
{
    QUrl url = onSite(QStringLiteral("/feedback"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("app"), slug);
    if (version)
        query.addQueryItem(QStringLiteral("v"), *version);
    query.addQueryItem(QStringLiteral("ch"), raw(channel));
    url.setQuery(query);
    return url;
}

} // namespace fennimar
