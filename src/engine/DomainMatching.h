#pragma once

#include <optional>

#include <QString>
#include <QStringList>
#include <QUrl>

namespace halvex {

// One site rule as the user wrote it, taken apart: a host without scheme and
// "www.", and the leading path segments it is limited to.
struct DomainRule {
    std::optional<QString> host;           // none: the rule is ignored
    std::optional<QStringList> pathPrefix; // none or empty: the whole site
};

// Whether the URL's host and path fall under any of the rules.
bool matchesDomains(const QUrl &url, const QStringList &rules);

DomainRule parseDomainRule(const QString &rule);

// A dotted rule host matches itself and its subdomains on a label boundary;
// a bare name matches any host that has it as a whole label.
bool hostMatches(const QString &ruleHost, const QString &urlHost);
bool pathPrefixMatches(const std::optional<QStringList> &rulePath, const QStringList &urlPath);

// The non-empty segments of a text split on "/".
QStringList pathSegments(const QString &text);

} // namespace halvex
