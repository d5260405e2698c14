#include "model/DayMonthFormat.h"

#include <vector>

namespace halvex {

namespace {

// One piece of a date pattern: a field ("MMMM", "d") or literal text as
// written in the pattern, quotes included.
struct Piece {
    QString text;
    QChar field; // null for literal text
    qsizetype width = 0;
};

bool isDateField(QChar c)
{
    return c == u'd' || c == u'M' || c == u'y';
}

std::vector<Piece> split(const QString &pattern)
{
    std::vector<Piece> pieces;
    const auto literal = [&](const QString &text) {
        if (pieces.empty() || !pieces.back().field.isNull())
            pieces.push_back({});
        pieces.back().text += text;
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            // Up to the closing quote; '' inside stands for a quote.
            qsizetype end = i + 1;
            while (end < pattern.size()) {
                if (pattern[end] == u'\'' && end + 1 < pattern.size() && pattern[end + 1] == u'\'')
                    end += 2;
                else if (pattern[end] == u'\'')
                    break;
                else
                    ++end;
            }
            end = std::min(end + 1, pattern.size());
            literal(pattern.mid(i, end - i));
            i = end;
        } else if (isDateField(c)) {
            qsizetype end = i;
            while (end < pattern.size() && pattern[end] == c)
                ++end;
            pieces.push_back({pattern.mid(i, end - i), c, end - i});
            i = end;
        } else {
            literal(QString(c));
            ++i;
        }
    }
    return pieces;
}

// What a field carries glued to its end: an ordinal dot ("14.") or unquoted
// letters ("3月", "14일"). A comma or a space only separates.
qsizetype suffixLength(const QString &literal)
{
    if (literal.startsWith(u'.'))
        return 1;
    qsizetype n = 0;
    while (n < literal.size() && literal[n].isLetter())
        ++n;
    return n;
}

bool isWeekdayOrYear(const Piece &piece)
{
    return piece.field == u'y' || (piece.field == u'd' && piece.width >= 3);
}

} // namespace

QString DayMonthFormat::dayMonthPattern(const QLocale &locale)
{
    std::vector<Piece> pieces = split(locale.dateFormat(QLocale::LongFormat));
    for (size_t i = 0; i + 1 < pieces.size(); ++i) {
        if (pieces[i].field.isNull() || !pieces[i + 1].field.isNull())
            continue;
        const qsizetype n = suffixLength(pieces[i + 1].text);
        pieces[i].text += pieces[i + 1].text.left(n);
        pieces[i + 1].text.remove(0, n);
    }
    QString result;
    QString between;
    bool any = false;
    for (const Piece &piece : pieces) {
        if (piece.field.isNull()) {
            between += piece.text;
        } else if (!isWeekdayOrYear(piece)) {
            // Text before the first field and after the last one belonged
            // to the weekday or the year.
            if (any)
                result += between;
            result += piece.text;
            any = true;
            between.clear();
        }
    }
    return any ? result : QStringLiteral("d MMMM");
}

QString DayMonthFormat::dayMonth(const QDateTime &instant, const QTimeZone &zone,
                                 const QLocale &locale)
{
    return locale.toString(instant.toTimeZone(zone).date(), dayMonthPattern(locale));
}

QString DayMonthFormat::milestoneDate(const QDateTime &date, const QDateTime &now,
                                      const QTimeZone &zone, const QLocale &locale)
{
    if (now.msecsTo(date) < weekdayHorizonSeconds * 1000)
        return locale.dayName(date.toTimeZone(zone).date().dayOfWeek(), QLocale::LongFormat);
    return dayMonth(date, zone, locale);
}

} // namespace halvex
