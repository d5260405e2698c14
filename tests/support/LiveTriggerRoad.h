#pragma once

#include <QDateTime>
#include <QTimeZone>

#include "ForegroundScene.h"
#include "engine/AppFrontmostDetector.h"
#include "engine/TriggerWatcher.h"
#include "engine/UsageSessionRecorder.h"

namespace testing {

// The application road on a live desktop: the usage recorder, the frontmost
// detector and the trigger watcher over a scene's workspace, with no browser
// probed. The detector runs on the event loop's timers; the recorder and the
// watcher on the wall clock and those timers unless a test drives time.
// Header-only: it needs halvex_core, which the tests that include it link.
struct LiveTriggerRoad {
    using Clock = halvex::TriggerWatcher::Clock;

    LiveTriggerRoad(
        ForegroundScene &scene, halvex::StreakEngine &engine,
        halvex::PersistenceController &persistence,
        Clock clock = [] { return QDateTime::currentDateTimeUtc(); },
        platform::TimerScheduler &scheduler = platform::TimerScheduler::live())
        : recorder(persistence, clock)
        , detector(scene.workspace())
        , watcher(halvex::TriggerWatcher::Services{
              detector,
              scene.workspace(),
              {},
              engine,
              persistence,
              recorder,
              [](const QString &) { return fennimar::AutomationStatus::granted; },
              clock,
              QTimeZone::systemTimeZone(),
              scheduler,
              scene.ownApp().bundleIdentifier,
          })
    {}

    halvex::UsageSessionRecorder recorder;
    halvex::AppFrontmostDetector detector;
    halvex::TriggerWatcher watcher;
};

// Nanoseconds of a QElapsedTimer in milliseconds, as the road's timings are reported.
inline double ms(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

} // namespace testing
