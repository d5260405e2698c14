#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "LogCapture.h"
#include "model/AppSettings.h"
#include "model/BackupManager.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/WhyAnswer.h"

using namespace halvex;

namespace {

QDateTime at(const char *iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODateWithMs);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// An in-memory store whose folder lies in a temporary directory, with a
// clock the test sets.
struct Fixture {
    explicit Fixture(int utcOffsetSeconds = 0)
        : persistence(true, environment())
        , manager(std::make_unique<BackupManager>(
              persistence, environment(),
              DayClock([this] { return now; }, QTimeZone(utcOffsetSeconds))))
    {}

    StoreEnvironment environment() const
    {
        StoreEnvironment env;
        env.applicationSupport = dir.filePath(QStringLiteral("support"));
        env.home = dir.filePath(QStringLiteral("home"));
        return env;
    }

    QString backups() const { return dir.filePath(QStringLiteral("support/Halvex/backups")); }
    QStringList files() const
    {
        return QDir(backups()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    std::shared_ptr<AppSettings> settings()
    {
        return AppSettings::fetchOrCreate(persistence.mainContext());
    }
    std::optional<QDateTime> lastBackupAt() { return settings()->lastBackupAt(); }

    QTemporaryDir dir;
    PersistenceController persistence;
    QDateTime now = at("2025-03-01T12:00:00Z");
    std::unique_ptr<BackupManager> manager;
};

const QString category = QStringLiteral("com.fennimar.halvex.persistence");

// The file's access bits, as chmod writes them.
int mode(const QString &path)
{
    struct stat status {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777)
                                                                   : -1;
}

QJsonObject document(const QString &path)
{
    return QJsonDocument::fromJson(readFile(path)).object();
}

// Limits how large this process may make a file, as a full disk would; root included.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

enum class Failure {
    plainFileForFolder,
    folderForFile,
    folderUncreatable,
    diskFull,
    storeFetch,
};

} // namespace

Q_DECLARE_METATYPE(Failure)

class tst_BackupManager : public QObject {
    Q_OBJECT
private slots:
    void dueByLocalDayNamedByUtcDate_data();
    void dueByLocalDayNamedByUtcDate();
    void checksOverTwoLocalDaysSharingOneUtcDate();
    void failedBackupLeavesEverythingAsItWas_data();
    void failedBackupLeavesEverythingAsItWas();
    void failedBookkeepingSaveKeepsTheFile();
    void damagedStoredValuesTakeTheirFallback();
    void storeInMemoryAfterAFailedOpenIsNotBackedUp();
    void backupsAreTheOwnersAlone();
};

void tst_BackupManager::dueByLocalDayNamedByUtcDate_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QDateTime>("last");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("written"); // empty: no backup is due

    const int east = 9 * 3600;
    const int west = -5 * 3600;
    QTest::newRow("fresh store") << 0 << QDateTime() << at("2025-03-01T12:00:00Z")
                                 << QStringLiteral("2025-03-01.json");
    QTest::newRow("east, early local morning takes the previous UTC date")
        << east << at("2025-02-28T03:00:00Z") << at("2025-03-01T23:30:00Z") // local 2 Mar 08:30
        << QStringLiteral("2025-03-01.json");
    QTest::newRow("west, local evening takes the next UTC date")
        << west << at("2025-02-28T12:00:00Z") << at("2025-03-02T02:00:00Z") // local 1 Mar 21:00
        << QStringLiteral("2025-03-02.json");
    QTest::newRow("east, same local day across a UTC midnight")
        << east << at("2025-02-28T23:00:00Z") << at("2025-03-01T01:00:00Z") << QString();
    QTest::newRow("west, same local day across a UTC midnight")
        << west << at("2025-03-01T23:00:00Z") << at("2025-03-02T02:00:00Z") << QString();
    QTest::newRow("west, new local day on the same UTC date")
        << west << at("2025-03-01T01:00:00Z")
        << at("2025-03-01T06:00:00Z") // local 28 Feb 20:00, 1 Mar 01:00
        << QStringLiteral("2025-03-01.json");
    QTest::newRow("same day, a minute later")
        << 0 << at("2025-03-01T00:00:00Z") << at("2025-03-01T00:01:00Z") << QString();
    QTest::newRow("clock set back to an earlier day")
        << 0 << at("2025-03-05T12:00:00Z") << at("2025-03-01T12:00:00Z")
        << QStringLiteral("2025-03-01.json");
    QTest::newRow("clock set back within the same day")
        << 0 << at("2025-03-01T18:00:00Z") << at("2025-03-01T09:00:00Z") << QString();
}

void tst_BackupManager::dueByLocalDayNamedByUtcDate()
{
    QFETCH(int, offset);
    QFETCH(QDateTime, last);
    QFETCH(QDateTime, now);
    QFETCH(QString, written);

    Fixture f(offset);
    if (last.isValid()) {
        f.settings()->setLastBackupAt(last);
        QVERIFY(f.persistence.mainContext().save());
    }
    f.now = now;
    f.manager->runIfNeeded();

    if (written.isEmpty()) {
        QCOMPARE(f.files(), QStringList());
        QCOMPARE(f.lastBackupAt(), std::optional<QDateTime>(last));
    } else {
        QCOMPARE(f.files(), QStringList{written});
        QCOMPARE(f.lastBackupAt(), std::optional<QDateTime>(now));
    }
}

void tst_BackupManager::checksOverTwoLocalDaysSharingOneUtcDate()
{
    Fixture f(9 * 3600);
    const QString file = QDir(f.backups()).filePath(QStringLiteral("2025-03-01.json"));
    f.now = at("2025-03-01T14:00:00.600Z"); // local 1 Mar 23:00
    f.manager->runIfNeeded();
    QCOMPARE(f.files(), QStringList{QStringLiteral("2025-03-01.json")});
    // Assembled before the bookkeeping: the first backup names no earlier one.
    QVERIFY(!document(file).value(u"appSettings").toObject().contains(u"lastBackupAt"));
    QCOMPARE(f.lastBackupAt(), std::optional<QDateTime>(f.now));

    f.now = at("2025-03-01T14:59:00Z"); // local 1 Mar 23:59: done for today
    f.manager->runIfNeeded();
    QCOMPARE(document(file).value(u"exportedAt").toString(),
             QStringLiteral("2025-03-01T14:00:00Z"));

    f.now = at("2025-03-01T16:00:00Z"); // local 2 Mar 01:00, the same UTC date
    f.manager->runIfNeeded();
    QCOMPARE(f.files(), QStringList{QStringLiteral("2025-03-01.json")});
    const QJsonObject doc = document(file);
    QCOMPARE(doc.value(u"exportedAt").toString(), QStringLiteral("2025-03-01T16:00:00Z"));
    QCOMPARE(doc.value(u"appSettings")[u"lastBackupAt"].toString(),
             QStringLiteral("2025-03-01T14:00:00Z"));
}

void tst_BackupManager::failedBackupLeavesEverythingAsItWas_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<int>("error"); // a BackupError, or -1 for the store's own error

    QTest::newRow("plain file where the folder should be")
        << Failure::plainFileForFolder << int(BackupError::fileWriteFailed);
    QTest::newRow("folder where the file should be")
        << Failure::folderForFile << int(BackupError::fileWriteFailed);
    QTest::newRow("folder cannot be created")
        << Failure::folderUncreatable << int(BackupError::directoryCreationFailed);
    QTest::newRow("disk full over an earlier file")
        << Failure::diskFull << int(BackupError::fileWriteFailed);
    QTest::newRow("store cannot be read") << Failure::storeFetch << -1;
}

void tst_BackupManager::failedBackupLeavesEverythingAsItWas()
{
    QFETCH(Failure, failure);
    QFETCH(int, error);

    Fixture f;
    const QDateTime earlier = at("2025-02-28T12:00:00Z");
    f.settings()->setLastBackupAt(earlier);
    QVERIFY(f.persistence.mainContext().save());
    const QString target = QDir(f.backups()).filePath(QStringLiteral("2025-03-01.json"));
    const QByteArray before = "an earlier backup of the same day";
    std::optional<FileSizeLimit> limit;

    switch (failure) {
    case Failure::plainFileForFolder:
        QVERIFY(QDir().mkpath(QFileInfo(f.backups()).path()));
        QVERIFY(writeFile(f.backups(), before));
        break;
    case Failure::folderForFile:
        QVERIFY(QDir().mkpath(target));
        break;
    case Failure::folderUncreatable: {
        QVERIFY(writeFile(f.dir.filePath(QStringLiteral("blocker")), before));
        f.manager = std::make_unique<BackupManager>(
            f.persistence, f.environment(), DayClock([&f] { return f.now; }, QTimeZone::utc()),
            f.dir.filePath(QStringLiteral("blocker/backups")));
        break;
    }
    case Failure::diskFull:
        QVERIFY(QDir().mkpath(f.backups()));
        QVERIFY(writeFile(target, before));
        limit.emplace(rlim_t(before.size() + 16)); // far less than any document
        break;
    case Failure::storeFetch:
        QVERIFY(QSqlQuery(f.persistence.container().database())
                    .exec(QStringLiteral("ALTER TABLE \"TriggerEvent\" RENAME TO \"Gone\"")));
        break;
    }

    testing::LogCapture log;
    auto result = f.manager->exportBackup();
    limit.reset();
    QVERIFY(!result);
    if (error < 0) {
        QVERIFY(std::holds_alternative<StoreError>(result.error()));
        QCOMPARE(std::get<StoreError>(result.error()).kind, StoreError::Kind::fetchFailed);
    } else {
        QVERIFY(std::holds_alternative<BackupError>(result.error()));
        QCOMPARE(int(std::get<BackupError>(result.error())), error);
    }

    QCOMPARE(f.lastBackupAt(), std::optional<QDateTime>(earlier));
    switch (failure) {
    case Failure::plainFileForFolder:
        QCOMPARE(readFile(f.backups()), before);
        break;
    case Failure::folderForFile:
        QVERIFY(QFileInfo(target).isDir());
        QCOMPARE(f.files(), QStringList{QStringLiteral("2025-03-01.json")});
        break;
    case Failure::diskFull:
        QCOMPARE(readFile(target), before);
        QCOMPARE(f.files(),
                 QStringList{QStringLiteral("2025-03-01.json")}); // no temporary left behind
        break;
    default:
        QVERIFY(!QFileInfo::exists(f.backups()) || f.files().isEmpty());
        break;
    }

    // The daily check tries again and says why it failed; with room on the
    // disk again, that try succeeds.
    log.clear();
    f.manager->runIfNeeded();
    QCOMPARE(log.messages(category).filter(QStringLiteral("backup failed: ")).size(),
             failure == Failure::diskFull ? 0 : 1);
    if (failure == Failure::diskFull) {
        QCOMPARE(f.lastBackupAt(), std::optional<QDateTime>(f.now));
        QCOMPARE(document(target).value(u"schemaVersion").toInt(), 1);
    } else {
        QCOMPARE(f.lastBackupAt(), std::optional<QDateTime>(earlier));
    }
}

void tst_BackupManager::failedBookkeepingSaveKeepsTheFile()
{
    Fixture f;
    const QString folder = f.dir.filePath(QStringLiteral("missing/parents/backups"));
    f.manager = std::make_unique<BackupManager>(
        f.persistence, f.environment(), DayClock([&f] { return f.now; }, QTimeZone::utc()), folder);
    QVERIFY(QSqlQuery(f.persistence.container().database())
                .exec(QStringLiteral("CREATE TEMP TRIGGER f BEFORE UPDATE ON \"AppSettings\" "
                                     "BEGIN SELECT RAISE(ABORT, 'disk is full'); END")));

    auto path = f.manager->exportBackup();
    QVERIFY(path);
    QCOMPARE(*path, QDir(folder).filePath(QStringLiteral("2025-03-01.json")));
    QCOMPARE(document(*path).value(u"exportedAt").toString(),
             QStringLiteral("2025-03-01T12:00:00Z"));
    // Unsaved, but held in memory: the rest of today's checks stay quiet.
    QCOMPARE(f.lastBackupAt(), std::optional<QDateTime>(f.now));
    QVERIFY(f.persistence.mainContext().hasChanges());
}

void tst_BackupManager::damagedStoredValuesTakeTheirFallback()
{
    Fixture f;
    ModelContext &context = f.persistence.mainContext();
    const QUuid id = QUuid::createUuid();
    context.insert(std::make_shared<Streak>(
        id, QStringLiteral("Damaged"), StreakType::site, StrictnessMode::firm, QStringList{"x.com"},
        QStringList{}, QStringList{}, at("2025-01-01T00:00:00Z")));
    context.insert(std::make_shared<Streak>(
        QUuid::createUuid(), QStringLiteral("Sound"), StreakType::site, StrictnessMode::firm,
        QStringList{"y.com"}, QStringList{}, QStringList{}, at("2025-01-01T00:00:00Z")));
    QVERIFY(context.save());
    // Written by something else: the streak object is reread from these.
    QVERIFY(QSqlQuery(f.persistence.container().database())
                .exec(u"UPDATE \"Streak\" SET \"startedAt\" = 1735689600, "
                      u"\"domains\" = 'x.com', \"allowanceMinutes\" = 'many' WHERE \"id\" = '" +
                      id.toString(QUuid::WithoutBraces).toUpper() + u'\''));

    testing::LogCapture log;
    f.manager->runIfNeeded();
    QCOMPARE(f.lastBackupAt(), std::optional<QDateTime>(f.now));
    const QJsonArray streaks =
        document(QDir(f.backups()).filePath(QStringLiteral("2025-03-01.json")))
            .value(u"streaks")
            .toArray();
    QCOMPARE(streaks.size(), 2);
    for (const QJsonValue &streak : streaks) {
        const bool damaged = streak[u"name"].toString() == u"Damaged";
        QCOMPARE(streak.toObject().contains(u"startedAt"), !damaged);
        QCOMPARE(streak[u"domains"].toArray().size(), damaged ? 0 : 1);
        QCOMPARE(streak[u"allowanceMinutes"].toInt(), 15); // the declared value
    }
    QVERIFY(log.messages(category).filter(QStringLiteral("backup wrote a fallback")).size() == 1);
}

void tst_BackupManager::storeInMemoryAfterAFailedOpenIsNotBackedUp()
{
    Fixture f;
    QVERIFY(QDir().mkpath(f.backups()));
    const QString today = QDir(f.backups()).filePath(QStringLiteral("2025-03-01.json"));
    QVERIFY(writeFile(today, "this morning's good backup"));
    QVERIFY(writeFile(QDir(f.backups()).filePath(QStringLiteral("../Halvex.sqlite")),
                      QByteArray(8192, '\x5a')));
    PersistenceController degraded(false, f.environment());
    QVERIFY(degraded.degraded());

    BackupManager manager(degraded, f.environment(),
                          DayClock([&f] { return f.now; }, QTimeZone::utc()));
    manager.runIfNeeded();
    QCOMPARE(readFile(today), QByteArray("this morning's good backup"));
    QCOMPARE(AppSettings::fetchOrCreate(degraded.mainContext())->lastBackupAt(), std::nullopt);
}

void tst_BackupManager::backupsAreTheOwnersAlone()
{
    Fixture f;
    // Left by an earlier build, readable by anyone.
    QVERIFY(QDir().mkpath(f.backups()));
    const QString old = QDir(f.backups()).filePath(QStringLiteral("2025-02-01.json"));
    QVERIFY(writeFile(old, "{}"));
    const auto everyone =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(old, everyone));
    QVERIFY(QFile::setPermissions(f.backups(),
                                  everyone | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));

    BackupManager manager(f.persistence, f.environment(),
                          DayClock([&f] { return f.now; }, QTimeZone::utc()));
    QCOMPARE(mode(old), 0600);
    QCOMPARE(mode(f.backups()), 0700);

    auto written = manager.exportBackup();
    QVERIFY(written);
    QCOMPARE(mode(*written), 0600);
}

QTEST_GUILESS_MAIN(tst_BackupManager)
#include "tst_BackupManager.moc"
