#include "engine/DomainEntry.h"

#include <algorithm>

namespace halvex {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
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

} // namespace halvex
