// The real halvex binary on a desktop of the test's own, with a home of its
// own: it creates its store, a second launch steps aside for it, SIGTERM
// takes it down in order, and a blocked application already in front when
// it starts gets its friction panel, which a second launch leaves in front
// with the focus. The panel's screenshot is saved under
// $HALVEX_SCREENSHOT_DIR (else $TMPDIR/halvex-screenshots).
#include <QDir>
#include <QFile>
#include <QTest>

#include "AccessibleUi.h"
#include "ForegroundScene.h"
#include "HalvexSteps.h"
#include "friction/FrictionPanel.h"
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
    void aBlockedApplicationInFrontAtLaunchGetsItsPanelThatASecondLaunchLeavesInFront();

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
    // A tray, so that a reveal of the popover is not put off while the
    // desktop might still bring one up.
    for (const QString &piece : {m_desktop.startAccessibilityBus(), m_desktop.startTrayHost()})
        QVERIFY2(piece.isEmpty(), qPrintable(piece));
}

void tst_HalvexOnX11::runsOncePerSessionAndStopsInOrderOnSigterm()
{
    QProcess *halvex = m_desktop.launch(binary, {QStringLiteral("--ui-test")});
    QVERIFY(halvex);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(storePath()), 15000);

    QProcess *second = m_desktop.launch(binary);
    QVERIFY(second);
    QVERIFY2(endsWithStatus(second, 0), qPrintable(m_desktop.logEndOf(second)));
    QCOMPARE(halvex->state(), QProcess::Running);

    halvex->terminate();
    QVERIFY2(endsWithStatus(halvex, 0), qPrintable(m_desktop.logEndOf(halvex)));
    // Closed in order: the journal is folded back into the store.
    QVERIFY(!QFile::exists(storePath() + QStringLiteral("-wal")));
    PersistenceController store(false, storeEnvironment());
    QVERIFY(!store.degraded());
    QCOMPARE(store.mainContext().fetchCount<AppSettings>().valueOr(-1), 1);
}

void tst_HalvexOnX11::aBlockedApplicationInFrontAtLaunchGetsItsPanelThatASecondLaunchLeavesInFront()
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

    // Qt's bridge exposes the widgets whatever the desktop's accessibility switch says.
    QProcessEnvironment accessible;
    accessible.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    QProcess *halvex = m_desktop.launch(binary, {QStringLiteral("--ui-test")}, accessible);
    QVERIFY(halvex);
    const qint64 pid = halvex->processId();
    const auto panel = m_desktop.waitForWindow(
        {.processIdentifier = pid, .size = FrictionPanel::panelSize}, 15000);
    QVERIFY2(panel, qPrintable(m_desktop.logEndOf(halvex)));
    QTRY_COMPARE(m_desktop.activeWindow().value_or(0), *panel);
    QVERIFY(!m_desktop.screenshot(QStringLiteral("shell-panel-at-launch")).isEmpty());

    // What of ours is mapped besides the panel, its backdrop and the tray
    // icon (in trayer's panel, which grows with each icon it docks).
    const auto others = [&] {
        const auto trayer = m_desktop.findWindow({.windowClass = QStringLiteral("trayer")});
        const QRect tray = trayer ? m_desktop.frame(*trayer) : QRect();
        QStringList found;
        for (const auto window : m_desktop.findWindows({.processIdentifier = pid})) {
            const QRect frame = m_desktop.frame(window);
            if (window != *panel && frame.size() != m_desktop.screenSize() && !tray.contains(frame))
                found << QStringLiteral("%1x%2 at %3,%4")
                             .arg(frame.width())
                             .arg(frame.height())
                             .arg(frame.x())
                             .arg(frame.y());
        }
        return found;
    };

    // Started again while the panel is up: the second process steps aside,
    // and the panel stays in front with the focus, with nothing of ours
    // opened under its backdrop (a popover there would take the keys).
    QProcess *second = m_desktop.launch(binary);
    QVERIFY(second);
    QVERIFY2(endsWithStatus(second, 0), qPrintable(m_desktop.logEndOf(second)));
    testing::AccessibleUi ui(m_desktop.accessibilityBusAddress(), pid);
    const testing::AccessibleUi::Match stepBack{.role = QStringLiteral("push button"),
                                                .name = QStringLiteral("Step back")};
    QVERIFY2(QTest::qWaitFor([&] { return ui.find(stepBack).has_value(); }, 15000),
             qPrintable(ui.dump()));
    QCOMPARE(m_desktop.activeWindow().value_or(0), *panel);
    QCOMPARE(others(), QStringList{});
    QVERIFY(!m_desktop.screenshot(QStringLiteral("shell-panel-after-second-launch")).isEmpty());

    // The panel still answers: Step back takes it and its backdrop away, and
    // nothing of ours comes up in their place.
    QVERIFY2(testing::halvexSteps::clickOn(m_desktop, ui, stepBack, 15000), qPrintable(ui.dump()));
    QTRY_VERIFY_WITH_TIMEOUT(
        !m_desktop.findWindow({.processIdentifier = pid, .size = FrictionPanel::panelSize}), 15000);
    QTRY_VERIFY_WITH_TIMEOUT(
        !m_desktop.findWindow({.processIdentifier = pid, .size = m_desktop.screenSize()}), 15000);
    QCOMPARE(others(), QStringList{});

    halvex->terminate();
    QVERIFY2(endsWithStatus(halvex, 0), qPrintable(m_desktop.logEndOf(halvex)));
    PersistenceController store(false, storeEnvironment());
    const auto events = store.mainContext().fetch<TriggerEvent>();
    QVERIFY(events && events->size() == 1);
    QCOMPARE(events->front()->matchedBundleId(), std::optional<QString>(helper));
    QCOMPARE(events->front()->outcomeRaw(), QStringLiteral("stepBack"));
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_HalvexOnX11>(argc, argv, {own.windowClass});
}

#include "tst_HalvexOnX11.moc"
