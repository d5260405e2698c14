// A new user's first session with the real halvex binary, from an empty home
// to quitting, driven only by clicks of the real pointer and typed keys: what
// to click is found on the accessibility bus by role and visible text, as a
// screen reader would. Each step saves a screenshot under
// $HALVEX_SCREENSHOT_DIR (else $TMPDIR/halvex-screenshots). The steps
// build on each other and run in order.
#include <memory>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

#include "AccessibleUi.h"
#include "ForegroundScene.h"
#include "HalvexSteps.h"
#include "Screenshots.h"
#include "model/AppSettings.h"
#include "model/BackupManager.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"

using namespace halvex;
using testing::AccessibleUi;

namespace {

const testing::ForegroundScene::Application own{QStringLiteral("org.example.AcceptanceProbe"),
                                                QStringLiteral("Acceptance probe"),
                                                QStringLiteral("HalvexAcceptanceProbe")};
const QString binary = QStringLiteral(HALVEX_BINARY);
const QString site = QStringLiteral("news.example.com");
// Long enough for a window to come up on a loaded machine.
constexpr int stepTimeoutMs = 20000;
const QString button = QStringLiteral("push button");
constexpr int settledGrabs = 8;

} // namespace

class tst_HalvexAcceptance : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void onboardingMakesTheApplicationTheFirstStreak();
    void thePopoverAddsASiteStreak();
    void theBlockedApplicationMeetsThePanelAndStepsBack();
    void statisticsCountTheStepBack();
    void germanReachesTheOpenWindowsAtOnce();
    void quittingLeavesWhatWasDone();
    void cleanupTestCase();

private:
    using Match = AccessibleUi::Match;
    using Element = AccessibleUi::Element;

    // Waits, bounded, for an element on screen; on failure m_why says what
    // the process showed instead.
    std::optional<Element> waitFor(const Match &match, int timeoutMs = stepTimeoutMs);
    bool clickOn(const Match &match);
    // `quitName` names its quit button in the language shown.
    bool openPopover(const QString &quitName = QStringLiteral("Quit Halvex"));
    // As the X server sees it: the application's window of the popover's size is mapped.
    bool popoverIsOpen() const;
    bool isGone(const Match &match, int timeoutMs = stepTimeoutMs);
    // Keys through xdotool to the focused window: text typed as is, or key
    // names between spaces ("Down Return", "ctrl+a").
    bool type(const QString &text) const;
    bool press(const QString &keys) const;
    void shoot(const QString &step) const;
    QString missed(const QString &what);

    StoreEnvironment storeEnvironment() const
    {
        return {m_desktop.homePath() + QStringLiteral("/.local/share"), m_desktop.homePath(), {}};
    }

    testing::DesktopHarness m_desktop;
    testing::ForegroundScene m_scene{m_desktop, own};
    QProcess *m_halvex = nullptr;
    std::unique_ptr<AccessibleUi> m_ui;
    QString m_why;
    QPoint m_iconCentre;
    QDateTime m_launchedAt;
};

std::optional<AccessibleUi::Element> tst_HalvexAcceptance::waitFor(const Match &match,
                                                                   int timeoutMs)
{
    std::optional<Element> found;
    if (m_ui && QTest::qWaitFor([&] { return (found = m_ui->find(match)).has_value(); }, timeoutMs))
        return found;
    m_why = missed(QStringLiteral("no %1 '%2'").arg(match.role, match.name));
    return std::nullopt;
}

bool tst_HalvexAcceptance::clickOn(const Match &match)
{
    if (testing::halvexSteps::clickOn(m_desktop, *m_ui, match, stepTimeoutMs))
        return true;
    m_why = missed(QStringLiteral("no %1 '%2' to click").arg(match.role, match.name));
    return false;
}

bool tst_HalvexAcceptance::popoverIsOpen() const
{
    return testing::halvexSteps::popoverIsOpen(m_desktop, m_halvex->processId());
}

bool tst_HalvexAcceptance::openPopover(const QString &quitName)
{
    if (testing::halvexSteps::openPopover(m_desktop, *m_ui, m_halvex->processId(), m_iconCentre,
                                          quitName, stepTimeoutMs))
        return true;
    m_why = missed(QStringLiteral("no open popover with %1 '%2'").arg(button, quitName));
    return false;
}

bool tst_HalvexAcceptance::isGone(const Match &match, int timeoutMs)
{
    if (QTest::qWaitFor([&] { return !m_ui->find(match); }, timeoutMs))
        return true;
    m_why = missed(QStringLiteral("%1 '%2' stays").arg(match.role, match.name));
    return false;
}

bool tst_HalvexAcceptance::type(const QString &text) const
{
    return m_desktop
        .runTool(QStringLiteral("xdotool"),
                 {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text})
        .has_value();
}

bool tst_HalvexAcceptance::press(const QString &keys) const
{
    return testing::halvexSteps::press(m_desktop, keys);
}

void tst_HalvexAcceptance::shoot(const QString &step) const
{
    // Several grabs in a row alike span a screen's short delay before it appears too.
    QVERIFY(!testing::halvexSteps::screenshotOnceSettled(
                 m_desktop, QStringLiteral("acceptance-") + step, settledGrabs, stepTimeoutMs)
                 .isEmpty());
}

QString tst_HalvexAcceptance::missed(const QString &what)
{
    // Longer than a failure message may be: the tree goes to a file and the output.
    const QString tree = m_ui ? m_ui->dump() : QString();
    qWarning().noquote() << "on screen:\n" << tree;
    const QString folder = testing::screenshots::directory();
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/acceptance-accessible-tree.txt");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(tree.toUtf8());
    // The log goes with the temporary home: its end goes to the output.
    qWarning().noquote() << "halvex said:\n" << m_desktop.logEndOf(m_halvex);
    return what + QStringLiteral(" (what was on screen: ") + path + u')';
}

void tst_HalvexAcceptance::initTestCase()
{
    QVERIFY2(QFile::exists(binary), qPrintable(binary));
    const QString why = m_scene.setUp({.title = QStringLiteral("distraction"),
                                       .size = QSize(800, 500),
                                       .background = QColor(0x8a3b1f),
                                       .text = QStringLiteral("Endless feed")});
    QVERIFY2(why.isEmpty(), qPrintable(why));
    for (const QString &piece : {m_desktop.startAccessibilityBus(), m_desktop.startTrayHost(),
                                 m_desktop.startNotificationServer()})
        QVERIFY2(piece.isEmpty(), qPrintable(piece));

    // The blocked application waits behind this process's own window.
    QVERIFY(m_scene.bringToFront(m_scene.ownApp()));
    // Qt's bridge exposes the widgets whatever the desktop's accessibility switch says.
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    m_launchedAt = QDateTime::currentDateTimeUtc();
    m_halvex = m_desktop.launch(binary, {}, extra);
    QVERIFY(m_halvex);
    m_ui =
        std::make_unique<AccessibleUi>(m_desktop.accessibilityBusAddress(), m_halvex->processId());
    QTRY_VERIFY_WITH_TIMEOUT(m_ui->application(), stepTimeoutMs);
}

void tst_HalvexAcceptance::onboardingMakesTheApplicationTheFirstStreak()
{
    const Match continueButton{.role = button, .name = QStringLiteral("Continue")};
    QVERIFY2(waitFor({.role = button, .name = QStringLiteral("Get started")}), qPrintable(m_why));
    shoot(QStringLiteral("1-welcome"));
    QVERIFY2(clickOn({.role = button, .name = QStringLiteral("Get started")}), qPrintable(m_why));
    QVERIFY2(waitFor({.role = QStringLiteral("label"), .name = QStringLiteral("Make it yours")}),
             qPrintable(m_why));
    shoot(QStringLiteral("1-preferences"));
    QVERIFY2(clickOn(continueButton), qPrintable(m_why));
    QVERIFY2(
        clickOn({.role = QStringLiteral("check box"), .name = QStringLiteral("An application")}),
        qPrintable(m_why));
    QVERIFY2(clickOn({.role = button, .name = QStringLiteral("Choose app…")}), qPrintable(m_why));

    // The chooser: the application searched for by name, picked, confirmed.
    const auto chooser = waitFor(
        {.role = QStringLiteral("dialog"), .name = QStringLiteral("Choose an application")});
    QVERIFY2(chooser, qPrintable(m_why));
    QVERIFY2(clickOn({.role = QStringLiteral("text"), .within = chooser}), qPrintable(m_why));
    QVERIFY(type(testing::ForegroundScene::distraction().name));
    QVERIFY2(
        isGone({.role = QStringLiteral("list item"), .name = QStringLiteral("Acceptance probe")}),
        qPrintable(m_why));
    QVERIFY2(clickOn({.role = QStringLiteral("list item"),
                      .name = testing::ForegroundScene::distraction().name,
                      .within = chooser}),
             qPrintable(m_why));
    shoot(QStringLiteral("1-chooser"));
    QVERIFY2(clickOn({.role = button, .name = QStringLiteral("Choose app…"), .within = chooser}),
             qPrintable(m_why));
    QVERIFY2(waitFor({.role = QStringLiteral("label"),
                      .name = testing::ForegroundScene::distraction().id}),
             qPrintable(m_why));
    shoot(QStringLiteral("1-first-streak"));
    QVERIFY2(clickOn(continueButton), qPrintable(m_why));

    QVERIFY2(waitFor({.role = QStringLiteral("label"),
                      .name = QStringLiteral("How strict should it be?")}),
             qPrintable(m_why));
    shoot(QStringLiteral("1-mode"));
    QVERIFY2(clickOn(continueButton), qPrintable(m_why));
    QVERIFY2(
        waitFor({.role = QStringLiteral("label"), .name = QStringLiteral("A few permissions")}),
        qPrintable(m_why));
    // Site streaks read the browser through the desktop's accessibility
    // support, which the card switches on.
    const auto accessibility = waitFor({.name = QStringLiteral("Accessibility, Not enabled")});
    QVERIFY2(accessibility, qPrintable(m_why));
    QVERIFY2(clickOn({.role = button, .name = QStringLiteral("Allow"), .within = accessibility}),
             qPrintable(m_why));
    QVERIFY2(waitFor({.name = QStringLiteral("Accessibility, Allowed")}), qPrintable(m_why));
    shoot(QStringLiteral("1-permissions"));
    QVERIFY2(clickOn({.role = button, .name = QStringLiteral("Finish")}), qPrintable(m_why));
    QVERIFY2(isGone({.role = QStringLiteral("label"), .name = QStringLiteral("A few permissions")}),
             qPrintable(m_why));
}

void tst_HalvexAcceptance::thePopoverAddsASiteStreak()
{
    const Match newStreak{.role = button, .name = QStringLiteral("+ New streak")};
    const auto icon = m_desktop.waitForTrayIcon(m_halvex->processId());
    QVERIFY(icon);
    m_iconCentre = m_desktop.frame(*icon).center();
    // Finishing onboarding reveals the popover once the new icon has settled
    // in the tray, or gives up where the tray is slow to dock it; either way
    // the user ends up with it open.
    QVERIFY2(openPopover(), qPrintable(m_why));
    QVERIFY2(waitFor(newStreak), qPrintable(m_why));
    shoot(QStringLiteral("2-popover"));

    // A site streak: its first site typed, its name following the site.
    QVERIFY2(clickOn(newStreak), qPrintable(m_why));
    const auto sites =
        waitFor({.role = QStringLiteral("label"), .name = QStringLiteral("Websites")});
    QVERIFY2(sites, qPrintable(m_why));
    QVERIFY2(clickOn({.role = QStringLiteral("text"), .within = m_ui->parent(*sites)}),
             qPrintable(m_why));
    QVERIFY(type(site));
    shoot(QStringLiteral("2-new-streak"));
    QVERIFY2(clickOn({.role = button, .name = QStringLiteral("Save")}), qPrintable(m_why));
    QVERIFY2(waitFor({.role = button, .name = QStringLiteral("Edit Example")}), qPrintable(m_why));
    shoot(QStringLiteral("2-two-streaks"));
}

void tst_HalvexAcceptance::theBlockedApplicationMeetsThePanelAndStepsBack()
{
    // A click on its window brings the blocked application to the front.
    const QRect helper = m_desktop.frame(*m_desktop.findWindow(
        {.windowClass = testing::ForegroundScene::distraction().windowClass}));
    QVERIFY(m_desktop.click(helper.topLeft() + QPoint(60, 60)));
    const Match stepBack{.role = button, .name = QStringLiteral("Step back")};
    QVERIFY2(waitFor(stepBack), qPrintable(m_why));
    shoot(QStringLiteral("3-friction-panel"));

    QVERIFY2(clickOn(stepBack), qPrintable(m_why));
    QVERIFY2(isGone(stepBack), qPrintable(m_why));
    // The dimmed backdrop goes too.
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QTRY_VERIFY_WITH_TIMEOUT(
        !m_desktop.findWindow({.processIdentifier = m_halvex->processId(), .size = screen}),
        stepTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(m_scene.workspace().isHidden(m_scene.helperApp()), stepTimeoutMs);
    shoot(QStringLiteral("3-stepped-back"));
}

void tst_HalvexAcceptance::statisticsCountTheStepBack()
{
    QVERIFY2(openPopover(), qPrintable(m_why));
    QVERIFY2(clickOn({.role = button, .name = QStringLiteral("Statistics")}), qPrintable(m_why));
    QVERIFY2(waitFor({.role = QStringLiteral("filler"),
                      .name = QStringLiteral("Stepped back 1 time this week")}),
             qPrintable(m_why));
    shoot(QStringLiteral("4-statistics"));
}

void tst_HalvexAcceptance::germanReachesTheOpenWindowsAtOnce()
{
    QVERIFY2(openPopover(), qPrintable(m_why));
    QVERIFY2(clickOn({.role = button, .name = QStringLiteral("Settings")}), qPrintable(m_why));
    QVERIFY2(clickOn({.role = button, .name = QStringLiteral("Language")}), qPrintable(m_why));
    shoot(QStringLiteral("5-language-menu"));
    // The menu lists System, English, Türkçe, Deutsch, …; popups are not on
    // the accessibility bus, so the keyboard picks.
    QVERIFY(press(QStringLiteral("Down Down Down Down Return")));

    // Both open windows speak German at once, without reopening.
    QVERIFY2(waitFor({.role = button, .name = QStringLiteral("Sprache")}), qPrintable(m_why));
    QVERIFY2(waitFor({.role = QStringLiteral("filler"),
                      .name = QStringLiteral("Diese Woche 1-mal zurückgegangen")}),
             qPrintable(m_why));
    shoot(QStringLiteral("5-german"));
}

void tst_HalvexAcceptance::quittingLeavesWhatWasDone()
{
    QVERIFY2(openPopover(QStringLiteral("Halvex beenden")), qPrintable(m_why));
    shoot(QStringLiteral("6-popover-german"));
    QVERIFY2(clickOn({.role = button, .name = QStringLiteral("Halvex beenden")}),
             qPrintable(m_why));
    QVERIFY2(m_halvex->waitForFinished(stepTimeoutMs), qPrintable(m_desktop.logEndOf(m_halvex)));
    QCOMPARE(m_halvex->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_halvex->exitCode(), 0);

    PersistenceController store(false, storeEnvironment());
    QVERIFY(!store.degraded());
    ModelContext &context = store.mainContext();
    const auto streaks = context.fetch<Streak>();
    QVERIFY(streaks);
    QCOMPARE(streaks->size(), std::size_t(2));
    for (const auto &streak : *streaks) {
        const bool isApplication = streak->type() == StreakType::app;
        QCOMPARE(streak->isPrimary(), isApplication);
        QCOMPARE(streak->bundleIdentifiers(),
                 isApplication ? QStringList{testing::ForegroundScene::distraction().id}
                               : QStringList{});
        QCOMPARE(streak->domains(), isApplication ? QStringList{} : QStringList{site});
    }
    const auto events = context.fetch<TriggerEvent>();
    QVERIFY(events);
    QCOMPARE(events->size(), std::size_t(1));
    QCOMPARE(events->front()->outcomeRaw(), QStringLiteral("stepBack"));
    const auto settings = context.fetch<AppSettings>();
    QVERIFY(settings && settings->size() == 1);
    QCOMPARE(settings->front()->languageRaw(), QStringLiteral("de"));
    QVERIFY(settings->front()->firstLaunchCompleted());

    const QDir backups(PersistenceController::storeDirectory(storeEnvironment()) +
                       QStringLiteral("/backups"));
    // Named by the UTC day, which may have turned during the run.
    QVERIFY2(backups.exists(BackupManager::fileName(m_launchedAt)) ||
                 backups.exists(BackupManager::fileName(QDateTime::currentDateTimeUtc())),
             qPrintable(backups.entryList().join(u' ')));
}

void tst_HalvexAcceptance::cleanupTestCase()
{
    m_ui.reset();
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_HalvexAcceptance>(argc, argv, {own.windowClass});
}

#include "tst_HalvexAcceptance.moc"
