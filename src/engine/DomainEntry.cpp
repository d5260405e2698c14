#include "engine/DomainEntry.h"

#include <algorithm>

#include <QHostAddress>
#include <QRegularExpression>
#include <QUrl>

#include "engine/DomainMatching.h"
#include "engine/TrimmedBlanks.h"

namespace halvex {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// One label of a host name as DNS writes it.
constexpr auto label = R"([A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?)";

// Anchored as a whole: a bare "$" would also match before a final line
// break, which the trims leave in place.
const QRegularExpression &dottedName()
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("%1(\\.%1)+").arg(QLatin1String(label))));
    return pattern;
}

const QRegularExpression &anyName()
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("%1(\\.%1)*\\.?").arg(QLatin1String(label))));
    return pattern;
}

bool isSiteHost(const QString &host)
{
    if (host.size() > 2 && host.startsWith(u'[') && host.endsWith(u']'))
        return QHostAddress(host.mid(1, host.size() - 2)).protocol() ==
               QAbstractSocket::IPv6Protocol;
    // An internationalised name is matched in its ASCII form; text that has
    // none (a space, say) is no name.
    const QByteArray ace = QUrl::toAce(host);
    return !ace.isEmpty() && anyName().match(QString::fromLatin1(ace)).hasMatch();
}

} // namespace

QString normalizedDomainEntry(const QString &text)
{
    // Only spaces and tabs: a pasted newline is not trimmed here.
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    QString entry = text.mid(begin, end - begin).toLower();

    if (entry.startsWith(u"https://"))
        entry.remove(0, 8);
    else if (entry.startsWith(u"http://"))
        entry.remove(0, 7);

    qsizetype cut = -1;
    for (qsizetype i = 0; i < entry.size(); ++i) {
        if (entry.at(i) == u'?' || entry.at(i) == u'#') {
            cut = i;
            break;
        }
    }
    if (cut >= 0)
        entry.truncate(cut);

    // "*.reddit.com" and ".reddit.com" are how people write "every part of
    // reddit.com", which a plain host already means.
    for (;;) {
        if (entry.startsWith(u"*."))
            entry.remove(0, 2);
        else if (entry.startsWith(u'.'))
            entry.remove(0, 1);
        else
            break;
    }

    // A port never shows in the host the rule is matched against. Only
    // digits make one: "https:" in a pasted "http://https://x.com" stays.
    const qsizetype slash = entry.indexOf(u'/');
    const QStringView host = QStringView(entry).left(slash < 0 ? entry.size() : slash);
    const qsizetype colon = host.lastIndexOf(u':');
    if (colon > 0 && colon > host.lastIndexOf(u']') && colon + 1 < host.size() &&
        std::all_of(host.begin() + colon + 1, host.end(), [](QChar c) { return c.isDigit(); }))
        entry.remove(colon, host.size() - colon);
    return entry;
}

bool isSiteDomain(const QString &text)
{
    const QString trimmed = trimmedBlanks(text);
    return !trimmed.isEmpty() && dottedName().match(trimmed).hasMatch();
}

bool isSiteEntry(const QString &entry)
{
    // The host as matching reads the rule: "https://example.com", what
    // normalising leaves of "http://https://example.com", is example.com.
    const DomainRule rule = parseDomainRule(entry);
    return rule.host && isSiteHost(*rule.host);
}

QString storedDomainEntry(const QString &text)
{
    const QString entry = normalizedDomainEntry(text);
    return entry.isEmpty() || isSiteEntry(entry) ? entry : QString();
}

} // namespace halvex
