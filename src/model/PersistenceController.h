#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QString>

#include "model/ModelContainer.h"

namespace halvex {

class ModelContext;

// Where the store lives, and the file operations adoption uses; both
// replaceable so that tests run in temporary folders and can make a copy fail.
struct StoreEnvironment {
    QString applicationSupport; // empty: the system names none
    QString home;
    // Copies src to dst; on failure returns the error's description.
    std::function<std::optional<QString>(const QString &src, const QString &dst)> copyFile;

    static StoreEnvironment system();
};

// Owner of the object store: finds its folder, adopts a store left by the
// old sandboxed build, opens it, and falls back to memory when it cannot.
class PersistenceController final {
public:
    // Why a run keeps to memory: the file (or folder) in question and what
    // the system or the store engine said.
    struct OpenFailure {
        enum class Reason { readOnly, openFailed };
        Reason reason = Reason::openFailed;
        QString path;
        QString detail;
    };

    explicit PersistenceController(bool inMemory,
                                   StoreEnvironment environment = StoreEnvironment::system());
    ~PersistenceController();
    PersistenceController(const PersistenceController &) = delete;
    PersistenceController &operator=(const PersistenceController &) = delete;

    static PersistenceController &shared();

    static inline const QString storeFileName = QStringLiteral("Halvex.sqlite");

    // "<Application Support>/Halvex", created when missing (failures are
    // logged), for its owner only.
    static QString storeDirectory(const StoreEnvironment &environment = StoreEnvironment::system());
    // What the store and its backups hold is the user's own reflection on
    // their habits: their folders and files are the owner's alone. Only the
    // group's and others' rights are taken away; the owner's are left as
    // they are, so a file or folder made read-only stays read-only. The
    // first creates the folder when missing and returns the creation's
    // error; failures to tighten are logged.
    static std::optional<QString> makePrivateFolder(const QString &path);
    static void makeFilesPrivate(const QString &folder);
    static QString sandboxedStorePath(const StoreEnvironment &environment, const QString &fileName);
    enum class Adoption { nothingToAdopt, adopted, failed };
    // Copies the old sandboxed store (and its "-wal" log) to storePath when
    // nothing is there yet. All or nothing: after a failure nothing is at
    // storePath, so that the next launch tries again.
    static Adoption adoptSandboxedStore(const QString &storePath,
                                        const StoreEnvironment &environment);

    ModelContainer &container() { return *m_container; }
    ModelContext &mainContext();
    bool inMemory() const { return m_inMemory; }
    bool degraded() const { return m_degraded; }
    const QString &storePath() const { return m_storePath; }
    // Set exactly when the run fell back to memory.
    const std::optional<OpenFailure> &openFailure() const { return m_openFailure; }

private:
    std::unique_ptr<ModelContainer> m_container;
    QString m_storePath;
    bool m_inMemory = false;
    bool m_degraded = false;
    std::optional<OpenFailure> m_openFailure;
};

} // namespace halvex
