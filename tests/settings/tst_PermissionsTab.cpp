#include <memory>

#include <QTest>

#include "PermissionDesk.h"
#include "permissions/AutomationBrowserRow.h"
#include "permissions/PermissionStatusCard.h"
#include "settings/PermissionsTab.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/SecondaryButton.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using fennimar::AutomationStatus;
using Desk = testing::PermissionDesk;
using Status = platform::NotificationAuthorizationStatus;

namespace {

constexpr int notPermitted = -1743;
const QString restart = QStringLiteral("com.google.Chrome was opened before accessibility was "
                                       "switched on, so Halvex cannot read its pages. Quit "
                                       "com.google.Chrome and open it again.");

struct Rig {
    Desk desk;
    std::unique_ptr<PermissionsTab> tab;

    void show()
    {
        tab = std::make_unique<PermissionsTab>(PermissionsTab::Services{
            desk.manager, desk.probes, desk.notifications, desk.isInstalled()});
        tab->resize(560, 640);
        tab->show();
    }
    // Each row as "name (installed id)=status [button] (note)", in order;
    // the parts in parentheses only where the row shows them.
    QStringList rows() const
    {
        QStringList shown;
        for (const auto *row :
             tab->findChildren<AutomationBrowserRow *>("onboarding.automation.row")) {
            const SecondaryButton *test = row->testButton();
            const auto *identifier = row->findChild<QWidget *>("onboarding.automation.identifier");
            shown << row->accessibleName() +
                         (identifier ? u" (" + identifier->accessibleName() + u')' : QString()) +
                         u'=' + row->statusLabel()->text() +
                         (test->isVisible() ? (test->isEnabled() ? QStringLiteral(" [Test]")
                                                                 : QStringLiteral(" [off]"))
                                            : QString()) +
                         (row->noteLabel()->isVisible() ? u" (" + row->noteLabel()->text() + u')'
                                                        : QString());
        }
        return shown;
    }
    QString row(const QString &id) const
    {
        for (const QString &line : rows()) {
            if (line.startsWith(id + u'='))
                return line.mid(id.size() + 1);
        }
        return {};
    }
    // A card as its accessible name and its fix button's title.
    static QString card(const PermissionStatusCard *card)
    {
        if (card->isHidden())
            return QStringLiteral("absent");
        const SecondaryButton *fix = card->fixButton();
        return card->accessibleName() +
               (fix->isVisible() ? u" [" + fix->text() + (fix->isEnabled() ? u"]" : u", off]")
                                 : QString());
    }
};

} // namespace

class tst_PermissionsTab : public QObject {
    Q_OBJECT
    TranslationLoader m_texts;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_texts.load("en"));
    }

    void showsTheInstalledBrowsers_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("trusted");
        // Chrome runs but cannot be read, as its bridge finds.
        QTest::addColumn<bool>("chromeUnreadable");
        QTest::addColumn<QString>("accessibility");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("none installed")
            << QStringList{} << false << false << "absent" << QStringList{};
        // Safari is driven by automation events: no accessibility card.
        QTest::newRow("Safari alone") << QStringList{Desk::safari} << false << false << "absent"
                                      << QStringList{"com.apple.Safari=Not tested [Test]"};
        // By name, not by table order; read through accessibility, both
        // follow our trust.
        QTest::newRow("Firefox and Chrome, untrusted")
            << QStringList{Desk::firefox, Desk::chrome} << false << false
            << "Accessibility, Not enabled [Allow]"
            << QStringList{"com.google.Chrome (chromium)=Not tested [Test]",
                           "org.mozilla.firefox=Not tested [Test]"};
        QTest::newRow("Firefox, trusted")
            << QStringList{Desk::firefox} << true << false << "Accessibility, Allowed"
            << QStringList{"org.mozilla.firefox=Can read"};
        QTest::newRow("trusted, Chrome opened before accessibility")
            << QStringList{Desk::firefox, Desk::chrome} << true << true << "Accessibility, Allowed"
            << QStringList{"com.google.Chrome (chromium)=Cannot read [Test] (" + restart + ")",
                           "org.mozilla.firefox=Can read"};
    }

    void showsTheInstalledBrowsers()
    {
        QFETCH(QStringList, installed);
        QFETCH(bool, trusted);
        QFETCH(bool, chromeUnreadable);
        QFETCH(QString, accessibility);
        QFETCH(QStringList, rows);
        Rig rig;
        rig.desk.installed = installed;
        rig.desk.trusted = trusted;
        rig.desk.chromeProbe->installedId = QStringLiteral("chromium");
        rig.desk.chromeProbe->unreadable = chromeUnreadable;
        rig.show();
        QCOMPARE(Rig::card(rig.tab->accessibilityCard()), accessibility);
        QCOMPARE(rig.rows(), rows);
    }

    // A test in flight disables its row; a refusal is kept and sends the
    // user to the desktop's settings; an unreachable browser falls back.
    void testsConnection_data()
    {
        QTest::addColumn<QString>("browser");
        QTest::addColumn<AutomationStatus>("answer");
        // The browser runs but cannot be read (and accessibility is on).
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("Firefox refused")
            << Desk::firefox << AutomationStatus::denied << false << "Cannot read [Test]"
            << QStringList{"gnome-control-center universal-access"};
        QTest::newRow("Firefox granted")
            << Desk::firefox << AutomationStatus::granted << false << "Can read" << QStringList{};
        // No automation settings exist on Linux; nothing is opened.
        QTest::newRow("Safari refused") << Desk::safari << AutomationStatus::denied << false
                                        << "Cannot read [Test]" << QStringList{};
        QTest::newRow("Safari unreachable") << Desk::safari << AutomationStatus::notDetermined
                                            << false << "Not tested [Test]" << QStringList{};
        // Allowed, and still not readable: nothing in any settings helps.
        QTest::newRow("Chrome opened before accessibility")
            << Desk::chrome << AutomationStatus::granted << true
            << "Cannot read [Test] (" + restart + ")" << QStringList{};
    }

    void testsConnection()
    {
        QFETCH(QString, browser);
        QFETCH(AutomationStatus, answer);
        QFETCH(bool, unreadable);
        QFETCH(QString, row);
        QFETCH(QStringList, opened);
        Rig rig;
        rig.desk.installed = {Desk::firefox, Desk::safari, Desk::chrome};
        rig.desk.trusted = unreadable;
        const auto probe = browser == Desk::safari   ? rig.desk.safariProbe
                           : browser == Desk::chrome ? rig.desk.chromeProbe
                                                     : rig.desk.firefoxProbe;
        probe->unreadable = unreadable;
        probe->holdAccess = true;
        rig.show();

        QTest::mouseClick(rig.tab->row(browser)->testButton(), Qt::LeftButton);
        QVERIFY(rig.tab->isTesting(browser));
        QCOMPARE(rig.row(browser), "Testing… [off]");
        const int refreshes = rig.desk.refreshes;
        probe->answerAccess(answer);
        QTRY_VERIFY(!rig.tab->isTesting(browser));
        QCOMPARE(rig.desk.refreshes, refreshes + 1);
        QCOMPARE(rig.row(browser), row);
        QCOMPARE(rig.tab->lastResults().contains(browser),
                 answer != AutomationStatus::notDetermined);
        QCOMPARE(rig.desk.openedSettings, opened);
    }

    // A kept result gives way once the snapshot moves for its browser, and
    // only then.
    void dropsAResultTheSnapshotOvertakes()
    {
        Rig rig;
        rig.desk.installed = {Desk::firefox, Desk::safari};
        rig.show();
        for (const auto &probe : {rig.desk.safariProbe, rig.desk.firefoxProbe}) {
            probe->holdAccess = true;
            QTest::mouseClick(rig.tab->row(probe->bundleIdentifier())->testButton(),
                              Qt::LeftButton);
            probe->answerAccess(AutomationStatus::denied);
            QTRY_VERIFY(!rig.tab->isTesting(probe->bundleIdentifier()));
        }
        QCOMPARE(rig.row(Desk::safari), "Cannot read [Test]");
        QCOMPARE(rig.row(Desk::firefox), "Cannot read [Test]");

        // Only the accessibility request flag moves: both results stand.
        rig.tab->handleAccessibilityAction();
        QCOMPARE(rig.tab->lastResults().size(), 2);

        // Trust granted in the desktop's settings: Firefox follows it,
        // Safari keeps its result.
        rig.desk.trusted = true;
        rig.desk.scheduler.advance(2.0);
        QCOMPARE(rig.row(Desk::firefox), "Can read");
        QCOMPARE(rig.row(Desk::safari), "Cannot read [Test]");

        // Safari allowed later: its row follows.
        rig.desk.running.add(Desk::safari, 41);
        rig.desk.checking.code = 0;
        rig.desk.scheduler.advance(2.0);
        QCOMPARE(rig.row(Desk::safari), "Can read");
        QVERIFY(rig.tab->lastResults().isEmpty());

        // And taken back again.
        rig.desk.checking.code = notPermitted;
        rig.desk.scheduler.advance(2.0);
        QCOMPARE(rig.row(Desk::safari), "Cannot read [Test]");
    }

    void notificationCard()
    {
        Rig rig;
        rig.show();
        auto *card = rig.tab->notificationsCard();
        QCOMPARE(Rig::card(card), "Notifications, Not enabled [Allow]");

        QTest::mouseClick(card->fixButton(), Qt::LeftButton);
        QCOMPARE(Rig::card(card), "Notifications, Not enabled [Allow, off]");
        QCOMPARE(rig.desk.notificationServer.requestedOptions.size(), 1);
        // Unanswered within 2 s: still undetermined, so shown as refused.
        rig.desk.scheduler.advance(2.0);
        QTRY_COMPARE(Rig::card(card), "Notifications, Not allowed [Open settings]");
        QTest::mouseClick(card->fixButton(), Qt::LeftButton);
        QCOMPARE(rig.desk.openedSettings, QStringList{"gnome-control-center notifications"});

        rig.desk.notificationServer.answerRequest(true, Status::authorized);
        QTRY_COMPARE(Rig::card(card), "Notifications, Allowed");
    }

    // The 2 s refresh and the notification polling run while the page is
    // shown, and stop when it goes.
    void monitorsWhileShown()
    {
        Rig rig;
        rig.show();
        QVERIFY(rig.desk.manager.isMonitoring());
        QVERIFY(rig.desk.notifications.isPolling());
        const int refreshes = rig.desk.refreshes;
        rig.desk.scheduler.advance(2.0);
        QCOMPARE(rig.desk.refreshes, refreshes + 1);
        rig.tab->hide();
        QVERIFY(!rig.desk.manager.isMonitoring());
        QVERIFY(!rig.desk.notifications.isPolling());
        rig.tab->show();
        QVERIFY(rig.desk.manager.isMonitoring());
        rig.tab.reset();
        QVERIFY(!rig.desk.manager.isMonitoring());
        QVERIFY(!rig.desk.notifications.isPolling());
    }
};

QTEST_MAIN(tst_PermissionsTab)
#include "tst_PermissionsTab.moc"
