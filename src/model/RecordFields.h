#pragma once

// Glue between a record's typed members and its schema's field descriptors.
// Included only by the records' own sources.

#include <optional>

#include <QDateTime>
#include <QStringList>
#include <QUuid>
#include <QVariant>

#include "model/EntitySchema.h"

namespace halvex::fields {

template <class T> QVariant toVariant(const T &value)
{
    return QVariant::fromValue(value);
}
inline QVariant toVariant(const QUuid &value)
{
    return value.isNull() ? QVariant() : QVariant(value);
}
inline QVariant toVariant(int value)
{
    return QVariant(qint64(value));
}
template <class T> QVariant toVariant(const std::optional<T> &value)
{
    return value ? toVariant(*value) : QVariant();
}

template <class T> struct From {
    static T get(const QVariant &v) { return v.value<T>(); }
};
template <> struct From<int> {
    static int get(const QVariant &v) { return int(v.toLongLong()); }
};
template <class T> struct From<std::optional<T>> {
    static std::optional<T> get(const QVariant &v)
    {
        if (v.isNull() || !v.isValid())
            return std::nullopt;
        return From<T>::get(v);
    }
};

// A field backed by member `member` of record type R.
template <class R, class M>
FieldDescriptor make(const QString &name, FieldType type, M R::*member, bool optional = false,
                     QVariant schemaDefault = {})
{
    FieldDescriptor f;
    f.name = name;
    f.type = type;
    f.optional = optional;
    f.schemaDefault = std::move(schemaDefault);
    f.get = [member](const Record &r) { return toVariant(static_cast<const R &>(r).*member); };
    f.set = [member](Record &r, const QVariant &v) {
        static_cast<R &>(r).*member = From<M>::get(v);
    };
    return f;
}

// A to-one link kept as the id of the record it points at.
template <class R>
FieldDescriptor reference(const QString &name, QUuid R::*member, const EntitySchema *(*target)(),
                          bool cascade)
{
    FieldDescriptor f = make(name, FieldType::reference, member, true);
    f.target = target;
    f.cascade = cascade;
    return f;
}

} // namespace halvex::fields

#include "model/ModelContext.h"

namespace halvex::fields {

// Resolves a to-one link: the object it was set to while that is still the
// linked one, else the live object of that id in the record's context.
template <class T>
std::shared_ptr<T> resolve(const QUuid &id, const std::shared_ptr<T> &ref, ModelContext *context)
{
    if (id.isNull())
        return nullptr;
    if (ref && ref->id() == id)
        return ref->isDeleted() ? nullptr : ref;
    return context ? context->find<T>(id) : nullptr;
}

} // namespace halvex::fields
