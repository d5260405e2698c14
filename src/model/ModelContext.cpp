#include "model/ModelContext.h"

#include <algorithm>

#include <QSet>
#include <QSqlError>

#include "model/ModelContainer.h"

namespace halvex {

namespace {

StoreError sqlError(StoreError::Kind kind, const QSqlError &error)
{
    // The engine's own words ("disk is full"), without the driver's suffix.
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    if (text.isEmpty())
        text = QStringLiteral("unknown store error");
    return StoreError{kind, text, error.nativeErrorCode().toInt()};
}

bool lessBySort(const EntitySchema &entity, const std::vector<SortDescriptor> &sortBy,
                const Record &lhs, const Record &rhs)
{
    for (const SortDescriptor &sort : sortBy) {
        const FieldDescriptor *field = entity.field(sort.field);
        if (!field)
            continue;
        const int c = compareStored(storage::encode(field->type, field->get(lhs)),
                                    storage::encode(field->type, field->get(rhs)));
        if (c != 0)
            return sort.ascending ? c < 0 : c > 0;
    }
    return false;
}

QString orderBy(const EntitySchema &entity, const std::vector<SortDescriptor> &sortBy)
{
    QStringList terms;
    for (const SortDescriptor &sort : sortBy) {
        const FieldDescriptor *field = entity.field(sort.field);
        if (!field)
            continue;
        terms << u'"' + field->columnName() + u'"' + (sort.ascending ? u" ASC" : u" DESC");
    }
    return terms.isEmpty() ? QString() : u" ORDER BY " + terms.join(u", ");
}

} // namespace

ModelContext::ModelContext(ModelContainer &container)
    : m_container(container)
{}

ModelContext::~ModelContext()
{
    m_statements.clear();
}

platform::Expected<QSqlQuery *, StoreError> ModelContext::statement(const QString &sql,
                                                                    StoreError::Kind kind)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        QSqlQuery query(m_container.database());
        // Rows are read once, in order; a scrollable query would copy every
        // value of a large result into a cache first.
        query.setForwardOnly(true);
        // A statement that does not prepare (a damaged schema) says why here,
        // and is not kept: it would fail every later use the same way.
        if (!query.prepare(sql))
            return platform::unexpected(sqlError(kind, query.lastError()));
        it = m_statements.insert(sql, std::move(query));
    }
    return &*it;
}

QString ModelContext::selectColumns(const EntitySchema &entity) const
{
    QStringList columns;
    for (const auto &field : entity.fields)
        columns << u'"' + field.columnName() + u'"';
    return u"SELECT " + columns.join(u", ") + u" FROM \"" + entity.name + u'"';
}

std::shared_ptr<Record> ModelContext::registered(const EntitySchema &entity, const QUuid &id) const
{
    const auto map = m_identityMap.constFind(&entity);
    if (map == m_identityMap.constEnd())
        return nullptr;
    const auto it = map->constFind(id);
    return it == map->constEnd() ? nullptr : it->lock();
}

void ModelContext::registerRecord(const std::shared_ptr<Record> &record)
{
    auto &map = m_identityMap[&record->entity()];
    map.insert(record->id(), record);
    // Sweep only after as many new entries as are kept, so the cost stays
    // proportional to what is registered.
    if (++m_registeredSinceSweep > std::max<qsizetype>(4096, map.size()))
        sweepIdentityMap();
}

void ModelContext::sweepIdentityMap()
{
    // Objects nobody holds any more are dropped; the rows reload on demand.
    for (auto &map : m_identityMap) {
        for (auto it = map.begin(); it != map.end();) {
            if (it->expired())
                it = map.erase(it);
            else
                ++it;
        }
    }
    m_registeredSinceSweep = 0;
}

std::shared_ptr<Record> ModelContext::materialize(const EntitySchema &entity, const QSqlQuery &row)
{
    const QUuid id = storage::decode(FieldType::uuid, row.value(0)).toUuid();
    if (auto existing = registered(entity, id))
        return existing; // the object in memory holds the truth, unsaved edits included
    std::shared_ptr<Record> record = entity.make();
    for (size_t i = 0; i < entity.fields.size(); ++i) {
        const QVariant value = storage::decode(entity.fields[i].type, row.value(int(i)));
        // Nothing stored, or nothing readable: the declared initial value stays.
        if (!value.isNull())
            entity.fields[i].set(*record, value);
    }
    record->m_context = this;
    record->m_state = Record::State::clean;
    registerRecord(record);
    return record;
}

platform::Expected<std::vector<std::shared_ptr<Record>>, StoreError>
ModelContext::fetchRecords(const EntitySchema &entity, const FetchRequest &request)
{
    std::vector<std::shared_ptr<Record>> pendingOfType;
    for (const auto &record : m_pending) {
        if (record->m_pending && &record->entity() == &entity)
            pendingOfType.push_back(record);
    }

    QVariantList bindings;
    QString sql = selectColumns(entity);
    const QString where = request.predicate.sql(entity, bindings);
    if (!where.isEmpty())
        sql += u" WHERE " + where;
    sql += orderBy(entity, request.sortBy);
    if (request.limit >= 0) {
        // Unsaved changes may displace stored rows, so read enough to cover them.
        sql += u" LIMIT " + QString::number(request.limit + qsizetype(pendingOfType.size()));
    }

    auto prepared = statement(sql, StoreError::Kind::fetchFailed);
    if (!prepared)
        return platform::unexpected(prepared.error());
    QSqlQuery &query = **prepared;
    for (int i = 0; i < bindings.size(); ++i)
        query.bindValue(i, bindings.at(i));
    if (!query.exec())
        return platform::unexpected(sqlError(StoreError::Kind::fetchFailed, query.lastError()));

    std::vector<std::shared_ptr<Record>> results;
    QSet<Record *> seen;
    bool reorder = false;
    while (query.next()) {
        std::shared_ptr<Record> record = materialize(entity, query);
        if (record->isDeleted())
            continue;
        if (record->m_state == Record::State::changed) {
            if (!request.predicate.evaluate(entity, *record))
                continue;
            reorder = true;
        }
        seen.insert(record.get());
        results.push_back(std::move(record));
    }
    query.finish();

    for (const auto &record : pendingOfType) {
        if (record->isDeleted() || seen.contains(record.get()))
            continue;
        if (request.predicate.evaluate(entity, *record)) {
            results.push_back(record);
            reorder = true;
        }
    }
    if (reorder && !request.sortBy.empty()) {
        std::stable_sort(results.begin(), results.end(), [&](const auto &a, const auto &b) {
            return lessBySort(entity, request.sortBy, *a, *b);
        });
    }
    if (request.limit >= 0 && qsizetype(results.size()) > request.limit)
        results.resize(size_t(request.limit));
    return results;
}

platform::Expected<qint64, StoreError> ModelContext::countRecords(const EntitySchema &entity,
                                                                  const FetchRequest &request)
{
    const bool anyPending = std::any_of(m_pending.begin(), m_pending.end(), [&](const auto &r) {
        return r->m_pending && &r->entity() == &entity;
    });
    if (anyPending) {
        auto records = fetchRecords(entity, request);
        if (!records)
            return platform::unexpected(records.error());
        return qint64(records->size());
    }
    QVariantList bindings;
    QString sql = u"SELECT COUNT(*) FROM \"" + entity.name + u'"';
    const QString where = request.predicate.sql(entity, bindings);
    if (!where.isEmpty())
        sql += u" WHERE " + where;
    auto prepared = statement(sql, StoreError::Kind::fetchFailed);
    if (!prepared)
        return platform::unexpected(prepared.error());
    QSqlQuery &query = **prepared;
    for (int i = 0; i < bindings.size(); ++i)
        query.bindValue(i, bindings.at(i));
    if (!query.exec() || !query.next())
        return platform::unexpected(sqlError(StoreError::Kind::fetchFailed, query.lastError()));
    qint64 count = query.value(0).toLongLong();
    query.finish();
    if (request.limit >= 0)
        count = std::min<qint64>(count, request.limit);
    return count;
}

std::shared_ptr<Record> ModelContext::findRecord(const EntitySchema &entity, const QUuid &id)
{
    if (id.isNull())
        return nullptr;
    if (auto record = registered(entity, id))
        return record->isDeleted() ? nullptr : record;
    auto prepared =
        statement(selectColumns(entity) + u" WHERE \"id\" = ?", StoreError::Kind::fetchFailed);
    if (!prepared)
        return nullptr;
    QSqlQuery &query = **prepared;
    query.bindValue(0, storage::uuidText(id));
    if (!query.exec() || !query.next()) {
        query.finish();
        return nullptr;
    }
    std::shared_ptr<Record> record = materialize(entity, query);
    query.finish();
    return record;
}

void ModelContext::markPending(Record &record)
{
    if (record.m_pending)
        return;
    record.m_pending = true;
    record.m_pendingSequence = ++m_pendingCounter;
    m_pending.push_back(record.shared_from_this());
}

void ModelContext::insert(const std::shared_ptr<Record> &record)
{
    if (!record)
        return;
    if (record->m_context == this) {
        if (record->isDeleted())
            restore(record);
        return;
    }
    Q_ASSERT_X(!record->m_context, "ModelContext::insert", "record belongs to another context");
    record->m_context = this;
    record->m_state = Record::State::inserted;
    registerRecord(record);
    markPending(*record);
    emit recordInserted(record.get());
}

void ModelContext::remove(const std::shared_ptr<Record> &record)
{
    if (!record || record->m_context != this || record->isDeleted())
        return;
    record->m_stateBeforeDelete = record->m_state;
    record->m_state = Record::State::deleted;
    markPending(*record);

    // Mirror the schema's cascades so that fetches agree with the store.
    std::vector<std::shared_ptr<Record>> cascaded;
    for (const EntitySchema *model : m_container.schema().models) {
        for (const FieldDescriptor &field : model->fields) {
            if (field.type != FieldType::reference || !field.cascade || !field.target ||
                field.target() != &record->entity())
                continue;
            auto children =
                fetchRecords(*model, {Predicate::equal(field.name, record->id()), {}, -1});
            if (!children)
                continue; // the store's own cascade still applies at save
            for (auto &child : *children) {
                remove(child);
                cascaded.push_back(child);
            }
        }
    }
    if (!cascaded.empty())
        m_cascaded[record.get()] = std::move(cascaded);
    emit recordRemoved(record.get());
}

bool ModelContext::restore(const std::shared_ptr<Record> &record)
{
    if (!record || record->m_context != this || !record->isDeleted() || !record->m_pending)
        return false;
    record->m_state = record->m_stateBeforeDelete;
    if (record->m_state == Record::State::clean)
        record->m_pending = false;
    const auto it = m_cascaded.find(record.get());
    if (it != m_cascaded.end()) {
        const auto children = std::move(it->second);
        m_cascaded.erase(it);
        for (const auto &child : children)
            restore(child);
    }
    m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(),
                                   [](const auto &r) { return !r->m_pending; }),
                    m_pending.end());
    emit recordInserted(record.get());
    return true;
}

void ModelContext::recordDidChange(Record &record, const char *field)
{
    switch (record.m_state) {
    case Record::State::deleted:
    case Record::State::transient:
        return;
    case Record::State::clean:
        record.m_state = Record::State::changed;
        markPending(record);
        break;
    case Record::State::inserted:
    case Record::State::changed:
        break;
    }
    emit recordChanged(&record, QString::fromLatin1(field));
}

bool ModelContext::hasChanges() const
{
    return std::any_of(m_pending.begin(), m_pending.end(),
                       [](const auto &r) { return r->m_pending; });
}

QString ModelContext::writeStatement(const Record &record) const
{
    const EntitySchema &entity = record.entity();
    const auto &fields = entity.fields;
    if (record.m_state == Record::State::deleted)
        return u"DELETE FROM \"" + entity.name + u"\" WHERE \"id\" = ?";
    if (record.m_state == Record::State::inserted) {
        QStringList columns;
        QStringList marks;
        for (const auto &field : fields) {
            columns << u'"' + field.columnName() + u'"';
            marks << QStringLiteral("?");
        }
        return u"INSERT INTO \"" + entity.name + u"\" (" + columns.join(u", ") + u") VALUES (" +
               marks.join(u", ") + u')';
    }
    QStringList assignments;
    for (size_t i = 1; i < fields.size(); ++i)
        assignments << u'"' + fields[i].columnName() + u"\" = ?";
    return u"UPDATE \"" + entity.name + u"\" SET " + assignments.join(u", ") + u" WHERE \"id\" = ?";
}

std::optional<StoreError> ModelContext::writeRecord(Record &record)
{
    if (record.m_state == Record::State::deleted &&
        record.m_stateBeforeDelete == Record::State::inserted)
        return std::nullopt; // never reached the store
    auto prepared = statement(writeStatement(record), StoreError::Kind::saveFailed);
    if (!prepared)
        return prepared.error();
    QSqlQuery &query = **prepared;
    const auto &fields = record.entity().fields;
    int position = 0;
    if (record.m_state != Record::State::deleted) {
        const size_t first = record.m_state == Record::State::inserted ? 0 : 1;
        for (size_t i = first; i < fields.size(); ++i) {
            QVariant stored = storage::encode(fields[i].type, fields[i].get(record));
            if (stored.isNull())
                stored = QVariant(fields[i].type == FieldType::integer ||
                                          fields[i].type == FieldType::boolean
                                      ? QMetaType(QMetaType::LongLong)
                                      : QMetaType(QMetaType::QString));
            query.bindValue(position++, stored);
        }
    }
    if (record.m_state != Record::State::inserted)
        query.bindValue(position, storage::uuidText(record.id()));
    if (!query.exec())
        return sqlError(StoreError::Kind::saveFailed, query.lastError());
    query.finish();
    return std::nullopt;
}

std::optional<QString> ModelContext::whyUnsaveable(Record &record)
{
    const EntitySchema &entity = record.entity();
    if (auto prepared = statement(writeStatement(record), StoreError::Kind::saveFailed);
        !prepared) {
        // Busy, locked or out of memory pass; a schema that cannot take the
        // statement stays that way for the whole run.
        if (!prepared.error().isPassing())
            return u"its table cannot be written: " + prepared.error().localizedDescription();
    }
    if (record.isDeleted())
        return std::nullopt;
    if (record.id().isNull())
        return QStringLiteral("it has no id");
    if (record.m_state == Record::State::inserted && isStored(entity, record.id())) {
        const bool freedInThisSave =
            std::any_of(m_pending.begin(), m_pending.end(), [&](const auto &other) {
                return other->m_pending && other->isDeleted() && &other->entity() == &entity &&
                       other->id() == record.id();
            });
        if (!freedInThisSave)
            return QStringLiteral("its id is taken by another stored record");
    }
    if (const EntitySchema *gone = missingLinkTarget(record))
        return u"the " + gone->name + u" it links to is gone";
    return std::nullopt;
}

bool ModelContext::isStored(const EntitySchema &entity, const QUuid &id)
{
    auto prepared = statement(u"SELECT 1 FROM \"" + entity.name + u"\" WHERE \"id\" = ?",
                              StoreError::Kind::fetchFailed);
    if (!prepared)
        return false;
    QSqlQuery &query = **prepared;
    query.bindValue(0, storage::uuidText(id));
    const bool found = query.exec() && query.next();
    query.finish();
    return found;
}

void ModelContext::dropUnsaveable()
{
    // Dropping one change can strand another (the children of a record that
    // will never be stored), so look again until nothing more goes.
    for (bool dropped = true; dropped;) {
        dropped = false;
        const std::vector<std::shared_ptr<Record>> pending = m_pending;
        for (const auto &record : pending) {
            if (!record->m_pending)
                continue;
            const std::optional<QString> why = whyUnsaveable(*record);
            if (!why)
                continue;
            platform::log::persistence().error(
                "dropped a change that can never be saved (%s %s): %s",
                {record->entity().name, storage::uuidText(record->id()), *why});
            drop(record);
            dropped = true;
        }
    }
    m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(),
                                   [](const auto &r) { return !r->m_pending; }),
                    m_pending.end());
}

void ModelContext::drop(const std::shared_ptr<Record> &record)
{
    const bool wasStored =
        record->m_state == Record::State::changed ||
        (record->isDeleted() && record->m_stateBeforeDelete != Record::State::inserted);
    if (!record->isDeleted() && missingLinkTarget(*record)) {
        // It goes the way of what it hangs off, as the store's cascade would
        // have taken it; what hangs off it goes too.
        remove(record);
        if (wasStored)
            return; // deleting a stored row can be written
    }
    record->m_pending = false;
    if (record->m_state == Record::State::changed) {
        // The edit stays in memory, as after any failed save; it is just no
        // longer written.
        record->m_state = Record::State::clean;
        return;
    }
    if (record->m_state == Record::State::inserted)
        record->m_state = Record::State::transient;
    auto map = m_identityMap.find(&record->entity());
    if (map != m_identityMap.end()) {
        const auto it = map->constFind(record->id());
        if (it != map->constEnd() && it->lock() == record)
            map->erase(it);
    }
    record->m_context = nullptr;
}

const EntitySchema *ModelContext::missingLinkTarget(Record &record)
{
    for (const FieldDescriptor &field : record.entity().fields) {
        if (field.type != FieldType::reference || !field.target)
            continue;
        const QUuid target = field.get(record).toUuid();
        if (!target.isNull() && !findRecord(*field.target(), target))
            return field.target();
    }
    return nullptr;
}

bool ModelContext::saveOrLog(const platform::Logger &log, const char *operation)
{
    const auto saved = save();
    if (!saved) {
        const QByteArray format = QByteArray(operation) + " save failed: %s";
        log.error(format.constData(), {saved.error().localizedDescription()});
    }
    return saved.hasValue();
}

platform::Expected<void, StoreError> ModelContext::save()
{
    std::vector<std::shared_ptr<Record>> pending;
    for (const auto &record : m_pending) {
        if (record->m_pending)
            pending.push_back(record);
    }
    if (pending.empty()) {
        m_pending.clear();
        return {};
    }
    std::stable_sort(pending.begin(), pending.end(), [](const auto &a, const auto &b) {
        return a->m_pendingSequence < b->m_pendingSequence;
    });

    QSqlDatabase db = m_container.database();
    if (!db.transaction())
        return platform::unexpected(sqlError(StoreError::Kind::saveFailed, db.lastError()));

    // Deletions first, so an id freed in this save can be taken again.
    std::optional<StoreError> failure;
    for (const auto &record : pending) {
        if (record->isDeleted() && (failure = writeRecord(*record)))
            break;
    }
    for (const auto &record : pending) {
        if (failure)
            break;
        if (!record->isDeleted())
            failure = writeRecord(*record);
    }
    if (!failure && !db.commit())
        failure = sqlError(StoreError::Kind::saveFailed, db.lastError());
    if (failure) {
        db.rollback();
        // What can still be written stays for the next save to retry (a
        // full disk may have room again); a change that can never be
        // written goes, or it would fail every later save with it.
        dropUnsaveable();
        return platform::unexpected(*failure);
    }

    for (const auto &record : pending) {
        record->m_pending = false;
        if (record->isDeleted()) {
            auto map = m_identityMap.find(&record->entity());
            if (map != m_identityMap.end()) {
                const auto it = map->constFind(record->id());
                if (it != map->constEnd() && it->lock() == record)
                    map->erase(it);
            }
            record->m_context = nullptr;
        } else {
            record->m_state = Record::State::clean;
        }
    }
    m_pending.clear();
    m_cascaded.clear();
    emit didSave();
    return {};
}

} // namespace halvex
