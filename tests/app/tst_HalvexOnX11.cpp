// The real halvex binary on a desktop of the test's own, with a home of its
// own: it creates its store, a second launch steps aside for it, SIGTERM
// takes it down in order, and a blocked application already in front when
// it starts gets its friction panel. The panel's screenshot is saved under
// $HALVEX_SCREENSHOT_DIR (else
// $TMPDIR/halvex-screenshots).
#include <QDir>
#include <QFile>
#include <QTest>

#include "ForegroundScene.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"

using namespace halvex;

namespace {

const testing::ForegroundScene::Application own{QStringLiteral("org.example.ShellProbe"),
                                                QStringLiteral("Shell probe"),
                                                QStringLiteral("HalvexShellProbe")};
const QString binary = QStringLiteral(HALVEX_BINARY);

} // namespace

class tst_HalvexOnX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void runsOncePerSessionAndStopsInOrderOnSigterm();
    void aBlockedApplicationInFrontAtLaunchGetsItsPanel();

private:
    // The store as the binary finds it in the temporary home.
    StoreEnvironment storeEnvironment() const
    {
        return {m_desktop.homePath() + QStringLiteral("/.local/share"), m_desktop.homePath(), {}};
    }
    QString storePath() const
    {
        return PersistenceController::storeDirectory(storeEnvironment()) + u'/' +
               PersistenceController::storeFileName;
    }
    static bool endsWithStatus(QProcess *process, int status)
    {
        return process->waitForFinished(15000) && process->exitStatus() == QProcess::NormalExit &&
               process->exitCode() == status;
    }

    testing::DesktopHarness m_desktop;
    testing::ForegroundScene m_scene{m_desktop, own};
};

void tst_HalvexOnX11::initTestCase()
{
    QVERIFY2(QFile::exists(binary), qPrintable(binary));
    const QString why = m_scene.setUp({.title = QStringLiteral("distraction"),
                                       .size = QSize(800, 500),
                                       .background = QColor(0x8a3b1f),
                                       .text = QStringLiteral("Endless feed")});
    QVERIFY2(why.isEmpty(), qPrintable(why));
}

void tst_HalvexOnX11::runsOncePerSessionAndStopsInOrderOnSigterm()
{
    QProcess *halvex = m_desktop.launch(binary, {QStringLiteral("--ui-test")});
    QVERIFY(halvex);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(storePath()), 15000);

    QProcess *second = m_desktop.launch(binary);
    QVERIFY(second);
    QVERIFY2(endsWithStatus(second, 0), qPrintable(m_desktop.logOf(second)));
    QCOMPARE(halvex->state(), QProcess::Running);

    halvex->terminate();
    QVERIFY2(endsWithStatus(halvex, 0), qPrintable(m_desktop.logOf(halvex)));
    // Closed in order: the journal is folded back into the store.
    QVERIFY(!QFile::exists(storePath() + QStringLiteral("-wal")));
    PersistenceController store(false, storeEnvironment());
    QVERIFY(!store.degraded());
    QCOMPARE(store.mainContext().fetchCount<AppSettings>().valueOr(-1), 1);
}

void tst_HalvexOnX11::aBlockedApplicationInFrontAtLaunchGetsItsPanel()
{
    const QString helper = testing::ForegroundScene::distraction().id;
    {
        PersistenceController store(false, storeEnvironment());
        ModelContext &context = store.mainContext();
        AppSettings::fetchOrCreate(context)->setFirstLaunchCompleted(true);
        context.insert(std::make_shared<Streak>(QUuid::createUuid(), QStringLiteral("Distraction"),
                                                StreakType::app, StrictnessMode::gentle,
                                                QStringList{}, QStringList{}, QStringList{helper},
                                                QDateTime::currentDateTimeUtc().addDays(-3)));
        QVERIFY(context.save().hasValue());
    }
    QVERIFY(m_scene.bringToFront(m_scene.helperApp()));

    QProcess *halvex = m_desktop.launch(binary, {QStringLiteral("--ui-test")});
    QVERIFY(halvex);
    const auto panel = m_desktop.waitForWindow(
        {.processIdentifier = halvex->processId(), .size = QSize(520, 420)}, 15000);
    QVERIFY2(panel, qPrintable(m_desktop.logOf(halvex)));
    QVERIFY(!m_desktop.screenshot(QStringLiteral("shell-panel-at-launch")).isEmpty());

    halvex->terminate();
    QVERIFY2(endsWithStatus(halvex, 0), qPrintable(m_desktop.logOf(halvex)));
    PersistenceController store(false, storeEnvironment());
    const auto events = store.mainContext().fetch<TriggerEvent>();
    QVERIFY(events && events->size() == 1);
    QCOMPARE(events->front()->matchedBundleId(), std::optional<QString>(helper));
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_HalvexOnX11>(argc, argv, {own.windowClass});
}

#include "tst_HalvexOnX11.moc"
