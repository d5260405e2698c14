#pragma once

#include <optional>

#include <QString>
#include <QUrl>

#include "kit/DistributionChannel.h"

namespace fennimar {

// The maker's fixed web links, shown by the About tab, the review window and
// the settings sidebar. They are settings of the library, not of the backend.
class LegalLinks final {
public:
    LegalLinks() = delete;

    static QUrl website();
    static QUrl privacy();
    static QUrl terms();
    static QUrl moreApps();
    static QUrl developerPage();
    static QString supportAddress();
    static QUrl supportMail();

    // The slug and page are appended as they are: callers pass URL-safe text.
    static QUrl appPage(const QString &slug);
    static QUrl appSubpage(const QString &slug, const QString &page);
    // "/feedback?app=<slug>[&v=<version>]&ch=<channel>", in that order.
    static QUrl feedback(const QString &slug, const std::optional<QString> &version,
                         DistributionChannel channel);
};

} // namespace fennimar
