// The real halvex binary on a desktop of the test's own, with a home of its
// own, where start-up has something to tell first. A store that cannot be
// opened (damaged, read-only, a folder in the file's place) is told before
// the first-launch window can be used, and is left exactly as it was. In a
// Wayland session the notice comes in the user's language, once. What is on
// screen is found on the accessibility bus, as a screen reader finds it;
// screenshots go under $HALVEX_SCREENSHOT_DIR (else
// $TMPDIR/halvex-screenshots).
#include <sys/stat.h>

#include <memory>

#include <QDirIterator>
#include <QFile>
#include <QTest>

#include "AccessibleUi.h"
#include "DesktopHarness.h"
#include "HalvexSteps.h"
#include "app/StartupNotices.h"
#include "model/PersistenceController.h"
#include "platform/UserDefaults.h"
#include "platform/X11Connection.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using testing::AccessibleUi;

namespace {

const QString binary = QStringLiteral(HALVEX_BINARY);
// Long enough for a window to come up on a loaded machine.
constexpr int stepTimeoutMs = 20000;
const QString button = QStringLiteral("push button");
const QString label = QStringLiteral("label");

// What is on disk under a folder: each path's bytes and access bits.
struct Entry {
    QByteArray bytes;
    int mode = 0;
    bool isFolder = false;
};
using Snapshot = QMap<QString, Entry>;

int modeOf(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777)
                                                                     : -1;
}

// The windows the window manager frames for a process. A start with a
// finished first launch and --ui-test frames none but a notice: its icon
// goes to the tray host.
int managedWindowsOf(qint64 processIdentifier)
{
    const platform::X11Connection x11;
    int count = 0;
    for (const platform::X11Connection::Window window : x11.clientWindows()) {
        if (x11.processIdentifier(window) == processIdentifier)
            ++count;
    }
    return count;
}

Snapshot snapshot(const QString &folder)
{
    Snapshot taken;
    taken.insert(folder, {{}, modeOf(folder), true});
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        Entry entry{{}, modeOf(path), it.fileInfo().isDir()};
        if (QFile file(path); !entry.isFolder && file.open(QIODevice::ReadOnly))
            entry.bytes = file.readAll();
        taken.insert(path, entry);
    }
    return taken;
}

} // namespace

class tst_StartupNoticesOnX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void aStoreThatCannotBeOpenedIsToldFirstAndLeftAsItWas_data();
    void aStoreThatCannotBeOpenedIsToldFirstAndLeftAsItWas();
    void theWaylandNoticeComesInTheUsersLanguageOnce();
    void cleanup();

private:
    using Match = AccessibleUi::Match;

    StoreEnvironment storeEnvironment() const
    {
        return {m_desktop.homePath() + QStringLiteral("/.local/share"), m_desktop.homePath(), {}};
    }
    QString storeFolder() const { return storeEnvironment().applicationSupport + "/Halvex"; }
    QString storePath() const
    {
        return storeFolder() + u'/' + PersistenceController::storeFileName;
    }
    // A store past its first launch, with a streak, in a language, and a backup.
    void writeStore(const QString &language);
    QProcess *launch(const QStringList &arguments, const QProcessEnvironment &extra = {});
    bool waitFor(const Match &match);
    bool clickOn(const Match &match);
    bool endsWithStatus(QProcess *process, int status);
    // The end of what the binary wrote.
    QString said() const;

    testing::DesktopHarness m_desktop;
    QProcess *m_halvex = nullptr;
    std::unique_ptr<AccessibleUi> m_ui;
};

void tst_StartupNoticesOnX11::initTestCase()
{
    QVERIFY2(QFile::exists(binary), qPrintable(binary));
    for (const QString &why : {m_desktop.startWindowManager(), m_desktop.startAccessibilityBus(),
                               m_desktop.startTrayHost()})
        QVERIFY2(why.isEmpty(), qPrintable(why));
}

void tst_StartupNoticesOnX11::cleanup()
{
    if (m_halvex && m_halvex->state() != QProcess::NotRunning) {
        m_halvex->kill();
        m_halvex->waitForFinished(5000);
    }
    m_ui.reset();
    m_halvex = nullptr;
    // Writable again, so that the next case starts afresh.
    for (const QString &path : snapshot(storeFolder()).keys())
        ::chmod(QFile::encodeName(path).constData(), 0700);
    QDir(storeFolder()).removeRecursively();
}

void tst_StartupNoticesOnX11::writeStore(const QString &language)
{
    QVERIFY(testing::halvexSteps::writeHomePastOnboarding(m_desktop.homePath(), language));
    QVERIFY(QDir().mkpath(storeFolder() + QStringLiteral("/backups")));
    QFile backup(storeFolder() + QStringLiteral("/backups/2026-03-05.json"));
    QVERIFY(backup.open(QIODevice::WriteOnly) && backup.write("{}") == 2);
}

QProcess *tst_StartupNoticesOnX11::launch(const QStringList &arguments,
                                          const QProcessEnvironment &extra)
{
    // Qt's bridge exposes the widgets whatever the desktop's accessibility switch says.
    QProcessEnvironment environment = extra;
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    m_halvex = m_desktop.launch(binary, arguments, environment);
    if (m_halvex)
        m_ui = std::make_unique<AccessibleUi>(m_desktop.accessibilityBusAddress(),
                                              m_halvex->processId());
    return m_halvex;
}

bool tst_StartupNoticesOnX11::waitFor(const Match &match)
{
    if (QTest::qWaitFor([&] { return m_ui->find(match).has_value(); }, stepTimeoutMs))
        return true;
    qWarning().noquote() << "no" << match.role << match.name << "; on screen:\n"
                         << m_ui->dump() << "\nhalvex said:\n"
                         << said();
    return false;
}

QString tst_StartupNoticesOnX11::said() const
{
    return m_desktop.logEndOf(m_halvex);
}

bool tst_StartupNoticesOnX11::clickOn(const Match &match)
{
    // Clicked once it takes input and stays put: windows are placed after they show.
    QRect box;
    const bool ready = QTest::qWaitFor(
        [&] {
            const std::optional<AccessibleUi::Element> element = m_ui->find(match);
            if (!element || !m_ui->isEnabled(*element))
                return false;
            const QRect before = std::exchange(box, m_ui->extents(*element));
            return !box.isEmpty() && box == before;
        },
        stepTimeoutMs);
    return ready && m_desktop.click(box.center());
}

bool tst_StartupNoticesOnX11::endsWithStatus(QProcess *process, int status)
{
    return process->waitForFinished(15000) && process->exitStatus() == QProcess::NormalExit &&
           process->exitCode() == status;
}

void tst_StartupNoticesOnX11::aStoreThatCannotBeOpenedIsToldFirstAndLeftAsItWas_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("quit"); // else the user goes on without saving
    QTest::newRow("read-only file") << "read-only file" << true;
    QTest::newRow("read-only folder") << "read-only folder" << false;
    QTest::newRow("a folder in the file's place") << "folder in its place" << true;
    QTest::newRow("damaged file") << "damaged file" << false;
}

void tst_StartupNoticesOnX11::aStoreThatCannotBeOpenedIsToldFirstAndLeftAsItWas()
{
    QFETCH(QString, damage);
    QFETCH(bool, quit);
    writeStore(QStringLiteral("en"));
    if (damage == u"read-only file") {
        QVERIFY(::chmod(QFile::encodeName(storePath()).constData(), 0444) == 0);
    } else if (damage == u"read-only folder") {
        QVERIFY(::chmod(QFile::encodeName(storeFolder()).constData(), 0555) == 0);
    } else if (damage == u"folder in its place") {
        QVERIFY(QFile::remove(storePath()) && QDir().mkpath(storePath()));
    } else {
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::ReadWrite) && file.write(QByteArray(100, 'Z')) == 100);
    }
    const Snapshot before = snapshot(storeFolder());

    QVERIFY(launch({}));
    // Said first: what failed and where, while the first-launch window waits.
    QVERIFY(waitFor({.role = label, .name = QStringLiteral("Halvex could not open its store")}));
    const QString failed = damage.startsWith(u"read-only folder") ? storeFolder() : storePath();
    QVERIFY(waitFor({.role = label, .name = failed + u' ', .partialName = true}));
    QVERIFY(waitFor({.role = label,
                     .name = QStringLiteral("The newest backup is 2026-03-05.json."),
                     .partialName = true}));
    QVERIFY(!m_ui->find({.role = button, .name = QStringLiteral("Get started")}));
    QVERIFY(
        !m_desktop
             .screenshot(QStringLiteral("startup-notice-") + QString(damage).replace(u' ', u'-'))
             .isEmpty());

    if (quit) {
        QVERIFY(clickOn({.role = button, .name = QStringLiteral("Quit Halvex")}));
    } else {
        QVERIFY(clickOn({.role = button, .name = QStringLiteral("Continue without saving")}));
        QVERIFY(waitFor({.role = button, .name = QStringLiteral("Get started")}));
        m_halvex->terminate();
    }
    QVERIFY2(endsWithStatus(m_halvex, 0), qPrintable(said()));

    // Byte for byte as it was, nothing beside it, no right given.
    const Snapshot after = snapshot(storeFolder());
    QCOMPARE(after.keys(), before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const Entry &now = after[it.key()];
        QVERIFY2(now.bytes == it->bytes, qPrintable(it.key()));
        QVERIFY2(
            (now.mode & ~it->mode) == 0,
            qPrintable(it.key() +
                       QStringLiteral(": %1 became %2").arg(it->mode, 0, 8).arg(now.mode, 0, 8)));
    }
}

void tst_StartupNoticesOnX11::theWaylandNoticeComesInTheUsersLanguageOnce()
{
    writeStore(QStringLiteral("de"));
    // The tables the binary reads, for the texts it shows.
    TranslationLoader german;
    QVERIFY(german.load(QStringLiteral("de")));
    const QString title = qtTrId("startup_notice.xwayland.title");
    const QString goOn = qtTrId("startup_notice.continue");
    QVERIFY(title != QStringLiteral("Halvex sees only some windows here"));
    QProcessEnvironment wayland;
    // XWayland's display is the harness's X server.
    wayland.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    const QStringList quiet{QStringLiteral("--ui-test")};

    QVERIFY(launch(quiet, wayland));
    QVERIFY(waitFor({.role = label, .name = title}));
    QVERIFY(!m_desktop.screenshot(QStringLiteral("startup-notice-wayland-de")).isEmpty());
    QCOMPARE(m_desktop.waitForWindowManager(), QString());
    QCOMPARE(managedWindowsOf(m_halvex->processId()), 1);
    QVERIFY(clickOn({.role = button, .name = goOn}));
    QTRY_VERIFY_WITH_TIMEOUT(!m_ui->find({.role = label, .name = title}), stepTimeoutMs);
    m_halvex->terminate();
    QVERIFY2(endsWithStatus(m_halvex, 0), qPrintable(said()));
    platform::UserDefaults defaults(m_desktop.homePath() +
                                    QStringLiteral("/.config/fennimar/halvex.ini"));
    QVERIFY(defaults.boolValue(StartupNotices::xwaylandReadKey, false));

    // Told once: the next start goes straight to its icon. A notice is
    // mapped before the icon is made, on the same connection, and the window
    // manager handles maps in order: once the icon is in the tray and the
    // window manager has caught up, a notice would be among its windows.
    QVERIFY(launch(quiet, wayland));
    QVERIFY2(m_desktop.waitForTrayIcon(m_halvex->processId(), stepTimeoutMs), qPrintable(said()));
    QCOMPARE(m_desktop.waitForWindowManager(), QString());
    QCOMPARE(managedWindowsOf(m_halvex->processId()), 0);
    m_halvex->terminate();
    QVERIFY2(endsWithStatus(m_halvex, 0), qPrintable(said()));
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_StartupNoticesOnX11>(argc, argv);
}

#include "tst_StartupNoticesOnX11.moc"
