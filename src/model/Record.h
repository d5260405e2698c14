#pragma once

#include <memory>

#include <QPointer>
#include <QUuid>

namespace halvex {

class ModelContext;
struct EntitySchema;

// Base of every persisted record. A record belongs to at most one context,
// which holds one object per stored row; two references are equal exactly
// when they point at the same object, i.e. the same stored row.
class Record : public std::enable_shared_from_this<Record> {
public:
    virtual ~Record();
    Record(const Record &) = delete;
    Record &operator=(const Record &) = delete;

    virtual const EntitySchema &entity() const = 0;

    const QUuid &id() const { return m_id; }
    ModelContext *modelContext() const;

    // Deleted from its context, whether or not the deletion is saved yet.
    bool isDeleted() const { return m_state == State::deleted; }
    // Inserted or changed and not yet saved.
    bool hasChanges() const { return m_state == State::inserted || m_state == State::changed; }

protected:
    explicit Record(const QUuid &id)
        : m_id(id)
    {}

    // Called by setters after a value really changed.
    void didChange(const char *field);

    template <class V> void write(V &member, const V &value, const char *field)
    {
        if (member == value)
            return;
        member = value;
        didChange(field);
    }

    QUuid m_id;

private:
    friend class ModelContext;
    enum class State { transient, inserted, clean, changed, deleted };

    QPointer<ModelContext> m_context;
    State m_state = State::transient;
    State m_stateBeforeDelete = State::transient;
    bool m_pending = false;
    quint64 m_pendingSequence = 0;
};

// Shared helpers for the records' typed relationship lookups.
template <class T> std::shared_ptr<T> recordCast(const std::shared_ptr<Record> &r)
{
    return std::static_pointer_cast<T>(r);
}

} // namespace halvex
