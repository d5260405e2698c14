// What a friction panel left waiting costs: the process's CPU time and its
// event-loop wake-ups per minute, first with nothing on screen, then with a
// panel up (past its fade-in and lockout), each over the same span.
//
//   xvfb-run -a build/bench/bench_panel [seconds per span, default 20]
//
// Runs on any Qt platform; under X11 it includes the copies to the server.
#include <cstdio>

#include <sys/resource.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "engine/BypassController.h"
#include "engine/StreakEngine.h"
#include "friction/BlurOverlayWindow.h"
#include "friction/FrictionPanel.h"
#include "friction/FrictionPanelController.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"
#include "platform/ApplicationIdentity.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/SystemAppearance.h"
#include "platform/TimerScheduler.h"
#include "platform/X11Workspace.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

class LightAppearance final : public platform::SystemAppearance {
public:
    QString interfaceStyle() const override { return {}; }
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Span {
    double cpuPerMinute = 0;
    double wakeupsPerMinute = 0;
};

// Runs the event loop for `seconds` and counts what it cost.
Span measure(int seconds)
{
    qint64 wakeups = 0;
    const QMetaObject::Connection counting =
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                         [&wakeups] { ++wakeups; });
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    loop.exec();
    const double cpu = cpuSeconds() - cpuBefore;
    const double minutes = double(wall.elapsed()) / 60000.0;
    QObject::disconnect(counting);
    return {cpu / minutes, double(wakeups) / minutes};
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 20;

    PersistenceController persistence(true);
    const DayClock dayClock(DayClock::systemClock(), QTimeZone::systemTimeZone());
    platform::TimerScheduler &scheduler = platform::TimerScheduler::live();
    BypassController bypass(persistence, dayClock, QTimeZone::systemTimeZone(), scheduler);
    StreakEngine engine(persistence, dayClock, &bypass, scheduler);
    const platform::DesktopEntryIndex index(QStringList{});
    const platform::ApplicationIdentity identity(index);
    platform::X11Workspace workspace(identity);
    LightAppearance appearance;
    ThemeController theme(appearance);
    TranslationLoader translations;
    fennimar::ActivationPolicyCoordinator policy;
    FrictionPanelController controller({
        {engine, bypass, persistence, {}, workspace, dayClock, scheduler},
        theme,
        translations,
        policy,
    });

    auto streak = std::make_shared<Streak>(QUuid::createUuid(), QStringLiteral("Distraction"),
                                           StreakType::app, StrictnessMode::firm, QStringList{},
                                           QStringList{}, QStringList{QStringLiteral("code")},
                                           QDateTime::currentDateTimeUtc().addDays(-12));
    auto event =
        std::make_shared<TriggerEvent>(QUuid::createUuid(), QDateTime::currentDateTimeUtc(),
                                       TriggerSource::app, std::nullopt, QStringLiteral("code"));
    event->setStreak(streak);
    persistence.mainContext().insert(streak);
    persistence.mainContext().insert(event);
    (void)persistence.mainContext().save();

    settle(500);
    const Span idle = measure(seconds);
    controller.present(event);
    settle(2000); // fade-in and lockout
    const Span panel = measure(seconds);
    controller.dismiss(false);

    std::printf("platform %s, %d s per span\n", qPrintable(QGuiApplication::platformName()),
                seconds);
    std::printf("%-22s %14s %16s\n", "", "CPU s/minute", "wake-ups/minute");
    std::printf("%-22s %14.3f %16.0f\n", "nothing on screen", idle.cpuPerMinute,
                idle.wakeupsPerMinute);
    std::printf("%-22s %14.3f %16.0f\n", "panel waiting", panel.cpuPerMinute,
                panel.wakeupsPerMinute);
    return 0;
}
