#include "model/EntitySchema.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTimeZone>
#include <QUuid>

namespace halvex::storage {

QString uuidText(const QUuid &id)
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}

QString dateText(const QDateTime &date)
{
    return date.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")) + u'Z';
}

namespace {

// Reads the stored form "yyyy-MM-ddTHH:mm:ss.zzzZ" directly: whole-history
// reads parse one date per row, and the general ISO parser is slow.
int digits(QStringView text, qsizetype at, qsizetype count, bool &ok)
{
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            ok = false;
            return 0;
        }
        value = value * 10 + int(c - u'0');
    }
    return value;
}

QDateTime parseStoredDate(const QString &text)
{
    const QStringView v(text);
    if (v.size() == 24 && v[4] == u'-' && v[7] == u'-' && v[10] == u'T' && v[13] == u':' &&
        v[16] == u':' && v[19] == u'.' && v[23] == u'Z') {
        bool ok = true;
        const QDate date(digits(v, 0, 4, ok), digits(v, 5, 2, ok), digits(v, 8, 2, ok));
        const QTime time(digits(v, 11, 2, ok), digits(v, 14, 2, ok), digits(v, 17, 2, ok),
                         digits(v, 20, 3, ok));
        if (ok && date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    const QDateTime date = QDateTime::fromString(text, Qt::ISODateWithMs);
    return date.isValid() ? date.toUTC() : QDateTime();
}

} // namespace

QVariant encode(FieldType type, const QVariant &typed)
{
    if (typed.isNull() || !typed.isValid())
        return {};
    switch (type) {
    case FieldType::uuid:
    case FieldType::reference: {
        const QUuid id = typed.toUuid();
        return id.isNull() ? QVariant() : QVariant(uuidText(id));
    }
    case FieldType::text: {
        // The SQLite driver binds a null QString as NULL; an empty text is a value.
        const QString text = typed.toString();
        return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
    }
    case FieldType::integer:
        return typed.toLongLong();
    case FieldType::real:
        return typed.toDouble();
    case FieldType::boolean:
        return typed.toBool() ? 1LL : 0LL;
    case FieldType::date: {
        const QDateTime date = typed.toDateTime();
        return date.isValid() ? QVariant(dateText(date)) : QVariant();
    }
    case FieldType::textList: {
        const QJsonArray array = QJsonArray::fromStringList(typed.toStringList());
        return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
    }
    }
    return {};
}

QVariant decode(FieldType type, const QVariant &stored)
{
    if (stored.isNull() || !stored.isValid())
        return {};
    switch (type) {
    case FieldType::uuid:
    case FieldType::reference: {
        const QUuid id = QUuid::fromString(stored.toString());
        return id.isNull() ? QVariant() : QVariant(id);
    }
    case FieldType::text:
        return stored.toString();
    case FieldType::integer:
    case FieldType::boolean: {
        bool ok = false;
        const qlonglong value = stored.toLongLong(&ok);
        if (!ok)
            return {};
        return type == FieldType::boolean ? QVariant(value != 0) : QVariant(value);
    }
    case FieldType::real: {
        bool ok = false;
        const double value = stored.toDouble(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    case FieldType::date: {
        const QDateTime date = parseStoredDate(stored.toString());
        return date.isValid() ? QVariant(date) : QVariant();
    }
    case FieldType::textList: {
        const QJsonDocument doc = QJsonDocument::fromJson(stored.toString().toUtf8());
        if (!doc.isArray())
            return {};
        QStringList list;
        for (const auto &value : doc.array())
            list << value.toString();
        return list;
    }
    }
    return {};
}

} // namespace halvex::storage
