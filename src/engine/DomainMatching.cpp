#include "engine/DomainMatching.h"

namespace halvex {

namespace {

void dropLeadingWww(QString &host)
{
    if (host.startsWith(u"www."))
        host.remove(0, 4);
}

// One spelling per host, so that a rule and a URL naming the same host
// compare equal: internationalised names in their ASCII form (a rule may be
// typed either way, and the URL's decoded form depends on the top-level
// domain), and without the trailing dot of a fully qualified name, which
// would otherwise slip past every rule; and an IPv6 address without the
// brackets a rule writes it in, as a URL reports its host.
QString canonicalHost(const QString &host)
{
    QString canonical = host;
    if (canonical.size() > 2 && canonical.startsWith(u'[') && canonical.endsWith(u']'))
        canonical = canonical.mid(1, canonical.size() - 2);
    if (!canonical.isEmpty()) {
        const QByteArray ace = QUrl::toAce(canonical);
        if (!ace.isEmpty())
            canonical = QString::fromLatin1(ace).toLower();
    }
    while (canonical.endsWith(u'.'))
        canonical.chop(1);
    return canonical;
}

} // namespace

QStringList pathSegments(const QString &text)
{
    return text.split(u'/', Qt::SkipEmptyParts);
}

DomainRule parseDomainRule(const QString &rule)
{
    QString text = rule.trimmed().toLower();
    if (text.startsWith(u"https://"))
        text.remove(0, 8);
    else if (text.startsWith(u"http://"))
        text.remove(0, 7);

    // Split at the first "/" only, dropping empty chunks.
    QStringList chunks;
    const qsizetype slash = text.indexOf(u'/');
    const QString head = slash < 0 ? text : text.left(slash);
    const QString tail = slash < 0 ? QString() : text.mid(slash + 1);
    if (!head.isEmpty())
        chunks << head;
    if (!tail.isEmpty())
        chunks << tail;

    DomainRule parsed;
    if (chunks.isEmpty())
        return parsed;
    QString host = chunks.first();
    dropLeadingWww(host);
    parsed.host = host;
    if (chunks.size() > 1) {
        QStringList segments = pathSegments(chunks.at(1));
        if (!segments.isEmpty())
            parsed.pathPrefix = std::move(segments);
    }
    return parsed;
}

bool hostMatches(const QString &ruleHost, const QString &urlHost)
{
    if (ruleHost == urlHost)
        return true;
    if (ruleHost.contains(u'.'))
        return urlHost.endsWith(u'.' + ruleHost);
    const QStringList labels = urlHost.split(u'.', Qt::SkipEmptyParts);
    return labels.contains(ruleHost);
}

bool pathPrefixMatches(const std::optional<QStringList> &rulePath, const QStringList &urlPath)
{
    if (!rulePath || rulePath->isEmpty())
        return true;
    if (urlPath.size() < rulePath->size())
        return false;
    for (qsizetype i = 0; i < rulePath->size(); ++i) {
        if (rulePath->at(i) != urlPath.at(i))
            return false;
    }
    return true;
}

bool matchesDomains(const QUrl &url, const QStringList &rules)
{
    // The host as the URL itself reports it: user info and port are not part
    // of it, so "https://x.com@evil.example/" is evil.example.
    QString host = canonicalHost(url.host(QUrl::EncodeUnicode).toLower());
    if (host.isEmpty())
        return false;
    dropLeadingWww(host);

    const QStringList segments = pathSegments(url.path(QUrl::FullyDecoded).toLower());

    for (const QString &text : rules) {
        const DomainRule rule = parseDomainRule(text);
        if (!rule.host)
            continue;
        const QString ruleHost = canonicalHost(*rule.host);
        if (ruleHost.isEmpty())
            continue;
        if (hostMatches(ruleHost, host) && pathPrefixMatches(rule.pathPrefix, segments))
            return true;
    }
    return false;
}

} // namespace halvex
