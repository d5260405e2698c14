#pragma once

#include <memory>

#include <QSqlDatabase>
#include <QString>

#include "model/EntitySchema.h"
#include "model/StoreError.h"
#include "platform/Expected.h"

namespace halvex {

class ModelContext;

struct ModelConfiguration {
    QString path; // the store file; ignored in memory
    bool storedInMemoryOnly = false;
};

// One SQLite store for a schema, with its main context. A file that cannot
// be read as a database is left exactly as it was.
class ModelContainer final {
public:
    static platform::Expected<std::unique_ptr<ModelContainer>, StoreError>
    open(const Schema &schema, const ModelConfiguration &configuration);

    ~ModelContainer();
    ModelContainer(const ModelContainer &) = delete;
    ModelContainer &operator=(const ModelContainer &) = delete;

    ModelContext &mainContext() { return *m_mainContext; }
    const Schema &schema() const { return m_schema; }
    const ModelConfiguration &configuration() const { return m_configuration; }
    QSqlDatabase database() const;
    const QString &connectionName() const { return m_connectionName; }

private:
    ModelContainer(const Schema &schema, const ModelConfiguration &configuration,
                   QString connectionName);

    Schema m_schema;
    ModelConfiguration m_configuration;
    QString m_connectionName;
    std::unique_ptr<ModelContext> m_mainContext;
};

} // namespace halvex
