#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QString>
#include <QStringList>
#include <QVariant>

namespace halvex {

class Record;

// How a field is kept in its column. Every kind has one stored form that SQL
// and in-memory comparisons share, so a query and the unsaved objects it is
// merged with agree on what matches and in what order.
enum class FieldType {
    uuid,      // canonical upper-case text
    text,      // text
    integer,   // 64-bit integer
    real,      // double
    boolean,   // 0 or 1
    date,      // UTC ISO 8601 text with milliseconds, which sorts as time does
    textList,  // compact JSON array of strings
    reference, // the id (uuid text) of a record of another type
};

struct EntitySchema;

struct FieldDescriptor {
    QString name; // property name, also the column unless `column` is set
    FieldType type = FieldType::text;
    bool optional = false;  // absent is a legal value
    QVariant schemaDefault; // a column default read by rows that predate the field
    const EntitySchema *(*target)() = nullptr; // reference: the record type pointed to
    bool cascade = false;                      // reference: deleting the target deletes this record
    std::function<QVariant(const Record &)> get; // typed value, or null QVariant when absent
    std::function<void(Record &, const QVariant &)> set; // loading only: no change tracking

    QString columnName() const { return type == FieldType::reference ? name + u"Id" : name; }
};

struct EntitySchema {
    QString name;                                  // table name
    std::vector<FieldDescriptor> fields;           // fields[0] is the unique id
    std::function<std::shared_ptr<Record>()> make; // a record with its declared initial values
    QStringList indexes; // "name(col, col)" index definitions for the hot paths

    const FieldDescriptor *field(const QString &fieldName) const
    {
        for (const auto &f : fields) {
            if (f.name == fieldName)
                return &f;
        }
        return nullptr;
    }
};

// Conversions between a field's typed value and its stored form. A stored
// value that cannot be read as its kind (a number where a date belongs, a
// list that is not JSON) decodes to nothing.
namespace storage {
QVariant encode(FieldType type, const QVariant &typed);
QVariant decode(FieldType type, const QVariant &stored);
QString uuidText(const QUuid &id);
QString dateText(const QDateTime &date);
} // namespace storage

// A version of the schema: its record types in order.
struct Schema {
    QString versionIdentifier;
    std::vector<const EntitySchema *> models;
};

} // namespace halvex
