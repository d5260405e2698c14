#include <functional>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

#include "FakeActivationPolicy.h"
#include "OnboardingFixture.h"
#include "UiTestSupport.h"
#include "editor/ApplicationChooser.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "model/AppSettings.h"
#include "onboarding/FirstStreakRow.h"
#include "onboarding/ModeSelectionScreen.h"
#include "onboarding/OnboardingProgressIndicator.h"
#include "onboarding/OnboardingScreenLayout.h"
#include "onboarding/OnboardingWindow.h"
#include "permissions/AutomationBrowserRow.h"
#include "ui/Color.h"
#include "ui/Motion.h"
#include "ui/PrimaryButton.h"
#include "ui/SecondaryButton.h"
#include "settings/MenuPicker.h"
#include "ui/TextInputField.h"
#include "ui/ToggleSwitch.h"

using namespace halvex;
using onboardingtest::click;

namespace {

// The window as the shell opens it, with hooks that count what the finish
// sequence asks of the shell. The popover's reveal is answered by the test.
struct Fixture {
    onboardingtest::Desktop desktop;
    std::shared_ptr<testing::FakeActivationPolicy> policyBackend =
        std::make_shared<testing::FakeActivationPolicy>();
    fennimar::ActivationPolicyCoordinator policy{policyBackend};
    bool hasStatusItem = true;
    int completed = 0;
    int reveals = 0;
    int quits = 0;
    std::function<void()> finishReveal;
    std::unique_ptr<OnboardingWindow> window;

    Fixture()
    {
        OnboardingWindow::Hooks hooks{[this] { ++completed; },
                                      [this](std::function<void()> completion) {
                                          if (!hasStatusItem)
                                              return false;
                                          ++reveals;
                                          finishReveal = std::move(completion);
                                          return true;
                                      },
                                      [this] { ++quits; }};
        window = std::make_unique<OnboardingWindow>(desktop.services(), std::move(hooks), policy,
                                                    [this] { return desktop.store.now; });
        window->present();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the onboarding window did not show");
    }

    QWidget *screen() const { return window->host()->currentScreen(); }
    OnboardingScreenLayout *layout() const
    {
        return screen() ? screen()->findChild<OnboardingScreenLayout *>() : nullptr;
    }
    OnboardingStep step() const { return window->coordinator()->step(); }
    void clickIn(const QString &name) const { click(screen(), name); }
    QAbstractButton *presetRow(const QString &preset) const
    {
        for (auto *row : screen()->findChildren<QAbstractButton *>("onboarding.firstStreak.preset"))
            if (row->property("preset") == preset)
                return row;
        return nullptr;
    }
};

// Answers the application chooser from inside its modal run.
void chooseInChooser(const QString &name)
{
    QTimer::singleShot(0, qApp, [name] {
        auto *chooser = qobject_cast<ApplicationChooser *>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        const auto items = chooser->list()->findItems(name, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        items.first()->setSelected(true);
        chooser->findChild<PrimaryButton *>("streakEditor.apps.chooser.confirm")->click();
    });
}

int footerRightEdge(const Fixture &f)
{
    QWidget *footer = f.layout()->footer();
    return footer->mapTo(f.window.get(), QPoint(footer->width(), 0)).x();
}

using Choose = std::function<void(Fixture &)>;

} // namespace

Q_DECLARE_METATYPE(Choose)

class tst_OnboardingWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Motion::setReduceMotion(true); }

    void walksTheStepsByClicking()
    {
        Fixture f;
        QCOMPARE(f.window->size(), QSize(640, 480));
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        QCOMPARE(f.policy.refCount(), 1);

        // Welcome: the back button holds its place but is not there at all.
        QAbstractButton *back = f.layout()->backButton();
        QVERIFY(!back->isEnabled() && back->accessibleName().isEmpty());
        QVERIFY(back->testAttribute(Qt::WA_TransparentForMouseEvents));
        const int welcomeFooter = footerRightEdge(f);
        QTest::keyClick(f.layout(), Qt::Key_Escape);
        QCOMPARE(f.step(), OnboardingStep::welcome);
        QTest::keyClick(f.layout(), Qt::Key_Return);
        QCOMPARE(f.step(), OnboardingStep::preferences);

        OnboardingProgressIndicator *dots = f.layout()->progressIndicator();
        QCOMPARE(dots->currentStep(), 1);
        QCOMPARE(dots->accessibleName(), "Step 2 of 5");
        QCOMPARE(footerRightEdge(f), welcomeFooter);
        QTest::keyClick(f.layout(), Qt::Key_Escape);
        QCOMPARE(f.step(), OnboardingStep::welcome);
        f.clickIn("OnboardingBeginButton");
        f.clickIn("onboarding.preferences.continue");
        QCOMPARE(f.step(), OnboardingStep::firstStreak);
        // The switch starts on: leaving preferences registered the login item.
        QCOMPARE(f.desktop.loginItem.registerCalls, 1);

        auto *next = f.screen()->findChild<PrimaryButton *>("onboarding.firstStreak.continue");
        QVERIFY(!next->isEnabled());
        QTest::mouseClick(f.presetRow("reddit"), Qt::LeftButton);
        QVERIFY(next->isEnabled());
        f.clickIn("onboarding.firstStreak.continue");
        QCOMPARE(f.step(), OnboardingStep::modeSelection);

        // Firm first; a choice that is not continued with is forgotten.
        auto *modes = qobject_cast<ModeSelectionScreen *>(f.screen());
        QVERIFY(modes && modes->card(StrictnessMode::firm)->isChecked());
        f.clickIn("onboarding.mode.brutal");
        QVERIFY(modes->card(StrictnessMode::brutal)->isChecked());
        QVERIFY(!modes->card(StrictnessMode::firm)->isChecked());
        f.clickIn("onboarding.back");
        QCOMPARE(f.step(), OnboardingStep::firstStreak);
        // The screen comes back with the choice that was continued with.
        QVERIFY(f.presetRow("reddit")->isChecked());
        f.clickIn("onboarding.firstStreak.continue");
        modes = qobject_cast<ModeSelectionScreen *>(f.screen());
        QCOMPARE(modes->selection(), StrictnessMode::firm);
        f.clickIn("onboarding.mode.gentle");
        f.clickIn("onboarding.mode.continue");
        QCOMPARE(f.step(), OnboardingStep::permissions);
        QCOMPARE(f.window->coordinator()->selectedMode(), StrictnessMode::gentle);
        QCOMPARE(f.layout()->progressIndicator()->accessibleName(), "Step 5 of 5");

        QTest::keyClick(f.layout(), Qt::Key_Escape);
        QCOMPARE(f.step(), OnboardingStep::modeSelection);
        QCOMPARE(qobject_cast<ModeSelectionScreen *>(f.screen())->selection(),
                 StrictnessMode::gentle);
        QCOMPARE(f.desktop.store.context().fetch<Streak>().value().size(), std::size_t(0));
    }

    void finishesOnceWithTheFirstStreak_data()
    {
        QTest::addColumn<Choose>("choose");
        QTest::addColumn<bool>("hasStatusItem");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("targets");
        QTest::newRow("preset") << Choose([](Fixture &f) {
            QTest::mouseClick(f.presetRow("youtube"), Qt::LeftButton);
        }) << true << "site"
                                << "YouTube" << QStringList{"youtube.com"};
        QTest::newRow("custom site, no status item") << Choose([](Fixture &f) {
            f.clickIn("onboarding.firstStreak.custom.website");
            QTest::keyClicks(f.screen()->findChild<TextInputField *>()->input(),
                             " news.example.org\t");
        }) << false << "site"
                                                     << "news.example.org"
                                                     << QStringList{"news.example.org"};
        QTest::newRow("custom application") << Choose([](Fixture &f) {
            f.clickIn("onboarding.firstStreak.custom.app");
            chooseInChooser("Notes");
            f.clickIn("onboarding.firstStreak.custom.app.choose");
        }) << true << "app"
                                            << "Notes" << QStringList{"org.example.Notes"};
    }
    void finishesOnceWithTheFirstStreak()
    {
        QFETCH(Choose, choose);
        QFETCH(bool, hasStatusItem);
        QFETCH(QString, type);
        QFETCH(QString, name);
        QFETCH(QStringList, targets);
        Fixture f;
        f.hasStatusItem = hasStatusItem;
        QSignalSpy closed(f.window.get(), &OnboardingWindow::closed);
        f.clickIn("OnboardingBeginButton");
        f.clickIn("onboarding.preferences.continue");
        choose(f);
        f.clickIn("onboarding.firstStreak.continue");
        f.clickIn("onboarding.mode.continue");
        f.clickIn("onboarding.permissions.finish");
        // The finish handler came first; the step's `done` arrives from the
        // event loop and finds the sequence already running.
        QCoreApplication::processEvents();
        QCOMPARE(f.completed, 1);

        const auto streaks = f.desktop.store.context().fetch<Streak>().value();
        QCOMPARE(streaks.size(), std::size_t(1));
        const auto &streak = streaks.front();
        QCOMPARE(streak->typeRaw(), type);
        QCOMPARE(streak->name(), name);
        QCOMPARE(type == u"app" ? streak->bundleIdentifiers() : streak->domains(), targets);
        QVERIFY(streak->isPrimary());
        const auto settings = AppSettings::fetchOrCreate(f.desktop.store.context());
        QVERIFY(settings->firstLaunchCompleted());
        QCOMPARE(settings->primaryStreakId().value_or(QUuid()), streak->id());

        if (hasStatusItem) {
            // The window stays until the popover has been revealed.
            QCOMPARE(f.reveals, 1);
            QVERIFY(f.window->isVisible() && closed.isEmpty());
            f.finishReveal();
        }
        QCOMPARE(closed.size(), 1);
        QVERIFY(!f.window->isVisible());
        QVERIFY(!f.window->coordinator() || f.window->isGone());
        QCOMPARE(f.policy.refCount(), 0);
        QCOMPARE(f.policyBackend->policy, fennimar::ActivationPolicy::accessory);

        // Late or repeated signals change nothing.
        f.window->finishOnboarding();
        if (f.finishReveal)
            f.finishReveal();
        QCoreApplication::processEvents();
        QCOMPARE(closed.size(), 1);
        QCOMPARE(f.reveals, hasStatusItem ? 1 : 0);
        QCOMPARE(f.completed, 1);
        QCOMPARE(f.quits, 0);
    }

    void closeButtonQuits()
    {
        Fixture f;
        QVERIFY(!f.window->close());
        QCOMPARE(f.quits, 1);
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.completed, 0);
    }

    void preferencesApplyAtOnceAndRecordTheLoginWish()
    {
        Fixture f;
        f.clickIn("OnboardingBeginButton");
        auto *next = f.screen()->findChild<PrimaryButton *>("onboarding.preferences.continue");
        QCOMPARE(next->text(), "Continue");
        QVERIFY(onboardingtest::pick(
            f.screen()->findChild<MenuPicker *>("onboarding.preferences.language"), "de"));
        QVERIFY(onboardingtest::pick(
            f.screen()->findChild<MenuPicker *>("onboarding.preferences.theme"), "dark"));
        const auto settings = AppSettings::fetchOrCreate(f.desktop.store.context());
        QCOMPARE(settings->languageRaw(), "de");
        // The tables' change reaches the widgets through the event loop.
        QTRY_COMPARE(next->text(), "Weiter");
        QCOMPARE(f.layout()->backButton()->text(), "Zurück");
        const QImage shown = testing::renderWidget(f.window.get());
        QCOMPARE_COLOR(shown.pixelColor(4, 4), Color::background().dark());

        // The switch starts on; off, it is only a wish, and continuing keeps
        // the login item as it was.
        auto *loginSwitch =
            f.screen()->findChild<ToggleSwitch *>("onboarding.preferences.loginItem");
        QVERIFY(loginSwitch->isChecked());
        QTest::mouseClick(loginSwitch, Qt::LeftButton);
        QVERIFY(!f.window->coordinator()->launchAtLoginPending());
        QCOMPARE(f.desktop.loginItem.registerCalls, 0);
        f.clickIn("onboarding.preferences.continue");
        QCOMPARE(f.step(), OnboardingStep::firstStreak);
        QCOMPARE(f.desktop.loginItem.registerCalls, 0);
        QVERIFY(!settings->loginItemEnabled());
    }

    // The window has one size, too small for the longer pages: they scroll,
    // and show that they do.
    void longPagesKeepEveryPartWithinReach()
    {
        Fixture f;
        const auto listOf = [&f](const char *name) {
            auto *list = f.screen()->findChild<QScrollArea *>(QLatin1String(name));
            if (!list)
                qFatal("no list %s", name);
            return list;
        };
        while (f.step() != OnboardingStep::firstStreak)
            f.window->coordinator()->advance();
        QScrollArea *presets = listOf("onboarding.firstStreak.list");
        QTRY_VERIFY(presets->verticalScrollBar()->isVisible());
        // From the top: the first row whole.
        QCOMPARE(presets->verticalScrollBar()->value(), 0);
        QVERIFY(testing::fullyInView(presets, f.presetRow("twitter")));
        // The message under a site that is none is read as it appears, even
        // with the field scrolled down to the lower edge.
        f.clickIn("onboarding.firstStreak.custom.website");
        auto *site = f.screen()->findChild<TextInputField *>();
        QTRY_VERIFY(site->isFocused());
        QTRY_VERIFY(testing::fullyInView(presets, site));
        const int siteBottom = site->mapTo(presets->widget(), QPoint(0, site->height())).y();
        presets->verticalScrollBar()->setValue(siteBottom - presets->viewport()->height());
        QVERIFY(testing::fullyInView(presets, site));
        QTest::keyClicks(site->input(), "https://example.com");
        auto *invalid =
            f.screen()->findChild<QWidget *>("onboarding.firstStreak.custom.website.invalid");
        QVERIFY(invalid->isVisible());
        QTRY_VERIFY(testing::fullyInView(presets, invalid));
        QVERIFY(testing::fullyInView(presets, site));

        while (f.step() != OnboardingStep::permissions)
            f.window->coordinator()->advance();
        QScrollArea *permissions = listOf("onboarding.permissions.list");
        const auto rows = f.screen()->findChildren<AutomationBrowserRow *>();
        QCOMPARE(rows.size(), 2);
        QTRY_VERIFY(permissions->verticalScrollBar()->isVisible());
        for (AutomationBrowserRow *row : rows) {
            permissions->ensureWidgetVisible(row, 0, 0);
            QVERIFY2(testing::fullyInView(permissions, row->testButton()),
                     qPrintable(row->accessibleName()));
        }
    }
};

QTEST_MAIN(tst_OnboardingWindow)
#include "tst_OnboardingWindow.moc"
