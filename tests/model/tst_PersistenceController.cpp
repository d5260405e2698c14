#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "LogCapture.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/SchemaV1.h"
#include "model/Streak.h"

using namespace halvex;

namespace {

const QString category = QStringLiteral("com.fennimar.halvex.persistence");
const QString adoptedLine = QStringLiteral("adopted the sandboxed store from the old container");

// The file's access bits, as chmod writes them.
int mode(const QString &path)
{
    struct stat status {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777)
                                                                   : -1;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Sandbox {
    QTemporaryDir root;
    StoreEnvironment env;
    QStringList failingSuffixes; // copies of these suffixes fail

    Sandbox()
    {
        env.applicationSupport = root.filePath(QStringLiteral("support"));
        env.home = root.filePath(QStringLiteral("home"));
        const auto real = StoreEnvironment::system().copyFile;
        env.copyFile = [this, real](const QString &src,
                                    const QString &dst) -> std::optional<QString> {
            for (const QString &suffix : failingSuffixes) {
                const bool isMain = suffix.isEmpty() && src.endsWith(u".sqlite");
                if (isMain || (!suffix.isEmpty() && src.endsWith(suffix)))
                    return QStringLiteral("no space left on device");
            }
            return real(src, dst);
        };
    }
    QString storePath() const { return env.applicationSupport + u"/Halvex/Halvex.sqlite"; }
    QString oldPath() const
    {
        return PersistenceController::sandboxedStorePath(env, QStringLiteral("Halvex.sqlite"));
    }
};

// A real store file with one streak, to adopt or to reopen.
void makeStoreWithStreak(const QString &path, const QString &name)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    auto container = ModelContainer::open(SchemaV1::schema(), {path, false}).value();
    auto s = std::make_shared<Streak>(QUuid::createUuid(), name, StreakType::app,
                                      StrictnessMode::firm, QStringList{}, QStringList{},
                                      QStringList{}, QDateTime::currentDateTimeUtc());
    container->mainContext().insert(s);
    QVERIFY(container->mainContext().save().hasValue());
}

} // namespace

class tst_PersistenceController : public QObject {
    Q_OBJECT
private slots:
    void adoption_data();
    void adoption();
    void existingStoreIsNeverReplaced();
    void adoptedStoreOpens();
    void failedAdoptionRunsInMemoryAndIsRetried();
    void folderThatCannotBeMadeIsLoggedWithItsReason();
    void storeIsTheOwnersAlone();
    void privacyNeverAddsARight_data();
    void privacyNeverAddsARight();
    void readOnlyStoreIsLeftAsItIs_data();
    void readOnlyStoreIsLeftAsItIs();
    void noApplicationSupportUsesTemporaryFolder();
    void damagedFileFallsBackToMemoryUntouched_data();
    void damagedFileFallsBackToMemoryUntouched();
    void degradedFlagIsClearedOnNormalOpen();
    void olderFileGainsSchemaDefaults();
};

void tst_PersistenceController::adoption_data()
{
    QTest::addColumn<QStringList>("oldFiles");    // suffixes present in the old container
    QTest::addColumn<QStringList>("failing");     // suffixes whose copy fails
    QTest::addColumn<QStringList>("adopted");     // suffixes present at the store path afterwards
    QTest::addColumn<QStringList>("failureLogs"); // suffixes named in failure lines
    QTest::addColumn<bool>("adoptionLogged");
    QTest::newRow("no old store") << QStringList{} << QStringList{} << QStringList{}
                                  << QStringList{} << false;
    QTest::newRow("old store without side files")
        << QStringList{""} << QStringList{} << QStringList{""} << QStringList{} << true;
    // SQLite rebuilds the shared-memory index from the log: it is not copied.
    QTest::newRow("old store with side files") << QStringList{"", "-wal", "-shm"} << QStringList{}
                                               << QStringList{"", "-wal"} << QStringList{} << true;
    QTest::newRow("index copy would fail") << QStringList{"", "-wal", "-shm"} << QStringList{"-shm"}
                                           << QStringList{"", "-wal"} << QStringList{} << true;
    // A log beside a missing database would corrupt it: the log is not tried.
    QTest::newRow("store file copy fails") << QStringList{"", "-wal", "-shm"} << QStringList{""}
                                           << QStringList{} << QStringList{""} << false;
    QTest::newRow("log copy fails, nothing is left")
        << QStringList{"", "-wal", "-shm"} << QStringList{"-wal"} << QStringList{}
        << QStringList{"-wal"} << false;
}

void tst_PersistenceController::adoption()
{
    QFETCH(QStringList, oldFiles);
    QFETCH(QStringList, failing);
    QFETCH(QStringList, adopted);
    QFETCH(QStringList, failureLogs);
    QFETCH(bool, adoptionLogged);
    Sandbox box;
    box.failingSuffixes = failing;
    for (const QString &suffix : oldFiles)
        writeFile(box.oldPath() + suffix, "old" + suffix.toUtf8());
    QDir().mkpath(QFileInfo(box.storePath()).absolutePath());

    testing::LogCapture log;
    const auto adoption = PersistenceController::adoptSandboxedStore(box.storePath(), box.env);
    QCOMPARE(adoption == PersistenceController::Adoption::failed, !failureLogs.isEmpty());

    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const bool expected = adopted.contains(suffix);
        QCOMPARE(QFile::exists(box.storePath() + suffix), expected);
        if (expected)
            QCOMPARE(readAll(box.storePath() + suffix), "old" + suffix.toUtf8());
        QVERIFY(QFile::exists(box.oldPath() + suffix) ==
                oldFiles.contains(suffix)); // a copy, not a move
    }
    // No temporary copies are left behind.
    QCOMPARE(QDir(QFileInfo(box.storePath()).absolutePath()).entryList(QDir::Files), [&] {
        QStringList names;
        for (const auto &s : adopted)
            names << u"Halvex.sqlite" + s;
        names.sort();
        return names;
    }());
    QStringList failures;
    for (const QString &line : log.messages(category)) {
        if (line.startsWith(u"sandbox store adoption failed for "))
            failures << line;
    }
    QCOMPARE(failures.size(), failureLogs.size());
    for (int i = 0; i < failures.size(); ++i)
        QCOMPARE(failures[i], u"sandbox store adoption failed for " + failureLogs[i] +
                                  u": no space left on device");
    QCOMPARE(log.contains(category, adoptedLine), adoptionLogged);
}

void tst_PersistenceController::existingStoreIsNeverReplaced()
{
    Sandbox box;
    writeFile(box.oldPath(), "old");
    writeFile(box.storePath(), "current");
    testing::LogCapture log;
    PersistenceController::adoptSandboxedStore(box.storePath(), box.env);
    QCOMPARE(readAll(box.storePath()), QByteArray("current"));
    QVERIFY(!log.contains(category, adoptedLine));
}

void tst_PersistenceController::adoptedStoreOpens()
{
    Sandbox box;
    makeStoreWithStreak(box.oldPath(), QStringLiteral("From the old build"));
    PersistenceController controller(false, box.env);
    QVERIFY(!controller.degraded());
    QVERIFY(!controller.inMemory());
    const auto streaks = controller.mainContext().fetch<Streak>().value();
    QCOMPARE(streaks.size(), size_t(1));
    QCOMPARE(streaks.front()->name(), QStringLiteral("From the old build"));
}

void tst_PersistenceController::failedAdoptionRunsInMemoryAndIsRetried()
{
    Sandbox box;
    makeStoreWithStreak(box.oldPath(), QStringLiteral("From the old build"));
    box.failingSuffixes = QStringList{QString()};
    {
        testing::LogCapture log;
        PersistenceController controller(false, box.env);
        QVERIFY(controller.inMemory() && controller.degraded());
        QVERIFY(!QFile::exists(box.storePath())); // nothing stands in the old store's way
        QVERIFY(!log.contains(category, adoptedLine));
    }
    box.failingSuffixes.clear();
    PersistenceController controller(false, box.env);
    QVERIFY(!controller.inMemory());
    const auto streaks = controller.mainContext().fetch<Streak>().value();
    QCOMPARE(streaks.size(), size_t(1));
    QCOMPARE(streaks.front()->name(), QStringLiteral("From the old build"));
}

void tst_PersistenceController::folderThatCannotBeMadeIsLoggedWithItsReason()
{
    Sandbox box;
    writeFile(box.root.filePath(QStringLiteral("file")), "not a folder");
    StoreEnvironment env = box.env;
    env.applicationSupport = box.root.filePath(QStringLiteral("file/support"));
    testing::LogCapture log;
    const QString dir = PersistenceController::storeDirectory(env);
    QCOMPARE(log.messages(category),
             QStringList{u"createDirectory failed at " + dir + u": Not a directory"});
}

void tst_PersistenceController::storeIsTheOwnersAlone()
{
    Sandbox box;
    const QString folder = QFileInfo(box.storePath()).absolutePath();
    {
        PersistenceController controller(false, box.env);
        controller.mainContext().insert(std::make_shared<Streak>(
            QUuid::createUuid(), QStringLiteral("x"), StreakType::app, StrictnessMode::firm,
            QStringList{}, QStringList{}, QStringList{}, QDateTime::currentDateTimeUtc()));
        QVERIFY(controller.mainContext().save().hasValue());
        QCOMPARE(mode(folder), 0700);
        for (const QString suffix : {"", "-wal", "-shm"})
            QCOMPARE(mode(box.storePath() + suffix), 0600);
    }
    // Made by an earlier build with the usual rights: tightened at start.
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(box.storePath()).constData(), 0644) == 0);
    PersistenceController controller(false, box.env);
    QCOMPARE(mode(folder), 0700);
    QCOMPARE(mode(box.storePath()), 0600);
}

void tst_PersistenceController::privacyNeverAddsARight_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("usual rights") << 0644 << 0600;
    QTest::newRow("private already") << 0600 << 0600;
    QTest::newRow("read-only for all") << 0444 << 0400;
    QTest::newRow("read-only for the owner alone") << 0400 << 0400;
    QTest::newRow("no rights at all") << 0000 << 0000;
    QTest::newRow("others may write") << 0666 << 0600;
    QTest::newRow("executable") << 0755 << 0700;
    QTest::newRow("read-only folder") << 0555 << 0500;
}

void tst_PersistenceController::privacyNeverAddsARight()
{
    // The owner's rights are the user's to set: only the group's and
    // others' are taken away, on files and folders alike.
    QFETCH(int, before);
    QFETCH(int, after);
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("store"));
    const QString file = folder + QStringLiteral("/Halvex.sqlite");
    writeFile(file, "bytes");
    QVERIFY(::chmod(QFile::encodeName(file).constData(), mode_t(before)) == 0);
    PersistenceController::makeFilesPrivate(folder);
    QCOMPARE(mode(file), after);

    const auto restore = qScopeGuard([&] { ::chmod(QFile::encodeName(folder).constData(), 0700); });
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), mode_t(before | 0100)) == 0);
    QCOMPARE(PersistenceController::makePrivateFolder(folder), std::nullopt);
    QCOMPARE(mode(folder), after | 0100);
}

void tst_PersistenceController::readOnlyStoreIsLeftAsItIs_data()
{
    QTest::addColumn<bool>("folderReadOnly"); // else the store file is
    QTest::newRow("read-only store file") << false;
    QTest::newRow("read-only store folder") << true;
}

void tst_PersistenceController::readOnlyStoreIsLeftAsItIs()
{
    // Held to the rights themselves, for any user: a superuser could write
    // the file anyway, and would otherwise.
    QFETCH(bool, folderReadOnly);
    Sandbox box;
    makeStoreWithStreak(box.storePath(), QStringLiteral("Kept"));
    const QString folder = QFileInfo(box.storePath()).absolutePath();
    const QString readOnly = folderReadOnly ? folder : box.storePath();
    const auto restore = qScopeGuard([&] { ::chmod(QFile::encodeName(folder).constData(), 0700); });
    QVERIFY(::chmod(QFile::encodeName(readOnly).constData(), folderReadOnly ? 0555 : 0444) == 0);
    const QByteArray bytes = readAll(box.storePath());
    const QStringList files = QDir(folder).entryList(QDir::Files);

    testing::LogCapture log;
    {
        PersistenceController controller(false, box.env);
        QVERIFY(controller.degraded() && controller.inMemory());
        QVERIFY(controller.openFailure().has_value());
        QCOMPARE(controller.openFailure()->reason,
                 PersistenceController::OpenFailure::Reason::readOnly);
        QCOMPARE(controller.openFailure()->path, readOnly);
        QVERIFY(AppSettings::fetchOrCreate(controller.mainContext())->persistenceDegraded());
        controller.mainContext().insert(std::make_shared<Streak>(
            QUuid::createUuid(), QStringLiteral("lost"), StreakType::app, StrictnessMode::firm,
            QStringList{}, QStringList{}, QStringList{}, QDateTime::currentDateTimeUtc()));
        QVERIFY(controller.mainContext().save().hasValue());
    }
    QVERIFY(log.contains(category, u"ModelContainer init failed, falling back to in-memory: " +
                                       readOnly + u" is read-only"));
    QCOMPARE(readAll(box.storePath()), bytes);
    QCOMPARE(QDir(folder).entryList(QDir::Files), files);
    // Still read-only, whatever else was taken away.
    QCOMPARE(mode(readOnly) & 0200, 0);
}

void tst_PersistenceController::noApplicationSupportUsesTemporaryFolder()
{
    QTemporaryDir tmp;
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", tmp.path().toUtf8());
    StoreEnvironment env = StoreEnvironment::system();
    env.applicationSupport.clear();
    const QString dir = PersistenceController::storeDirectory(env);
    qputenv("TMPDIR", saved);
    QCOMPARE(QDir(dir).canonicalPath(),
             QDir(tmp.filePath(QStringLiteral("Halvex"))).canonicalPath());
    QVERIFY(QFileInfo(dir).isDir());
}

void tst_PersistenceController::damagedFileFallsBackToMemoryUntouched_data()
{
    QTest::addColumn<QByteArray>("content");
    QByteArray random(64 * 1024, '\0');
    for (int i = 0; i < random.size(); ++i)
        random[i] = char((i * 7919 + 13) % 251);
    QTest::newRow("random bytes") << random;
    QByteArray header("SQLite format 3");
    header.append('\0');
    header.append(QByteArray(4080, '\xff'));
    QTest::newRow("damaged header") << header;
    // Fails for the superuser too; null content stands for it.
    QTest::newRow("a folder in the file's place") << QByteArray();
}

void tst_PersistenceController::damagedFileFallsBackToMemoryUntouched()
{
    QFETCH(QByteArray, content);
    Sandbox box;
    if (content.isNull())
        QVERIFY(QDir().mkpath(box.storePath()));
    else
        writeFile(box.storePath(), content);
    testing::LogCapture log;
    PersistenceController controller(false, box.env);
    QVERIFY(controller.degraded());
    QVERIFY(controller.inMemory());
    // What failed, for the user to be told.
    QVERIFY(controller.openFailure().has_value());
    QCOMPARE(controller.openFailure()->reason,
             PersistenceController::OpenFailure::Reason::openFailed);
    QCOMPARE(controller.openFailure()->path, box.storePath());
    QVERIFY(!controller.openFailure()->detail.isEmpty());
    QVERIFY(AppSettings::fetchOrCreate(controller.mainContext())->persistenceDegraded());
    bool logged = false;
    for (const QString &line : log.messages(category))
        logged |= line.startsWith(u"ModelContainer init failed, falling back to in-memory: ");
    QVERIFY(logged);
    // The run goes on in memory; the user's file is left exactly as it was.
    auto s = std::make_shared<Streak>(QUuid::createUuid(), QStringLiteral("x"), StreakType::app,
                                      StrictnessMode::firm, QStringList{}, QStringList{},
                                      QStringList{}, QDateTime());
    controller.mainContext().insert(s);
    QVERIFY(controller.mainContext().save().hasValue());
    if (content.isNull())
        QVERIFY(QDir(box.storePath()).isEmpty());
    else
        QCOMPARE(readAll(box.storePath()), content);
    QVERIFY(!QFile::exists(box.storePath() + u"-wal"));
    QVERIFY(!QFile::exists(box.storePath() + u"-shm"));
}

void tst_PersistenceController::degradedFlagIsClearedOnNormalOpen()
{
    Sandbox box;
    {
        PersistenceController controller(false, box.env);
        QVERIFY(!controller.degraded());
        auto settings = AppSettings::fetchOrCreate(controller.mainContext());
        settings->setPersistenceDegraded(true);
        QVERIFY(controller.mainContext().save().hasValue());
    }
    PersistenceController controller(false, box.env);
    auto settings = AppSettings::fetchOrCreate(controller.mainContext());
    QVERIFY(!settings->persistenceDegraded());
    QVERIFY(!controller.mainContext().hasChanges()); // the cleared flag was saved
    QCOMPARE(controller.mainContext().fetchCount<AppSettings>().value(), 1);
}

void tst_PersistenceController::olderFileGainsSchemaDefaults()
{
    Sandbox box;
    QDir().mkpath(QFileInfo(box.storePath()).absolutePath());
    const QString id = QStringLiteral("0A1B2C3D-0000-4000-8000-00000000ABCD");
    {
        // A file written before the rule fields existed.
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        db.setDatabaseName(box.storePath());
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral(
            "CREATE TABLE \"Streak\" (\"id\" TEXT PRIMARY KEY NOT NULL, \"name\" TEXT, \"typeRaw\" "
            "TEXT, "
            "\"modeRaw\" TEXT, \"domains\" TEXT, \"browsers\" TEXT, \"bundleIdentifiers\" TEXT, "
            "\"startedAt\" TEXT, \"bestDays\" INTEGER, \"isPaused\" INTEGER, \"pausedUntil\" TEXT, "
            "\"allowDailyFreePass\" INTEGER, \"allowExternalLinkBypass\" INTEGER, \"sortOrder\" "
            "INTEGER, "
            "\"isPrimary\" INTEGER, \"createdAt\" TEXT, \"updatedAt\" TEXT)")));
        QVERIFY(
            q.exec(u"INSERT INTO \"Streak\" VALUES ('" + id +
                   u"', 'Old', 'app', 'gentle', '[]', '[]', '[\"code\"]', "
                   u"'2025-01-01T00:00:00.000Z', 3, 0, "
                   u"NULL, 0, 1, 2, 1, '2025-01-01T00:00:00.000Z', '2025-01-02T00:00:00.000Z')"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));

    PersistenceController controller(false, box.env);
    QVERIFY(!controller.degraded());
    auto streak = controller.mainContext().find<Streak>(QUuid::fromString(id));
    QVERIFY(streak);
    QCOMPARE(streak->name(), QStringLiteral("Old"));
    QCOMPARE(streak->bestDays(), 3);
    QVERIFY(!streak->allowDailyFreePass());
    QVERIFY(streak->notificationsEnabled());
    QVERIFY(!streak->activeWindowEnabled());
    QCOMPARE(streak->activeWindowStartMinutes(), 540);
    QCOMPARE(streak->activeWindowEndMinutes(), 1080);
    QCOMPARE(streak->activeWeekdaysMask(), 127);
    QVERIFY(!streak->allowanceEnabled());
    QCOMPARE(streak->allowanceMinutes(), 15);
    QCOMPARE(streak->sortOrder(), 2);
}

QTEST_GUILESS_MAIN(tst_PersistenceController)
#include "tst_PersistenceController.moc"
