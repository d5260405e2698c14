#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include <QHash>
#include <QObject>
#include <QSqlQuery>
#include <QUuid>

#include "model/EntitySchema.h"
#include "model/Predicate.h"
#include "model/Record.h"
#include "model/StoreError.h"
#include "platform/Expected.h"
#include "platform/Log.h"

namespace halvex {

class ModelContainer;

template <class T> using Fetched = platform::Expected<std::vector<std::shared_ptr<T>>, StoreError>;

// The unit of work over one store: one object per stored row (identity map),
// pending inserts, changes and deletes, written together by save(). Main
// thread only. Fetches see unsaved changes.
class ModelContext final : public QObject {
    Q_OBJECT
public:
    explicit ModelContext(ModelContainer &container);
    ~ModelContext() override;
    Q_DISABLE_COPY_MOVE(ModelContext)

    ModelContainer &container() const { return m_container; }

    template <class T> Fetched<T> fetch(const FetchDescriptor<T> &descriptor = {})
    {
        auto records = fetchRecords(T::schema(), descriptor);
        if (!records)
            return platform::unexpected(records.error());
        std::vector<std::shared_ptr<T>> typed;
        typed.reserve(records->size());
        for (auto &record : *records)
            typed.push_back(std::static_pointer_cast<T>(std::move(record)));
        return typed;
    }

    template <class T>
    platform::Expected<qint64, StoreError> fetchCount(const FetchDescriptor<T> &descriptor = {})
    {
        return countRecords(T::schema(), descriptor);
    }

    // The live object with this id, or null when there is none or it is deleted.
    template <class T> std::shared_ptr<T> find(const QUuid &id)
    {
        return std::static_pointer_cast<T>(findRecord(T::schema(), id));
    }

    platform::Expected<std::vector<std::shared_ptr<Record>>, StoreError>
    fetchRecords(const EntitySchema &entity, const FetchRequest &request);
    platform::Expected<qint64, StoreError> countRecords(const EntitySchema &entity,
                                                        const FetchRequest &request);
    std::shared_ptr<Record> findRecord(const EntitySchema &entity, const QUuid &id);

    void insert(const std::shared_ptr<Record> &record);
    // Deletes the record and, as the schema's cascades say, what hangs off it.
    void remove(const std::shared_ptr<Record> &record);
    // Takes back an unsaved deletion and the cascade it started. False when
    // the record is not deleted in this context or the deletion is saved.
    bool restore(const std::shared_ptr<Record> &record);

    // Writes every pending change in one transaction. On failure nothing is
    // written and the pending changes stay, so a later save can retry;
    // only a change that can never be written is dropped (and logged): one
    // that links to a record that is gone, takes an id already stored, or
    // belongs to a table the store cannot write.
    platform::Expected<void, StoreError> save();
    // save(), logging a failure on `log` as "<operation> save failed: <why>".
    // True when everything pending was written.
    bool saveOrLog(const platform::Logger &log, const char *operation);
    bool hasChanges() const;

signals:
    void recordInserted(halvex::Record *record);
    void recordChanged(halvex::Record *record, const QString &field);
    void recordRemoved(halvex::Record *record);
    void didSave();

private:
    friend class Record;
    void recordDidChange(Record &record, const char *field);

    void markPending(Record &record);
    void registerRecord(const std::shared_ptr<Record> &record);
    void sweepIdentityMap();
    std::shared_ptr<Record> registered(const EntitySchema &entity, const QUuid &id) const;
    std::shared_ptr<Record> materialize(const EntitySchema &entity, const QSqlQuery &row);
    platform::Expected<QSqlQuery *, StoreError> statement(const QString &sql,
                                                          StoreError::Kind kind);
    QString selectColumns(const EntitySchema &entity) const;
    QString writeStatement(const Record &record) const;
    std::optional<StoreError> writeRecord(Record &record);
    bool isStored(const EntitySchema &entity, const QUuid &id);
    std::optional<QString> whyUnsaveable(Record &record);
    // The type of the record a link of `record` names when that one is gone.
    const EntitySchema *missingLinkTarget(Record &record);
    void dropUnsaveable();
    void drop(const std::shared_ptr<Record> &record);

    ModelContainer &m_container;
    QHash<const EntitySchema *, QHash<QUuid, std::weak_ptr<Record>>> m_identityMap;
    qsizetype m_registeredSinceSweep = 0;
    std::vector<std::shared_ptr<Record>> m_pending;
    quint64 m_pendingCounter = 0;
    std::unordered_map<Record *, std::vector<std::shared_ptr<Record>>> m_cascaded;
    QHash<QString, QSqlQuery> m_statements;
};

} // namespace halvex
