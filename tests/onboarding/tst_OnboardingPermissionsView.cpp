#include <QGuiApplication>

#include "FakeBrowserProbe.h"
#include "OnboardingFixture.h"
#include "model/AppSettings.h"
#include "onboarding/OnboardingCoordinator.h"
#include "onboarding/OnboardingPermissionsView.h"
#include "permissions/PermissionStatusCard.h"
#include "ui/ActivityIndicator.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/SecondaryButton.h"

using namespace halvex;
using RowStatus = AutomationBrowserRow::RowStatus;
using Status = platform::NotificationAuthorizationStatus;

Q_DECLARE_METATYPE(Status)

namespace {

const QString firefox = QStringLiteral("org.mozilla.firefox");
const QString chrome = QStringLiteral("com.google.Chrome");

// The permissions step over the fake desktop, shown.
struct Fixture {
    onboardingtest::Desktop desktop;
    OnboardingCoordinator coordinator;
    std::unique_ptr<OnboardingPermissionsView> view;

    void show()
    {
        view = std::make_unique<OnboardingPermissionsView>(
            coordinator, OnboardingPermissionsView::Services{
                             desktop.permissions, desktop.store.persistence, desktop.probes(),
                             desktop.notifications, desktop.index()});
        view->show();
    }
    // Each row as "name (installed id)=status".
    QStringList rows() const
    {
        QStringList shown;
        for (const auto *row :
             view->findChildren<AutomationBrowserRow *>("onboarding.automation.row")) {
            const auto *id = row->findChild<QWidget *>("onboarding.automation.identifier");
            shown << row->accessibleName() + u" (" + (id ? id->accessibleName() : QString()) +
                         u")=" + row->statusLabel()->text();
        }
        return shown;
    }
    // What a card's status area shows, as its accessible name and button title.
    static QString card(const PermissionStatusCard *card)
    {
        const SecondaryButton *fix = card->fixButton();
        return card->accessibleName() +
               (fix->isVisible() ? u" [" + fix->text() + (fix->isEnabled() ? u"]" : u", off]")
                                 : QString());
    }
};

} // namespace

class tst_OnboardingPermissionsView : public QObject {
    Q_OBJECT
    TranslationLoader m_texts;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_texts.load("en"));
    }

    void listsTheInstalledBrowsersByName_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("rows");
        // Desktop-file id and name; the rows name the browser installed.
        QTest::newRow("none") << QStringList{} << QStringList{};
        QTest::newRow("Firefox ESR") << QStringList{"firefox-esr=Firefox ESR"}
                                     << QStringList{"Firefox ESR (firefox-esr)=Not tested"};
        QTest::newRow("four of the family")
            << QStringList{"vivaldi-stable=Vivaldi", "chromium=Chromium Web Browser",
                           "firefox=Firefox", "brave-browser=Brave Web Browser"}
            << QStringList{"Brave (brave-browser)=Not tested", "Chromium (chromium)=Not tested",
                           "Firefox (firefox)=Not tested", "Vivaldi (vivaldi-stable)=Not tested"};
        QTest::newRow("Chrome itself") << QStringList{"google-chrome=Google Chrome"}
                                       << QStringList{"Google Chrome (google-chrome)=Not tested"};
    }
    void listsTheInstalledBrowsersByName()
    {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, rows);
        Fixture f;
        QFile::remove(f.desktop.desktopFile("firefox-esr"));
        QFile::remove(f.desktop.desktopFile("chromium"));
        for (const QString &browser : installed)
            f.desktop.install(browser.section(u'=', 0, 0),
                              "Name=" + browser.section(u'=', 1).toUtf8() +
                                  "\nGenericName=Web Browser\n");
        f.show();
        QCOMPARE(f.rows(), rows);
        // Every browser here is read through accessibility.
        QCOMPARE(f.view->accessibilityCard()->isVisible(), !rows.isEmpty());
        QCOMPARE(f.view->findChild<QWidget *>("onboarding.permissions.automation")->isVisible(),
                 !rows.isEmpty());
        QVERIFY(f.view->notificationsCard()->isVisible());
        // Reading never asked the user.
        QCOMPARE(f.desktop.bed.host.trustRequests, 0);
    }

    void testingABrowserAsksForAccessibility_data()
    {
        QTest::addColumn<bool>("trustedAfter");
        QTest::newRow("allowed") << true;
        QTest::newRow("not allowed") << false;
    }
    void testingABrowserAsksForAccessibility()
    {
        QFETCH(bool, trustedAfter);
        Fixture f;
        f.desktop.bed.host.trustedAfterRequest = trustedAfter;
        f.show();
        auto *row = f.view->row(firefox);
        QCOMPARE(row->status(), RowStatus::notTested);
        QTest::mouseClick(row->testButton(), Qt::LeftButton);
        QCOMPARE(f.desktop.bed.host.trustRequests, 1);
        QCOMPARE(row->status(), trustedAfter ? RowStatus::granted : RowStatus::notTested);
        QCOMPARE(row->testButton()->isVisible(), !trustedAfter);
        QCOMPARE(f.coordinator.automationResults().value(firefox),
                 trustedAfter ? PermissionStatus::granted : PermissionStatus::denied);
        QCOMPARE(f.desktop.permissions.snapshot().isAccessibilityTrusted, trustedAfter);

        // A later return to the application reads every row again.
        f.desktop.bed.host.trusted = !trustedAfter;
        emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        QTRY_COMPARE(f.view->row(chrome)->status(),
                     trustedAfter ? RowStatus::notTested : RowStatus::granted);

        // Finishing does not wait for anything granted; a refusal limits.
        onboardingtest::click(f.view.get(), "onboarding.permissions.finish");
        QCOMPARE(f.coordinator.step(), OnboardingStep::done);
        QCOMPARE(AppSettings::fetchOrCreate(f.desktop.store.context())->limitedMode(),
                 !trustedAfter);
    }

    void aRowUnderTestIsLeftAlone()
    {
        Fixture f;
        auto slow =
            std::make_shared<testing::FakeBrowserProbe>(chrome, BrowserAccessKind::accessibility);
        slow->ownStatus = fennimar::AutomationStatus::notDetermined;
        slow->holdAccess = true;
        f.desktop.probes().insert(chrome, slow);
        f.show();
        auto *row = f.view->row(chrome);
        QTest::mouseClick(row->testButton(), Qt::LeftButton);
        QCOMPARE(row->status(), RowStatus::testing);
        QVERIFY(!row->testButton()->isEnabled());
        // Re-read while the question is open: the other rows only.
        f.desktop.bed.host.trusted = true;
        slow->ownStatus = fennimar::AutomationStatus::granted;
        f.view->refreshAutomationStatuses();
        QCOMPARE(row->status(), RowStatus::testing);
        QCOMPARE(f.view->row(firefox)->status(), RowStatus::granted);
        slow->answerAccess(fennimar::AutomationStatus::denied);
        QTRY_COMPARE(row->status(), RowStatus::denied);
        // Refused, it can be tried again.
        QVERIFY(row->testButton()->isEnabled());
        QCOMPARE(slow->calls, QStringList{"requestAccess"});
    }

    // Chromium runs with accessibility on but off the accessibility bus: one
    // started long before is not readable from the first look, and a test
    // says so too; one just launched is given its time to join. Reopened, it
    // is read again without anything else done.
    void aBrowserOpenedBeforeAccessibilityCannotBeRead_data()
    {
        QTest::addColumn<int>("startedBefore"); // seconds
        QTest::addColumn<QString>("shown");
        QTest::addColumn<PermissionStatus>("recorded");
        QTest::newRow("opened an hour before")
            << 3600 << "Chromium (chromium)=Cannot read" << PermissionStatus::denied;
        QTest::newRow("just launched")
            << 2 << "Chromium (chromium)=Can read" << PermissionStatus::granted;
    }
    void aBrowserOpenedBeforeAccessibilityCannotBeRead()
    {
        QFETCH(int, startedBefore);
        QFETCH(QString, shown);
        QFETCH(PermissionStatus, recorded);
        constexpr qint32 offBus = 77;
        Fixture f;
        f.desktop.bed.host.trusted = true;
        f.desktop.bed.host.reference = testing::AccessibilityTestbed::referencePid;
        f.desktop.bed.workspace.running = {{chrome, offBus}};
        f.desktop.startTimes.insert(offBus,
                                    QDateTime::currentDateTimeUtc().addSecs(-startedBefore));
        f.show();
        auto *row = f.view->row(chrome);
        const QString reason = "Chromium was opened before accessibility was switched on, so "
                               "Halvex cannot read its pages. Quit Chromium and open it again.";
        const bool unreadable = recorded == PermissionStatus::denied;
        QCOMPARE(f.rows().filter("Chromium"), QStringList{shown});
        QCOMPARE(row->noteLabel()->isVisible(), unreadable);
        QCOMPARE(row->noteLabel()->text(), unreadable ? reason : QString());
        QCOMPARE(row->testButton()->isVisible(), unreadable);

        f.view->testAutomation(chrome);
        QTRY_COMPARE(f.coordinator.automationResults().value(chrome), recorded);
        QCOMPARE(f.rows().filter("Chromium"), QStringList{shown});
        QCOMPARE(row->noteLabel()->isVisible(), unreadable);

        // Quit and opened again with accessibility on: its new process joins.
        f.desktop.bed.workspace.running = {{chrome, testing::AccessibilityTestbed::browserPid}};
        f.desktop.store.scheduler.advance(PermissionManager::monitoringInterval);
        QCOMPARE(f.rows().filter("Chromium"), QStringList{"Chromium (chromium)=Can read"});
        QVERIFY(!row->noteLabel()->isVisible());
    }

    void notificationCard_data()
    {
        QTest::addColumn<Status>("before");
        QTest::addColumn<int>("answer"); // -1: not asked; else the status after the request
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("opensSettings");
        const QString allowed = "Notifications, Allowed";
        const QString refused = "Notifications, Not allowed [Open settings]";
        QTest::newRow("authorized") << Status::authorized << -1 << allowed << false;
        QTest::newRow("provisional") << Status::provisional << -1 << allowed << false;
        QTest::newRow("ephemeral") << Status::ephemeral << -1 << allowed << false;
        QTest::newRow("refused before") << Status::denied << -1 << refused << true;
        QTest::newRow("not asked yet")
            << Status::notDetermined << -1 << "Notifications, Not enabled [Allow]" << false;
        QTest::newRow("allowed when asked")
            << Status::notDetermined << int(Status::authorized) << allowed << false;
        // Asked, and still undecided: shown as refused, with the way to the settings.
        QTest::newRow("asked, no answer")
            << Status::notDetermined << int(Status::notDetermined) << refused << true;
    }
    void notificationCard()
    {
        QFETCH(Status, before);
        QFETCH(int, answer);
        QFETCH(QString, shown);
        QFETCH(bool, opensSettings);
        Fixture f;
        f.desktop.notificationServer.status = before;
        f.show();
        QTRY_COMPARE(f.desktop.notifications.status(), before);
        PermissionStatusCard *card = f.view->notificationsCard();
        if (answer >= 0) {
            onboardingtest::click(card, "onboarding.permissions.allow");
            QCOMPARE(Fixture::card(card), "Notifications, Not enabled [Allow, off]");
            QVERIFY(card->spinner()->isVisible());
            f.desktop.notificationServer.answerRequest(answer == int(Status::authorized),
                                                       Status(answer));
        }
        QTRY_COMPARE(Fixture::card(card), shown);
        if (opensSettings) {
            onboardingtest::click(card, "onboarding.permissions.openSettingsButton");
            QCOMPARE(f.desktop.openedSettings.size(), 1);
        }
    }

    void accessibilityCardAsksOnceThenOpensTheSettings()
    {
        Fixture f;
        f.desktop.bed.host.trustedAfterRequest = false;
        f.show();
        PermissionStatusCard *card = f.view->accessibilityCard();
        QCOMPARE(Fixture::card(card), "Accessibility, Not enabled [Allow]");
        onboardingtest::click(card, "onboarding.permissions.accessibility.action");
        QCOMPARE(f.desktop.bed.host.trustRequests, 1);
        QVERIFY(f.desktop.bed.defaults.boolValue(PermissionManager::accessibilityRequestedKey)
                    .value_or(false));
        QCOMPARE(Fixture::card(card), "Accessibility, Not allowed [Open settings]");
        onboardingtest::click(card, "onboarding.permissions.accessibility.action");
        QCOMPARE(f.desktop.bed.host.trustRequests, 1);
        QCOMPARE(f.desktop.openedSettings.size(), 1);
    }
};

QTEST_MAIN(tst_OnboardingPermissionsView)
#include "tst_OnboardingPermissionsView.moc"
