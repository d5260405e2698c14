#include "stats/GraphemeText.h"

#include <QTextBoundaryFinder>

namespace halvex {

namespace {

// The code-unit position after the first `limit` characters, or -1 when the
// text holds no more than `limit`; `counted` receives how many it holds up to there.
qsizetype boundaryAfter(const QString &text, qsizetype limit, qsizetype *counted)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype n = 0;
    while (finder.toNextBoundary() != -1) {
        ++n;
        if (limit >= 0 && n == limit && finder.position() < text.size()) {
            *counted = n;
            return finder.position();
        }
    }
    *counted = n;
    return -1;
}

} // namespace

qsizetype GraphemeText::count(const QString &text)
{
    qsizetype n = 0;
    boundaryAfter(text, -1, &n);
    return n;
}

QString GraphemeText::prefix(const QString &text, qsizetype limit)
{
    if (limit <= 0)
        return QString();
    qsizetype n = 0;
    const qsizetype end = boundaryAfter(text, limit, &n);
    return end < 0 ? text : text.left(end);
}

} // namespace halvex
