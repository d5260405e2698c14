#include "model/ModelContainer.h"

#include <atomic>

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include "model/ModelContext.h"

namespace halvex {

namespace {

QString sqlType(FieldType type)
{
    switch (type) {
    case FieldType::integer:
    case FieldType::boolean:
        return QStringLiteral("INTEGER");
    case FieldType::real:
        return QStringLiteral("REAL");
    default:
        return QStringLiteral("TEXT");
    }
}

QString defaultLiteral(const FieldDescriptor &field)
{
    const QVariant stored = storage::encode(field.type, field.schemaDefault);
    if (stored.isNull())
        return {};
    if (stored.typeId() == QMetaType::QString) {
        QString text = stored.toString();
        text.replace(u'\'', QStringLiteral("''"));
        return u" DEFAULT '" + text + u'\'';
    }
    return u" DEFAULT " + stored.toString();
}

QString columnDefinition(const FieldDescriptor &field, bool isId)
{
    QString def = u'"' + field.columnName() + u"\" " + sqlType(field.type);
    if (isId)
        return def + u" PRIMARY KEY NOT NULL";
    def += defaultLiteral(field);
    if (field.type == FieldType::reference && field.target) {
        def += u" REFERENCES \"" + field.target()->name + u"\"(\"id\")";
        if (field.cascade)
            def += u" ON DELETE CASCADE";
        else
            def += u" ON DELETE SET NULL";
        // Inserts within one save may name a parent saved later in it.
        def += u" DEFERRABLE INITIALLY DEFERRED";
    }
    return def;
}

// What the engine itself said ("file is not a database"), without Qt's
// words about the statement around it: the user reads it when the store
// cannot be opened.
QString engineWords(const QSqlError &error)
{
    const QString words = error.databaseText();
    return words.isEmpty() ? error.text() : words;
}

std::optional<StoreError> exec(QSqlDatabase &db, const QString &sql, StoreError::Kind kind)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        return StoreError{kind, query.lastError().text()};
    return std::nullopt;
}

std::optional<StoreError> migrate(QSqlDatabase &db, const Schema &schema)
{
    for (const EntitySchema *model : schema.models) {
        QSet<QString> existing;
        {
            QSqlQuery info(db);
            if (!info.exec(u"PRAGMA table_info(\"" + model->name + u"\")"))
                return StoreError{StoreError::Kind::schemaFailed, info.lastError().text()};
            while (info.next())
                existing.insert(info.value(1).toString());
        }
        if (existing.isEmpty()) {
            QStringList columns;
            for (size_t i = 0; i < model->fields.size(); ++i)
                columns << columnDefinition(model->fields[i], i == 0);
            const QString sql =
                u"CREATE TABLE \"" + model->name + u"\" (" + columns.join(u", ") + u')';
            if (auto error = exec(db, sql, StoreError::Kind::schemaFailed))
                return error;
        } else {
            // A file from an older build: missing columns read their defaults.
            for (size_t i = 1; i < model->fields.size(); ++i) {
                const FieldDescriptor &field = model->fields[i];
                if (existing.contains(field.columnName()))
                    continue;
                const QString sql = u"ALTER TABLE \"" + model->name + u"\" ADD COLUMN " +
                                    columnDefinition(field, false);
                if (auto error = exec(db, sql, StoreError::Kind::schemaFailed))
                    return error;
            }
        }
        for (const QString &index : model->indexes) {
            // "suffix(col, col)" becomes index "<Table>_suffix".
            const qsizetype paren = index.indexOf(u'(');
            const QString name = model->name + u'_' + index.left(paren);
            const QString sql = u"CREATE INDEX IF NOT EXISTS \"" + name + u"\" ON \"" +
                                model->name + u"\" " + index.mid(paren);
            if (auto error = exec(db, sql, StoreError::Kind::schemaFailed))
                return error;
        }
    }
    return exec(db, QStringLiteral("PRAGMA user_version = 1"), StoreError::Kind::schemaFailed);
}

std::optional<StoreError> prepare(QSqlDatabase &db, const Schema &schema, bool inMemory)
{
    {
        // Qt opens any file; only a read tells whether it is a database.
        QSqlQuery probe(db);
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !probe.next())
            return StoreError{StoreError::Kind::notADatabase, engineWords(probe.lastError())};
    }
    if (!inMemory) {
        QSqlQuery wal(db);
        if (!wal.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
            return StoreError{StoreError::Kind::openFailed, engineWords(wal.lastError())};
    }
    if (auto error =
            exec(db, QStringLiteral("PRAGMA foreign_keys=ON"), StoreError::Kind::openFailed))
        return error;
    if (!db.transaction())
        return StoreError{StoreError::Kind::schemaFailed, db.lastError().text()};
    if (auto error = migrate(db, schema)) {
        db.rollback();
        return error;
    }
    if (!db.commit()) {
        const QString message = db.lastError().text();
        db.rollback();
        return StoreError{StoreError::Kind::schemaFailed, message};
    }
    return std::nullopt;
}

} // namespace

platform::Expected<std::unique_ptr<ModelContainer>, StoreError>
ModelContainer::open(const Schema &schema, const ModelConfiguration &configuration)
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("halvex-store-%1").arg(++counter);

    std::optional<StoreError> failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
        db.setDatabaseName(configuration.storedInMemoryOnly ? QStringLiteral(":memory:")
                                                            : configuration.path);
        if (!db.open())
            failure = StoreError{StoreError::Kind::openFailed, engineWords(db.lastError())};
        else
            failure = prepare(db, schema, configuration.storedInMemoryOnly);
        if (failure)
            db.close();
    }
    if (failure) {
        QSqlDatabase::removeDatabase(name);
        return platform::unexpected(*failure);
    }
    return std::unique_ptr<ModelContainer>(new ModelContainer(schema, configuration, name));
}

ModelContainer::ModelContainer(const Schema &schema, const ModelConfiguration &configuration,
                               QString connectionName)
    : m_schema(schema)
    , m_configuration(configuration)
    , m_connectionName(std::move(connectionName))
{
    m_mainContext = std::make_unique<ModelContext>(*this);
}

ModelContainer::~ModelContainer()
{
    m_mainContext.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase ModelContainer::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

} // namespace halvex
