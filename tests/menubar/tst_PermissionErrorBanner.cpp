#include <memory>

#include <QTest>

#include "EditorFixture.h"
#include "LogCapture.h"
#include "PermissionDesk.h"
#include "menubar/ClampedLabel.h"
#include "menubar/PermissionErrorBanner.h"
#include "menubar/PopoverRootView.h"
#include "ui/Motion.h"
#include "ui/PrimaryButton.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using fennimar::AutomationStatus;
using Desk = testing::PermissionDesk;

namespace {

constexpr int notPermitted = -1743;

// The popover's root with the banner in its slot, over the fake desk.
struct Rig : editortest::ScreensFixture {
    Desk desk;
    std::unique_ptr<PopoverRootView> root;
    PermissionErrorBanner *banner = nullptr;
    bool safariRuns = false;

    Rig()
    {
        // The bridges bear the names of the browsers installed: Chromium
        // under Chrome's identifier.
        desk.safariProbe->shownName = QStringLiteral("Safari");
        desk.firefoxProbe->shownName = QStringLiteral("Firefox");
        desk.chromeProbe->shownName = QStringLiteral("Chromium");
        root = std::make_unique<PopoverRootView>(persistence, engine, planning, apps.index(),
                                                 scheduler);
        banner = new PermissionErrorBanner({engine, desk.manager, desk.probes, desk.isInstalled()});
        root->setPermissionBanner(banner);
    }
    // "site:safari,firefox" or "app:" — a streak of that type listing those browsers.
    void addStreak(const QString &row)
    {
        const QStringList parts = row.split(u':');
        const bool site = parts[0] == u"site";
        auto streak = add(row, {site ? QStringLiteral("example.com") : QStringLiteral("code")}, 0,
                          0, site ? StreakType::site : StreakType::app);
        streak->setBrowsers(parts[1].split(u',', Qt::SkipEmptyParts));
        save();
        engine.reload();
    }
    // Safari runs and the desktop answers its automation check with `code`.
    void safariAnswers(int code)
    {
        if (!safariRuns)
            desk.running.add(Desk::safari, 41);
        safariRuns = true;
        desk.checking.code = code;
    }
    // The message shown, or "" with the banner and its slot hidden.
    QString shown() const
    {
        const bool slot = root->findChild<QWidget *>("popover.bannerSlot")->isVisible();
        if (banner->isVisible() != slot)
            return QStringLiteral("slot and banner disagree");
        return slot ? banner->messageLabel()->text() : QString();
    }
};

} // namespace

class tst_PermissionErrorBanner : public QObject {
    Q_OBJECT
    TranslationLoader m_texts;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_texts.load("en"));
    }

    void namesTheFirstGap_data()
    {
        QTest::addColumn<QStringList>("streaks");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("trusted");
        // The desktop's answer for Safari once refreshed; 1 leaves the
        // snapshot empty (no refresh yet).
        QTest::addColumn<int>("safari");
        // Chromium runs but its bridge finds it cannot be read.
        QTest::addColumn<bool>("chromeUnreadable");
        QTest::addColumn<QString>("message");
        const QStringList firefoxOnly{Desk::firefox};
        const QString needs = QStringLiteral("Halvex needs permission to see %1");
        const QString reopen = QStringLiteral("Halvex cannot read Chromium: it was opened before "
                                              "accessibility was on. Quit Chromium and open it "
                                              "again.");
        QTest::newRow("no streaks") << QStringList{} << firefoxOnly << false << 0 << false << "";
        QTest::newRow("an application streak only")
            << QStringList{"app:"} << firefoxOnly << false << 0 << false << "";
        // Firefox is read through accessibility: never an automation gap.
        QTest::newRow("a site streak listing Firefox, untrusted")
            << QStringList{"site:firefox"} << firefoxOnly << false << 0 << false
            << needs.arg("Firefox");
        QTest::newRow("listing Firefox, trusted")
            << QStringList{"site:firefox"} << firefoxOnly << true << 0 << false << "";
        QTest::newRow("untrusted, no browser read through accessibility installed")
            << QStringList{"site:"} << QStringList{Desk::safari} << false << 0 << false << "";
        QTest::newRow("untrusted: the catalogue's first installed one, by its own name")
            << QStringList{"site:"} << QStringList{Desk::firefox, Desk::chrome} << false << 0
            << false << needs.arg("Chromium");
        QTest::newRow("Safari before the first refresh")
            << QStringList{"app:", "site:netscape,safari"} << firefoxOnly << true << 1 << false
            << needs.arg("Safari");
        QTest::newRow("Safari refused, before the accessibility gap")
            << QStringList{"site:firefox,safari"} << firefoxOnly << false << notPermitted << false
            << needs.arg("Safari");
        QTest::newRow("Safari allowed: on to accessibility")
            << QStringList{"site:safari", "site:safari"} << firefoxOnly << false << 0 << false
            << needs.arg("Firefox");
        QTest::newRow("an unknown browser key")
            << QStringList{"site:netscape"} << QStringList{} << true << 0 << false << "";
        const QStringList both{Desk::firefox, Desk::chrome};
        // Every site streak is watched for in every browser, whatever it lists.
        QTest::newRow("Chromium opened before accessibility, a site streak listing Firefox")
            << QStringList{"app:", "site:firefox"} << both << true << 0 << true << reopen;
        QTest::newRow("Chromium opened before accessibility, application streaks only")
            << QStringList{"app:"} << both << true << 0 << true << "";
        // Untrusted, no browser can be told unreadable: trust comes first.
        QTest::newRow("untrusted, Chromium opened before accessibility")
            << QStringList{"site:"} << both << false << 0 << true << needs.arg("Chromium");
        QTest::newRow("an automation gap before an unreadable browser")
            << QStringList{"site:safari"} << both << true << notPermitted << true
            << needs.arg("Safari");
    }

    void namesTheFirstGap()
    {
        QFETCH(QStringList, streaks);
        QFETCH(QStringList, installed);
        QFETCH(bool, trusted);
        QFETCH(int, safari);
        QFETCH(bool, chromeUnreadable);
        QFETCH(QString, message);
        Rig rig;
        rig.desk.installed = installed;
        rig.desk.trusted = trusted;
        rig.desk.chromeProbe->unreadable = chromeUnreadable;
        if (safari != 1) {
            rig.safariAnswers(safari);
            rig.desk.manager.refresh();
        }
        for (const QString &streak : std::as_const(streaks))
            rig.addStreak(streak);
        QCOMPARE(rig.banner->currentGap().value_or(PermissionErrorBanner::Gap{}).message, message);
        rig.root->show();
        QCOMPARE(rig.shown(), message);
    }

    // Fix asks for the gap's permission; the banner follows the snapshot
    // from one gap to the next, then leaves.
    void fixesGapByGap()
    {
        Rig rig;
        testing::LogCapture log;
        rig.desk.installed = {Desk::firefox};
        rig.desk.grantsTrust = true;
        rig.desk.safariProbe->holdAccess = true;
        rig.safariAnswers(notPermitted);
        rig.addStreak("site:safari");
        rig.root->show();
        QCOMPARE(rig.shown(), "Halvex needs permission to see Safari");

        auto *fix = rig.banner->findChild<PrimaryButton *>("PermissionErrorBanner.Fix");
        QTest::mouseClick(fix, Qt::LeftButton);
        QCOMPARE(rig.desk.safariProbe->calls, QStringList{"requestAccess"});
        // Declined: the settings are offered and the banner stays.
        rig.desk.safariProbe->answerAccess(AutomationStatus::denied);
        QTRY_VERIFY(log.contains("com.fennimar.halvex.permissions",
                                 "this desktop has no automation settings to open"));
        QCOMPARE(rig.shown(), "Halvex needs permission to see Safari");

        QTest::mouseClick(fix, Qt::LeftButton);
        rig.safariAnswers(0);
        rig.desk.safariProbe->answerAccess(AutomationStatus::granted);
        QTRY_COMPARE(rig.shown(), "Halvex needs permission to see Firefox");

        QTest::mouseClick(fix, Qt::LeftButton);
        QVERIFY(rig.desk.manager.snapshot().isAccessibilityRequested);
        QCOMPARE(rig.shown(), QString());
        QVERIFY(rig.desk.openedSettings.isEmpty());
    }

    // A browser that cannot be read has nothing to grant: no Fix. Reopened,
    // it is found readable by the refresh of the open popover, and the
    // banner goes without anything else done.
    void unreadableBrowserGoesOnceReopened()
    {
        Rig rig;
        rig.desk.installed = {Desk::firefox, Desk::chrome};
        rig.desk.trusted = true;
        rig.desk.chromeProbe->unreadable = true;
        rig.addStreak("site:");
        rig.root->show();
        QVERIFY(rig.shown().startsWith("Halvex cannot read Chromium"));
        QCOMPARE(rig.banner->shownGap()->kind, PermissionErrorBanner::Gap::Kind::unreadable);
        QVERIFY(rig.banner->fixButton()->isHidden());

        rig.desk.chromeProbe->unreadable = false;
        rig.desk.scheduler.advance(2.0);
        QCOMPARE(rig.shown(), QString());
        QVERIFY(rig.desk.chromeProbe->calls.isEmpty());
    }

    // The snapshot is kept fresh every 2 s while the popover is open, and
    // only then; a new streak is judged at once.
    void monitorsWhileThePopoverIsOpen()
    {
        Rig rig;
        rig.desk.installed = {Desk::firefox};
        rig.addStreak("site:");
        QVERIFY(!rig.desk.manager.isMonitoring());
        rig.root->show();
        QVERIFY(rig.desk.manager.isMonitoring());
        QCOMPARE(rig.shown(), "Halvex needs permission to see Firefox");

        rig.desk.trusted = true;
        const int before = rig.desk.refreshes;
        rig.desk.scheduler.advance(2.0);
        QCOMPARE(rig.desk.refreshes, before + 1);
        QCOMPARE(rig.shown(), QString());

        rig.root->hide();
        QVERIFY(!rig.desk.manager.isMonitoring());
        rig.desk.scheduler.advance(10.0);
        QCOMPARE(rig.desk.refreshes, before + 1);

        rig.desk.trusted = false;
        rig.root->show();
        QCOMPARE(rig.shown(), "Halvex needs permission to see Firefox");
        // Taken out of the popover, it gives its count back.
        rig.root->setPermissionBanner(nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!rig.desk.manager.isMonitoring());
    }
};

QTEST_MAIN(tst_PermissionErrorBanner)
#include "tst_PermissionErrorBanner.moc"
