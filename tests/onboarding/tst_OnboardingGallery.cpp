// Renders every onboarding screen in both themes, in English and in German,
// to PNG files for people to look at: under $HALVEX_SCREENSHOT_DIR (else
// $TMPDIR/halvex-screenshots).
#include <functional>

#include <QScrollArea>
#include <QScrollBar>

#include "FakeActivationPolicy.h"
#include "OnboardingFixture.h"
#include "Screenshots.h"
#include "UiTestSupport.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "model/AppSettings.h"
#include "onboarding/FirstStreakScreen.h"
#include "onboarding/OnboardingCoordinator.h"
#include "onboarding/OnboardingWindow.h"
#include "permissions/PermissionManager.h"
#include "ui/Color.h"
#include "ui/Motion.h"
#include "ui/TextInputField.h"

using namespace halvex;

// Brings a fresh window to the screen to draw, in the state to show.
using Stage = std::function<void(OnboardingWindow &, onboardingtest::Desktop &)>;
Q_DECLARE_METATYPE(Stage)

namespace {

void advanceTo(OnboardingCoordinator &coordinator, OnboardingStep step)
{
    while (coordinator.step() != step)
        coordinator.advance();
}

FirstStreakScreen *firstStreak(OnboardingWindow &window)
{
    advanceTo(*window.coordinator(), OnboardingStep::firstStreak);
    return qobject_cast<FirstStreakScreen *>(window.host()->currentScreen());
}

} // namespace

class tst_OnboardingGallery : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Motion::setReduceMotion(true); }

    void screen_data()
    {
        QTest::addColumn<Stage>("stage");
        QTest::addColumn<QString>("language");
        const QList<std::pair<const char *, Stage>> stages = {
            {"welcome", [](OnboardingWindow &, auto &) {}},
            {"preferences",
             [](OnboardingWindow &w, auto &) {
                 advanceTo(*w.coordinator(), OnboardingStep::preferences);
             }},
            {"first-streak-site",
             [](OnboardingWindow &w, auto &) {
                 FirstStreakScreen *screen = firstStreak(w);
                 screen->select(FirstStreakSelection::customDomain());
                 screen->findChild<TextInputField *>()->setText("https://example.com");
             }},
            {"first-streak-app",
             [](OnboardingWindow &w, onboardingtest::Desktop &desktop) {
                 FirstStreakScreen *screen = firstStreak(w);
                 auto *picker = screen->findChild<OnboardingAppPicker *>();
                 screen->select(FirstStreakSelection::customApp());
                 // As the chooser reports a choice, so the screen takes it up.
                 const auto notes = picker->readAppSelection("org.example.Notes");
                 picker->setSelection(notes);
                 emit picker->selectionEdited(notes);
                 // The row that grew is scrolled into view from the event loop.
                 QCoreApplication::processEvents();
                 Q_UNUSED(desktop)
             }},
            {"mode", [](OnboardingWindow &w,
                        auto &) { advanceTo(*w.coordinator(), OnboardingStep::modeSelection); }},
            {"permissions",
             [](OnboardingWindow &w, onboardingtest::Desktop &desktop) {
                 desktop.notificationServer.status =
                     platform::NotificationAuthorizationStatus::authorized;
                 desktop.bed.host.trustedAfterRequest = false;
                 desktop.permissions.requestAccessibility();
                 advanceTo(*w.coordinator(), OnboardingStep::permissions);
             }},
            {"permissions-unreadable",
             [](OnboardingWindow &w, onboardingtest::Desktop &desktop) {
                 // Accessibility on, and Chromium running off the bus since
                 // an hour before.
                 constexpr qint32 offBus = 77;
                 desktop.bed.host.trusted = true;
                 desktop.bed.host.reference = testing::AccessibilityTestbed::referencePid;
                 desktop.bed.workspace.running = {{QStringLiteral("com.google.Chrome"), offBus}};
                 desktop.startTimes.insert(offBus, QDateTime::currentDateTimeUtc().addSecs(-3600));
                 advanceTo(*w.coordinator(), OnboardingStep::permissions);
                 // Down to the browser rows, once laid out.
                 for (int i = 0; i < 3; ++i)
                     QCoreApplication::processEvents();
                 auto *list = w.findChild<QScrollArea *>("onboarding.permissions.list");
                 list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
             }},
        };
        // French runs longest.
        for (const char *language : {"en", "de", "fr"}) {
            for (const auto &[name, stage] : stages)
                QTest::newRow(qPrintable(QString::fromLatin1(name) + u'-' + language))
                    << stage << QString::fromLatin1(language);
        }
    }
    void screen()
    {
        QFETCH(Stage, stage);
        QFETCH(QString, language);
        for (const char *themeName : {"light", "dark"}) {
            const QString theme = QString::fromLatin1(themeName);
            onboardingtest::Desktop desktop;
            const auto settings = AppSettings::fetchOrCreate(desktop.store.context());
            settings->setLanguageRaw(language);
            settings->setThemeRaw(theme);
            fennimar::ActivationPolicyCoordinator policy(
                std::make_shared<testing::FakeActivationPolicy>());
            OnboardingWindow window(desktop.services(), {}, policy);
            window.show();
            stage(window, desktop);
            // Reads of the notification server and the like land first.
            for (int i = 0; i < 10; ++i)
                QCoreApplication::processEvents();
            const QImage image = testing::render(&window);

            const QString path = testing::screenshots::save(
                image, QStringLiteral("onboarding-") +
                           QString::fromLatin1(QTest::currentDataTag()) + u'-' + theme);
            QVERIFY2(!path.isEmpty(), QTest::currentDataTag());
            QVERIFY2(testing::screenshots::distinctColours(image) > 8, qPrintable(path));
            const ThemeColor &background = Color::background();
            QCOMPARE_COLOR(image.pixelColor(2, 2),
                           theme == u"dark" ? background.dark() : background.light());
            const QStringList faults = testing::scrollAreaFaults(&window);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        }
    }
};

QTEST_MAIN(tst_OnboardingGallery)
#include "tst_OnboardingGallery.moc"
