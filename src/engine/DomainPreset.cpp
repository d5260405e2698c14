#include "engine/DomainPreset.h"

#include <QSet>

#include "engine/DomainEntry.h"

namespace halvex {

namespace {

// The form two entries are compared in, so that "https://www.x.com/" and
// "x.com" count as one site.
QString mergeKey(const QString &entry)
{
    QString key = normalizedDomainEntry(entry);
    if (key.startsWith(u"www."))
        key.remove(0, 4);
    while (key.endsWith(u'/'))
        key.chop(1);
    return key;
}

} // namespace

QString raw(DomainPreset preset)
{
    switch (preset) {
    case DomainPreset::social:
        return QStringLiteral("social");
    case DomainPreset::video:
        return QStringLiteral("video");
    case DomainPreset::news:
        return QStringLiteral("news");
    case DomainPreset::shopping:
        return QStringLiteral("shopping");
    case DomainPreset::games:
        return QStringLiteral("games");
    }
    return {};
}

std::optional<DomainPreset> domainPresetFromRaw(const QString &text)
{
    for (DomainPreset preset : allDomainPresets()) {
        if (raw(preset) == text)
            return preset;
    }
    return std::nullopt;
}

const std::vector<DomainPreset> &allDomainPresets()
{
    static const std::vector<DomainPreset> all{DomainPreset::social, DomainPreset::video,
                                               DomainPreset::news, DomainPreset::shopping,
                                               DomainPreset::games};
    return all;
}

QString labelKey(DomainPreset preset)
{
    return QStringLiteral("streakEditor.domains.set.") + raw(preset);
}

const QStringList &domains(DomainPreset preset)
{
    static const QStringList social{
        QStringLiteral("facebook.com"),  QStringLiteral("instagram.com"),
        QStringLiteral("x.com"),         QStringLiteral("twitter.com"),
        QStringLiteral("tiktok.com"),    QStringLiteral("reddit.com"),
        QStringLiteral("snapchat.com"),  QStringLiteral("linkedin.com"),
        QStringLiteral("pinterest.com"), QStringLiteral("threads.net")};
    static const QStringList video{QStringLiteral("youtube.com"), QStringLiteral("netflix.com"),
                                   QStringLiteral("twitch.tv"),   QStringLiteral("vimeo.com"),
                                   QStringLiteral("hulu.com"),    QStringLiteral("disneyplus.com")};
    static const QStringList news{
        QStringLiteral("cnn.com"),         QStringLiteral("bbc.com"),
        QStringLiteral("nytimes.com"),     QStringLiteral("theguardian.com"),
        QStringLiteral("news.google.com"), QStringLiteral("foxnews.com")};
    static const QStringList shopping{QStringLiteral("amazon.com"), QStringLiteral("ebay.com"),
                                      QStringLiteral("etsy.com"), QStringLiteral("aliexpress.com"),
                                      QStringLiteral("walmart.com")};
    static const QStringList games{QStringLiteral("store.steampowered.com"),
                                   QStringLiteral("epicgames.com"), QStringLiteral("roblox.com"),
                                   QStringLiteral("chess.com")};
    switch (preset) {
    case DomainPreset::social:
        return social;
    case DomainPreset::video:
        return video;
    case DomainPreset::news:
        return news;
    case DomainPreset::shopping:
        return shopping;
    case DomainPreset::games:
        return games;
    }
    return social;
}

QStringList merged(DomainPreset preset, const QStringList &entered)
{
    QSet<QString> present;
    for (const QString &entry : entered)
        present.insert(mergeKey(entry));

    QStringList result = entered;
    for (const QString &host : domains(preset)) {
        if (!present.contains(mergeKey(host)))
            result << host;
    }
    return result;
}

} // namespace halvex
