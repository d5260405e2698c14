#include "engine/DomainEntry.h"

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
    return entry;
}

} // namespace halvex
