#include "model/PersistenceController.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "model/SchemaV1.h"
#include "platform/Log.h"

namespace halvex {

namespace {

const char *const bundleIdentifier = "com.fennimar.halvex";

bool exists(const QString &path)
{
    return QFileInfo::exists(path);
}

} // namespace

StoreEnvironment StoreEnvironment::system()
{
    StoreEnvironment env;
    env.applicationSupport = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    env.home = QDir::homePath();
    env.copyFile = [](const QString &src, const QString &dst) -> std::optional<QString> {
        QFile file(src);
        if (file.copy(dst))
            return std::nullopt;
        return file.errorString();
    };
    return env;
}

QString PersistenceController::storeDirectory(const StoreEnvironment &environment)
{
    const QString base = environment.applicationSupport.isEmpty() ? QDir::tempPath()
                                                                   : environment.applicationSupport;
    const QString directory = QDir(base).filePath(QStringLiteral("Halvex"));
    if (!exists(directory) && !QDir().mkpath(directory)) {
        platform::log::persistence().error("createDirectory failed at %s: %s",
                                           {directory, QStringLiteral("could not create the folder")});
    }
    return directory;
}

QString PersistenceController::sandboxedStorePath(const StoreEnvironment &environment,
                                                  const QString &fileName)
{
    return QDir(environment.home).filePath(QStringLiteral("Library/Containers/") +
                                           QLatin1String(bundleIdentifier) +
                                           QStringLiteral("/Data/Library/Application Support/Halvex/") +
                                           fileName);
}

void PersistenceController::adoptSandboxedStore(const QString &storePath,
                                                const StoreEnvironment &environment)
{
    if (exists(storePath))
        return; // an existing store is never replaced
    const QString oldPath = sandboxedStorePath(environment, QFileInfo(storePath).fileName());
    if (!exists(oldPath))
        return;

    // Each file goes to a temporary name first and is renamed into place only
    // when all copies succeeded: a write-ahead log must never sit beside a
    // missing or partial database, and a failed adoption is retried next launch.
    struct Placed {
        QString temporary;
        QString destination;
    };
    std::vector<Placed> copies;
    bool failed = false;
    auto discard = [&] {
        for (const Placed &p : copies)
            QFile::remove(p.temporary);
    };

    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QString source = oldPath + suffix;
        if (!exists(source))
            continue;
        const QString destination = storePath + suffix;
        const QString temporary = destination + QStringLiteral(".adopting");
        QFile::remove(temporary);
        if (auto error = environment.copyFile(source, temporary)) {
            platform::log::persistence().error("sandbox store adoption failed for %s: %s", {suffix, *error});
            QFile::remove(temporary);
            failed = true;
            break;
        }
        copies.push_back({temporary, destination});
    }

    if (!failed) {
        // Side files first, the database last: its presence means adoption is complete.
        std::vector<QString> renamed;
        for (auto it = copies.rbegin(); it != copies.rend(); ++it) {
            QFile::remove(it->destination);
            if (!QFile::rename(it->temporary, it->destination)) {
                platform::log::persistence().error(
                    "sandbox store adoption failed for %s: %s",
                    {it->destination.mid(storePath.size()), QStringLiteral("could not move the copy into place")});
                failed = true;
                break;
            }
            renamed.push_back(it->destination);
        }
        if (failed) {
            for (const QString &path : renamed)
                QFile::remove(path);
        }
    }
    discard();
    platform::log::persistence().info("adopted the sandboxed store from the old container");
}

PersistenceController::PersistenceController(bool inMemory, StoreEnvironment environment)
{
    const Schema &schema = SchemaV1::schema();
    ModelConfiguration configuration;
    if (inMemory) {
        configuration.storedInMemoryOnly = true;
    } else {
        m_storePath = QDir(storeDirectory(environment)).filePath(storeFileName);
        adoptSandboxedStore(m_storePath, environment);
        configuration.path = m_storePath;
    }

    auto opened = ModelContainer::open(schema, configuration);
    if (opened) {
        m_container = std::move(opened).value();
        m_inMemory = inMemory;
        m_degraded = false;
    } else {
        platform::log::persistence().error("ModelContainer init failed, falling back to in-memory: %s",
                                           {opened.error().localizedDescription()});
        auto fallback = ModelContainer::open(schema, ModelConfiguration{QString(), true});
        // SQLite in memory needs no file and no folder; it is not expected to fail.
        Q_ASSERT(fallback);
        m_container = std::move(fallback).value();
        m_inMemory = true;
        m_degraded = true;
    }

    auto settings = AppSettings::fetchOrCreate(mainContext());
    if (settings->persistenceDegraded() != m_degraded) {
        settings->setPersistenceDegraded(m_degraded);
        mainContext().saveOrLog(platform::log::persistence(), "persistenceDegraded flag");
    }
}

PersistenceController::~PersistenceController() = default;

PersistenceController &PersistenceController::shared()
{
    static PersistenceController controller(false);
    return controller;
}

ModelContext &PersistenceController::mainContext()
{
    return m_container->mainContext();
}

} // namespace halvex
