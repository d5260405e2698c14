#include <QSignalSpy>
#include <QTest>

#include "FakeActivationPolicy.h"
#include "FakeSystemAppearance.h"
#include "FakeWorkspace.h"
#include "StoreFixture.h"
#include "engine/StreakEngine.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "menubar/PopoverWindowController.h"
#include "menubar/StatusItemController.h"
#include "platform/PortalAppearanceWatcher.h"
#include "ui/Environment.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using Frame = MenuBarIconView::Frame;
using TrayPresence = StatusItemController::TrayPresence;

Q_DECLARE_METATYPE(QSystemTrayIcon::ActivationReason)
Q_DECLARE_METATYPE(TrayPresence)

namespace {

// A status item over an in-memory store, with the desktop's tray and
// appearance as the test sets them and time it advances.
struct StatusFixture {
    testing::StoreFixture store;
    testing::FakeWorkspace workspace;
    testing::FakeSystemAppearance appearance;
    fennimar::ActivationPolicyCoordinator policy{std::make_shared<testing::FakeActivationPolicy>()};
    bool trayAvailable = true;
    // A friction panel up, and how often a click brought it forward.
    bool panelUp = false;
    int panelBroughtForward = 0;
    int streakCount = 0;
    std::unique_ptr<StreakEngine> engine;
    std::unique_ptr<PopoverWindowController> popover;
    std::unique_ptr<StatusItemController> status;

    // A streak `age` seconds into its run, at the end of the sort order.
    std::shared_ptr<Streak> addStreak(const QString &name, qint64 age)
    {
        auto streak = store.addStreak();
        streak->setName(name);
        streak->setStartedAt(store.now.addSecs(-age));
        streak->setSortOrder(streakCount++);
        return streak;
    }

    void start(platform::PortalAppearanceWatcher *appearanceChanges = nullptr)
    {
        store.save();
        engine = std::make_unique<StreakEngine>(store.persistence, store.dayClock, nullptr,
                                                store.scheduler);
        popover = std::make_unique<PopoverWindowController>(
            PopoverWindowController::Services{.workspace = workspace,
                                              .scheduler = store.scheduler,
                                              .clock = [this] { return store.scheduler.now(); },
                                              .activationPolicy = &policy});
        status = std::make_unique<StatusItemController>(
            StatusItemController::Services{.streakEngine = *engine,
                                           .popoverController = *popover,
                                           .systemAppearance = appearance,
                                           .scheduler = store.scheduler,
                                           .isTrayAvailable = [this] { return trayAvailable; },
                                           .appearanceChanges = appearanceChanges,
                                           .bringPanelForward =
                                               [this] {
                                                   panelBroughtForward += panelUp ? 1 : 0;
                                                   return panelUp;
                                               }});
    }

    Frame frame() { return status->iconView().frame(); }
    // Moves the clock to `seconds` after the start of the test.
    void at(double seconds) { store.scheduler.advance(seconds - store.scheduler.now()); }
};

} // namespace

class tst_StatusItemController : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void label_data();
    void label();
    void resetStaysRedForItsWholeBreakEvenThroughTriggers();
    void clicksToggleThePopover_data();
    void clicksToggleThePopover();
    void iconFollowsTheDesktopsAppearanceOnly();
    void revealWaitsForTheTrayThenFallsBackToAWindow_data();
    void revealWaitsForTheTrayThenFallsBackToAWindow();
};

void tst_StatusItemController::label_data()
{
    // "<name>:<seconds into the run>" in sort order; the primary by index (-1: none).
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("streaks");
    QTest::addColumn<int>("primary");
    QTest::addColumn<QString>("label");
    QTest::newRow("no streak") << "en" << QStringList() << -1 << "Halvex - no active streak";
    QTest::newRow("0 days at 23 h 59 min")
        << "en" << QStringList{"Work:86340"} << 0 << "0\u00a0days, Work";
    QTest::newRow("1 day at exactly 24 h")
        << "en" << QStringList{"Work:86400"} << 0 << "1\u00a0day, Work";
    QTest::newRow("many days") << "en" << QStringList{"Work:950400"} << 0 << "11\u00a0days, Work";
    // A clock set back an hour behind the start: day 0, never a raw "%n".
    QTest::newRow("start an hour ahead")
        << "en" << QStringList{"Work:-3600"} << 0 << "0\u00a0days, Work";
    QTest::newRow("German, start ahead")
        << "de" << QStringList{"Arbeit:-3600"} << 0 << "0\u00a0Tage, Arbeit";
    QTest::newRow("the primary, not the first")
        << "en" << QStringList{"News:0", "Games:172800"} << 1 << "2\u00a0days, Games";
    QTest::newRow("no primary: the first in sort order")
        << "en" << QStringList{"News:86400", "Games:0"} << -1 << "1\u00a0day, News";
    QTest::newRow("German singular")
        << "de" << QStringList{"Arbeit:86400"} << 0 << "1\u00a0Tag, Arbeit";
    QTest::newRow("German plural") << "de" << QStringList{"Arbeit:0"} << 0 << "0\u00a0Tage, Arbeit";
    QTest::newRow("Japanese, one form")
        << "ja" << QStringList{"仕事:259200"} << 0 << "3\u00a0日、仕事";
}

void tst_StatusItemController::label()
{
    QFETCH(QString, language);
    QFETCH(QStringList, streaks);
    QFETCH(int, primary);
    QFETCH(QString, label);
    QVERIFY(m_translations.load(language));
    StatusFixture f;
    for (int i = 0; i < streaks.size(); ++i) {
        const QStringList parts = streaks.at(i).split(u':');
        f.addStreak(parts.at(0), parts.at(1).toLongLong())->setIsPrimary(i == primary);
    }
    f.start();
    QCOMPARE(f.status->statusItem()->toolTip(), label);
    QCOMPARE(f.frame(), Frame::mark);
}

void tst_StatusItemController::resetStaysRedForItsWholeBreakEvenThroughTriggers()
{
    QVERIFY(m_translations.load("en"));
    StatusFixture f;
    const auto streak = f.addStreak("Work", 5 * 86400);
    streak->setIsPrimary(true);
    f.start();
    QCOMPARE(f.status->accessibilityLabel(), "5\u00a0days, Work");
    // A primary id that names no listed streak describes the first.
    QCOMPARE(StatusItemController::primaryStreak(f.engine->streaks(), QUuid::createUuid()), streak);

    // Opening anyway: the decided trigger, the reset, then the engine's reload.
    f.engine->sendTrigger(nullptr);
    f.engine->resetStreak(streak->id());
    QCOMPARE(f.status->accessibilityLabel(), "0\u00a0days, Work");
    QCOMPARE(f.frame(), Frame::red);
    f.at(1.0);
    f.engine->sendTrigger(nullptr); // a trigger during the break
    f.at(1.81);
    QCOMPARE(f.frame(), Frame::red);
    f.engine->reload(); // a list change on the way
    f.at(2.99);
    QCOMPARE(f.frame(), Frame::red);
    f.at(3.01);
    QCOMPARE(f.frame(), Frame::mark);
}

void tst_StatusItemController::clicksToggleThePopover_data()
{
    QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
    QTest::addColumn<bool>("panelUp");
    QTest::addColumn<bool>("toggles");
    QTest::newRow("left click") << QSystemTrayIcon::Trigger << false << true;
    QTest::newRow("right click, no menu") << QSystemTrayIcon::Context << false << true;
    QTest::newRow("second click of a quick pair") << QSystemTrayIcon::DoubleClick << false << true;
    QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << false << false;
    // Through the backdrop: the panel comes forward, nothing opens under it.
    QTest::newRow("left click, a panel up") << QSystemTrayIcon::Trigger << true << false;
}

void tst_StatusItemController::clicksToggleThePopover()
{
    QFETCH(QSystemTrayIcon::ActivationReason, reason);
    QFETCH(bool, panelUp);
    QFETCH(bool, toggles);
    StatusFixture f;
    f.panelUp = panelUp;
    f.start();
    f.engine->sendTrigger(nullptr);
    emit f.status->statusItem()->activated(reason);
    QCOMPARE(f.popover->isShown(), toggles);
    // Opening leaves the red state alone; closing ends it.
    QCOMPARE(f.frame(), Frame::red);
    emit f.status->statusItem()->activated(reason);
    QVERIFY(!f.popover->isShown());
    QCOMPARE(f.frame(), toggles ? Frame::mark : Frame::red);
    QCOMPARE(f.panelBroughtForward, panelUp ? 2 : 0);
}

void tst_StatusItemController::iconFollowsTheDesktopsAppearanceOnly()
{
    const auto inked = [](StatusFixture &f) { return f.status->iconView().appearance(); };
    StatusFixture f;
    f.appearance.style = "Dark";
    platform::PortalAppearanceWatcher portal(QDBusConnection(QStringLiteral("no bus")));
    f.start(&portal);
    QCOMPARE(inked(f), Appearance::dark);
    // The application's own theme is not the desktop's.
    Environment::setApplicationAppearance(Appearance::light);
    QCOMPARE(inked(f), Appearance::dark);

    // The desktop's theme changes while we run: Qt's event, then the portal's.
    f.appearance.style.clear();
    QEvent themeChange(QEvent::ThemeChange);
    QCoreApplication::sendEvent(qApp, &themeChange);
    QCOMPARE(inked(f), Appearance::light);
    f.appearance.style = "Dark";
    emit portal.changed();
    QCOMPARE(inked(f), Appearance::dark);
}

void tst_StatusItemController::revealWaitsForTheTrayThenFallsBackToAWindow_data()
{
    // When the tray comes up, in seconds after the start; -1: never.
    QTest::addColumn<double>("trayAt");
    QTest::addColumn<TrayPresence>("presence");
    QTest::newRow("a tray from the start") << 0.0 << TrayPresence::present;
    QTest::newRow("a tray within the grace period") << 2.0 << TrayPresence::present;
    QTest::newRow("no tray at all") << -1.0 << TrayPresence::absent;
}

void tst_StatusItemController::revealWaitsForTheTrayThenFallsBackToAWindow()
{
    QFETCH(double, trayAt);
    QFETCH(TrayPresence, presence);
    StatusFixture f;
    f.trayAvailable = trayAt == 0.0;
    f.start();
    int completions = 0;
    f.status->revealPopoverWhenReady([&] { ++completions; });
    QCOMPARE(f.status->trayPresence(),
             trayAt == 0.0 ? TrayPresence::present : TrayPresence::undecided);
    if (trayAt > 0) {
        f.at(trayAt);
        f.trayAvailable = true;
    }
    f.at(StatusItemController::trayGraceSeconds + 0.01);
    QCOMPARE(f.status->trayPresence(), presence);

    const bool absent = presence == TrayPresence::absent;
    // Without a tray the popover is at once an ordinary window; with one,
    // it waits for the icon to settle (this test's tray never places it).
    QCOMPARE(f.popover->isShown(), absent);
    QCOMPARE(f.popover->isStandalone(), absent);
    if (absent) {
        // Framed, in the task bar, and it stays when the user turns elsewhere.
        QVERIFY(!f.popover->window()->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(f.policy.refCount(), 1);
        f.workspace.announceActivation({QStringLiteral("org.example.Other"), 4242});
        QVERIFY(f.popover->isShown());
        QCOMPARE(completions, 1);
    }
    // Shown or given up, the completion runs once.
    f.at(StatusItemController::trayGraceSeconds + 5);
    QCOMPARE(completions, 1);

    // A later reveal goes the same way at once.
    f.popover->window()->close();
    QCOMPARE(f.policy.refCount(), 0);
    f.status->revealPopoverWhenReady([&] { ++completions; });
    QCOMPARE(f.popover->isShown(), absent);
    QCOMPARE(completions, absent ? 2 : 1);

    // A click on the icon proves a tray after all: the popover at the icon.
    f.popover->performClose();
    f.status->handleButtonClick();
    QCOMPARE(f.status->trayPresence(), TrayPresence::present);
    QVERIFY(f.popover->isShown() && !f.popover->isStandalone());
    QVERIFY(f.popover->window()->windowFlags().testFlag(Qt::FramelessWindowHint));
}

QTEST_MAIN(tst_StatusItemController)
#include "tst_StatusItemController.moc"
