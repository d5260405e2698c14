#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <QVariant>
#include <QVariantList>

namespace halvex {

class Record;
struct EntitySchema;

// A filter over a record type's fields. It renders to SQL for stored rows
// and evaluates in memory for unsaved changes, from one definition, so the
// two can never disagree.
class Predicate final {
public:
    enum class Op {
        equal,
        notEqual,
        less,
        lessOrEqual,
        greater,
        greaterOrEqual,
        in,
        isNull,
        isNotNull
    };

    Predicate() = default; // matches everything

    static Predicate compare(const QString &field, Op op, const QVariant &value = {});
    static Predicate equal(const QString &field, const QVariant &value)
    {
        return compare(field, Op::equal, value);
    }
    static Predicate isNull(const QString &field) { return compare(field, Op::isNull); }
    static Predicate isNotNull(const QString &field) { return compare(field, Op::isNotNull); }
    static Predicate in(const QString &field, const QVariantList &values)
    {
        return compare(field, Op::in, values);
    }

    Predicate operator&&(const Predicate &other) const;
    Predicate operator||(const Predicate &other) const;
    Predicate operator!() const;

    bool isEmpty() const { return !m_node; }

    // SQL for a WHERE clause, appending bound values in order; empty when it matches all.
    QString sql(const EntitySchema &schema, QVariantList &bindings) const;
    bool evaluate(const EntitySchema &schema, const Record &record) const;

private:
    struct Node;
    explicit Predicate(std::shared_ptr<const Node> node)
        : m_node(std::move(node))
    {}
    std::shared_ptr<const Node> m_node;
};

struct SortDescriptor {
    QString field;
    bool ascending = true;
};

// What a fetch asks for, independent of the record type.
struct FetchRequest {
    Predicate predicate;
    std::vector<SortDescriptor> sortBy;
    int limit = -1;
};

// Typed form used by callers: fetch<Streak>(FetchDescriptor<Streak>{...}).
template <class T> struct FetchDescriptor : FetchRequest {
    FetchDescriptor() = default;
    FetchDescriptor(Predicate p, std::vector<SortDescriptor> sort = {}, int lim = -1)
        : FetchRequest{std::move(p), std::move(sort), lim}
    {}
};

// Orders stored values as SQLite does for the column kinds used here.
int compareStored(const QVariant &lhs, const QVariant &rhs);

} // namespace halvex
