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
        return stored.toLongLong();
    case FieldType::real:
        return stored.toDouble();
    case FieldType::boolean:
        return stored.toLongLong() != 0;
    case FieldType::date: {
        QDateTime date = QDateTime::fromString(stored.toString(), Qt::ISODateWithMs);
        if (!date.isValid())
            return {};
        return date.toUTC();
    }
    case FieldType::textList: {
        const QJsonDocument doc = QJsonDocument::fromJson(stored.toString().toUtf8());
        QStringList list;
        for (const auto &value : doc.array())
            list << value.toString();
        return list;
    }
    }
    return {};
}

} // namespace halvex::storage
