// The real halvex binary's first launch, with an empty home, on a desktop of
// the test's own: the onboarding window comes, is walked by real clicks of
// the pointer to its end, and goes; the store then holds the one first
// streak and the completed first launch. Each screen, as the binary draws
// it, is saved under $HALVEX_SCREENSHOT_DIR (else
// $TMPDIR/halvex-screenshots).
//
// Where to click is read from the same screens built in this process, off
// screen, with the same fonts and size, and walked in step with the binary.
#include <memory>
#include <optional>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

#include "DesktopHarness.h"
#include "OnboardingFixture.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "onboarding/OnboardingCoordinator.h"
#include "onboarding/OnboardingHostView.h"
#include "onboarding/OnboardingPreset.h"
#include "ui/Motion.h"

using namespace halvex;

namespace {

const QString binary = QStringLiteral(HALVEX_BINARY);

} // namespace

class tst_OnboardingOnX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void firstLaunchIsWalkedToTheFirstStreak();

private:
    StoreEnvironment storeEnvironment() const
    {
        return {m_desktop.homePath() + QStringLiteral("/.local/share"), m_desktop.homePath(), {}};
    }
    QImage picture() const
    {
        return QGuiApplication::primaryScreen()->grabWindow(*m_window).toImage();
    }
    // Waits until the binary's window shows something other than `before`
    // and holds still (no fade or spinner under way); saves it as `name`.
    void settle(const QImage &before, const QString &name, QImage &settled);
    // Clicks, in the binary's window, where the mirror's widget of that name
    // (and, when given, preset) is, and the mirror's widget too.
    void clickBoth(const QString &name, const QString &preset = {});

    testing::DesktopHarness m_desktop;
    std::optional<testing::DesktopHarness::Window> m_window;
    std::unique_ptr<onboardingtest::Desktop> m_mirrorDesktop;
    std::unique_ptr<OnboardingCoordinator> m_mirrorCoordinator;
    std::unique_ptr<OnboardingHostView> m_mirror;
};

void tst_OnboardingOnX11::initTestCase()
{
    QVERIFY2(QFile::exists(binary), qPrintable(binary));
    const QString why = m_desktop.startWindowManager();
    QVERIFY2(why.isEmpty(), qPrintable(why));
}

void tst_OnboardingOnX11::settle(const QImage &before, const QString &name, QImage &settled)
{
    // Still over several polls: a fade has ended, not just begun.
    QImage last;
    int sameFor = 0;
    const auto holdsStill = [&] {
        const QImage now = picture();
        sameFor = now == last ? sameFor + 1 : 0;
        last = now;
        return !now.isNull() && now != before && sameFor >= 5;
    };
    QTRY_VERIFY2_WITH_TIMEOUT(holdsStill(), qPrintable(name), 10000);
    settled = last;
    QVERIFY(!m_desktop.screenshot(name, *m_window).isEmpty());
}

void tst_OnboardingOnX11::clickBoth(const QString &name, const QString &preset)
{
    QAbstractButton *target = nullptr;
    for (auto *button : m_mirror->findChildren<QAbstractButton *>(name)) {
        if (button->isVisible() && (preset.isEmpty() || button->property("preset") == preset))
            target = button;
    }
    QVERIFY2(target, qPrintable(name + u' ' + preset));
    const QPoint at = target->mapTo(m_mirror.get(), target->rect().center());
    QVERIFY(m_desktop.click(m_desktop.frame(*m_window).topLeft() + at));
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

void tst_OnboardingOnX11::firstLaunchIsWalkedToTheFirstStreak()
{
    // In English here and in the binary, whatever the machine's language.
    QProcessEnvironment english;
    english.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    english.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    QProcess *halvex = m_desktop.launch(binary, {}, english);
    QVERIFY(halvex);
    m_window = m_desktop.waitForWindow(
        {.processIdentifier = halvex->processId(), .size = QSize(640, 480)}, 15000);
    QVERIFY2(m_window, qPrintable(m_desktop.logOf(halvex)));

    // After the launch: the mirror's fixture points this process's XDG
    // folders at a desktop of its own.
    m_mirrorDesktop = std::make_unique<onboardingtest::Desktop>();
    m_mirrorCoordinator = std::make_unique<OnboardingCoordinator>(
        &m_mirrorDesktop->loginItem, &m_mirrorDesktop->store.persistence,
        [] { return QDateTime::currentDateTimeUtc(); });
    QVERIFY(m_mirrorDesktop->translations.load(QStringLiteral("en")));
    Motion::setReduceMotion(true);
    m_mirror =
        std::make_unique<OnboardingHostView>(*m_mirrorCoordinator, m_mirrorDesktop->services());
    m_mirror->setAttribute(Qt::WA_DontShowOnScreen);
    m_mirror->show();

    struct Step {
        QString screenshot;
        QString button;
        QString preset = {};
    };
    const QString reddit = raw(OnboardingPreset::reddit);
    const Step steps[] = {
        {QStringLiteral("onboarding-x11-1-welcome"), QStringLiteral("OnboardingBeginButton")},
        {QStringLiteral("onboarding-x11-2-preferences"),
         QStringLiteral("onboarding.preferences.continue")},
        {QStringLiteral("onboarding-x11-3-first-streak"),
         QStringLiteral("onboarding.firstStreak.preset"), reddit},
        {QStringLiteral("onboarding-x11-3-first-streak-chosen"),
         QStringLiteral("onboarding.firstStreak.continue")},
        {QStringLiteral("onboarding-x11-4-mode"), QStringLiteral("onboarding.mode.brutal")},
        {QStringLiteral("onboarding-x11-4-mode-chosen"),
         QStringLiteral("onboarding.mode.continue")},
        {QStringLiteral("onboarding-x11-5-permissions"),
         QStringLiteral("onboarding.permissions.finish")},
    };
    QImage shown;
    for (const Step &step : steps) {
        settle(shown, step.screenshot, shown);
        if (!QTest::currentTestFailed())
            clickBoth(step.button, step.preset);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(m_mirrorCoordinator->step(), OnboardingStep::done);

    // The finish takes the window away and leaves the application running.
    QTRY_VERIFY_WITH_TIMEOUT(
        !m_desktop.findWindow({.processIdentifier = halvex->processId(), .size = QSize(640, 480)}),
        10000);
    QCOMPARE(halvex->state(), QProcess::Running);

    halvex->terminate();
    QVERIFY2(halvex->waitForFinished(15000) && halvex->exitCode() == 0,
             qPrintable(m_desktop.logOf(halvex)));
    PersistenceController store(false, storeEnvironment());
    ModelContext &context = store.mainContext();
    QVERIFY(AppSettings::fetchOrCreate(context)->firstLaunchCompleted());
    const auto streaks = context.fetch<Streak>();
    QVERIFY(streaks && streaks->size() == 1);
    const std::shared_ptr<Streak> &streak = streaks->front();
    QCOMPARE(streak->domains(), domains(OnboardingPreset::reddit));
    QCOMPARE(streak->mode(), StrictnessMode::brutal);
    QVERIFY(streak->isPrimary());
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_OnboardingOnX11>(argc, argv);
}

#include "tst_OnboardingOnX11.moc"
