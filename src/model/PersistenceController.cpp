#include "model/PersistenceController.h"

#include <filesystem>
#include <system_error>

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

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString decodedPath(const std::filesystem::path &path)
{
    return QFile::decodeName(path.c_str());
}

// Privacy only ever takes away what the group and others may do: a right
// the owner took away (a store made read-only) is never given back.
void takeAwayOthersRights(const std::filesystem::path &path)
{
    namespace fs = std::filesystem;
    constexpr fs::perms others = fs::perms::group_all | fs::perms::others_all;
    std::error_code error;
    const fs::perms current = fs::status(path, error).permissions();
    if (!error && (current & others) == fs::perms::none)
        return;
    if (!error)
        fs::permissions(path, others, fs::perm_options::remove, error);
    if (error)
        platform::log::persistence().error(
            "could not make %s private: %s",
            {decodedPath(path), QString::fromStdString(error.message())});
}

// Whether the owner kept the right to write: read from the rights
// themselves, so that a store the user made read-only stays so for any
// user, the superuser too.
bool ownerMayWrite(const QString &path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::perms rights = fs::status(fsPath(path), error).permissions();
    return error || (rights & fs::perms::owner_write) != fs::perms::none;
}

} // namespace

std::optional<QString> PersistenceController::makePrivateFolder(const QString &path)
{
    namespace fs = std::filesystem;
    const fs::path folder = fsPath(path);
    std::error_code error;
    if (!fs::exists(folder, error)) {
        // The parents are the user's usual folders and keep the usual rights.
        fs::create_directories(folder.parent_path(), error);
        if (!error)
            fs::create_directory(folder, error);
        if (error)
            return QString::fromStdString(error.message());
    }
    if (fs::is_directory(folder, error))
        takeAwayOthersRights(folder);
    return std::nullopt;
}

void PersistenceController::makeFilesPrivate(const QString &folder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    for (fs::directory_iterator it(fsPath(folder), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code fileError;
        if (it->is_regular_file(fileError))
            takeAwayOthersRights(it->path());
    }
}

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
    if (const std::optional<QString> error = makePrivateFolder(directory))
        platform::log::persistence().error("createDirectory failed at %s: %s", {directory, *error});
    return directory;
}

QString PersistenceController::sandboxedStorePath(const StoreEnvironment &environment,
                                                  const QString &fileName)
{
    return QDir(environment.home)
        .filePath(QStringLiteral("Library/Containers/") + QLatin1String(bundleIdentifier) +
                  QStringLiteral("/Data/Library/Application Support/Halvex/") + fileName);
}

PersistenceController::Adoption
PersistenceController::adoptSandboxedStore(const QString &storePath,
                                           const StoreEnvironment &environment)
{
    if (exists(storePath))
        return Adoption::nothingToAdopt; // an existing store is never replaced
    const QString oldPath = sandboxedStorePath(environment, QFileInfo(storePath).fileName());
    if (!exists(oldPath))
        return Adoption::nothingToAdopt;

    // Each file goes to a temporary name first and is renamed into place only
    // when all copies succeeded: a write-ahead log must never sit beside a
    // missing or partial database, and a failed adoption is retried next
    // launch. The shared-memory index is left out: SQLite rebuilds it from
    // the log, and a stale one beside the copies is removed.
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

    for (const QString &suffix : {QString(), QStringLiteral("-wal")}) {
        const QString source = oldPath + suffix;
        if (!exists(source))
            continue;
        const QString destination = storePath + suffix;
        const QString temporary = destination + QStringLiteral(".adopting");
        QFile::remove(temporary);
        if (auto error = environment.copyFile(source, temporary)) {
            platform::log::persistence().error("sandbox store adoption failed for %s: %s",
                                               {suffix, *error});
            QFile::remove(temporary);
            failed = true;
            break;
        }
        QFile::setPermissions(temporary, QFile::ReadOwner | QFile::WriteOwner);
        copies.push_back({temporary, destination});
    }

    if (!failed) {
        QFile::remove(storePath + QStringLiteral("-shm"));
        // Side files first, the database last: its presence means adoption is complete.
        std::vector<QString> renamed;
        for (auto it = copies.rbegin(); it != copies.rend(); ++it) {
            QFile::remove(it->destination);
            if (!QFile::rename(it->temporary, it->destination)) {
                platform::log::persistence().error(
                    "sandbox store adoption failed for %s: %s",
                    {it->destination.mid(storePath.size()),
                     QStringLiteral("could not move the copy into place")});
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
    if (failed)
        return Adoption::failed;
    platform::log::persistence().info("adopted the sandboxed store from the old container");
    return Adoption::adopted;
}

PersistenceController::PersistenceController(bool inMemory, StoreEnvironment environment)
{
    const Schema &schema = SchemaV1::schema();
    ModelConfiguration configuration;
    std::optional<OpenFailure> failure;
    if (inMemory) {
        configuration.storedInMemoryOnly = true;
    } else {
        const QString directory = storeDirectory(environment);
        m_storePath = QDir(directory).filePath(storeFileName);
        // A store or folder its owner made read-only is left as it is, with
        // nothing created beside it: this run keeps to memory.
        for (const QString &path : {m_storePath, directory}) {
            if (!failure && exists(path) && !ownerMayWrite(path))
                failure = OpenFailure{OpenFailure::Reason::readOnly, path,
                                      path + QStringLiteral(" is read-only")};
        }
        // A store that failed to come over from the old build is not
        // replaced by a new empty one: the next launch tries again.
        if (!failure && adoptSandboxedStore(m_storePath, environment) == Adoption::failed)
            failure = OpenFailure{OpenFailure::Reason::openFailed, m_storePath,
                                  QStringLiteral("the store of the old build could not be copied")};
        if (!failure && !exists(m_storePath)) {
            // Created private before SQLite opens it; its side files take
            // the database's rights.
            QFile file(m_storePath);
            if (file.open(QIODevice::WriteOnly))
                file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
        makeFilesPrivate(directory);
        configuration.path = m_storePath;
    }

    auto opened =
        failure
            ? platform::Expected<std::unique_ptr<ModelContainer>, StoreError>(
                  platform::unexpected(StoreError{StoreError::Kind::openFailed, failure->detail}))
            : ModelContainer::open(schema, configuration);
    if (opened) {
        m_container = std::move(opened).value();
        m_inMemory = inMemory;
        m_degraded = false;
    } else {
        if (!failure)
            failure = OpenFailure{OpenFailure::Reason::openFailed, m_storePath,
                                  opened.error().localizedDescription()};
        platform::log::persistence().error(
            "ModelContainer init failed, falling back to in-memory: %s",
            {opened.error().localizedDescription()});
        auto fallback = ModelContainer::open(schema, ModelConfiguration{QString(), true});
        // SQLite in memory needs no file and no folder; it is not expected to fail.
        Q_ASSERT(fallback);
        m_container = std::move(fallback).value();
        m_inMemory = true;
        m_degraded = true;
        m_openFailure = std::move(failure);
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
