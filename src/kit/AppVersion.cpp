#include "kit/AppVersion.h"

#include <QStringList>

namespace fennimar {

namespace {

// Space separators and the tab; line breaks are kept, as the version text is
// trimmed of blanks only.
bool isBlank(char32_t c)
{
    return c == U'\t' || QChar::category(c) == QChar::Separator_Space;
}

QString trimmedOfBlanks(const QString &text)
{
    const std::u32string chars = text.toStdU32String();
    size_t begin = 0;
    size_t end = chars.size();
    while (begin < end && isBlank(chars[begin]))
        ++begin;
    while (end > begin && isBlank(chars[end - 1]))
        --end;
    return QString::fromStdU32String(chars.substr(begin, end - begin));
}

// The piece's leading run of numeric characters as a plain decimal text.
// Nothing when there is no such run; "0" when the run is not a number we can
// read (digits of another script, or too large).
std::optional<QString> component(const QString &piece)
{
    const std::u32string chars = piece.toStdU32String();
    size_t length = 0;
    while (length < chars.size() && QChar::isNumber(chars[length]))
        ++length;
    if (length == 0)
        return std::nullopt;
    const QString run = QString::fromStdU32String(chars.substr(0, length));
    for (QChar c : run) {
        if (c < u'0' || c > u'9')
            return QStringLiteral("0");
    }
    bool ok = false;
    const qint64 value = run.toLongLong(&ok, 10);
    return ok ? QString::number(value) : QStringLiteral("0");
}

} // namespace

QString AppVersion::current(const platform::Bundle &bundle)
{
    return normalize(bundle.stringValue(QStringLiteral("CFBundleShortVersionString")));
}

QString AppVersion::current()
{
    return current(platform::Bundle::main());
}

QString AppVersion::normalize(const std::optional<QString> &version)
{
    if (!version)
        return fallback;
    const QString trimmed = trimmedOfBlanks(*version);
    if (trimmed.isEmpty())
        return fallback;

    const QStringList pieces = trimmed.split(u'.', Qt::SkipEmptyParts).mid(0, 3);
    if (pieces.isEmpty())
        return fallback;
    QStringList components;
    for (const QString &piece : pieces)
        components << component(piece).value_or(QString());
    if (components.first().isEmpty())
        return fallback;
    for (QString &c : components) {
        if (c.isEmpty())
            c = QStringLiteral("0");
    }
    while (components.size() < 3)
        components << QStringLiteral("0");
    return components.join(u'.');
}

} // namespace fennimar
