#pragma once

#include <QDateTime>
#include <QTimeZone>

#include "ForegroundScene.h"
#include "engine/AppFrontmostDetector.h"
#include "engine/TriggerWatcher.h"
#include "engine/UsageSessionRecorder.h"

namespace testing {

// The application road on a live desktop: the usage recorder, the frontmost
// detector and the trigger watcher over a scene's workspace, on the wall
// clock and the event loop's timers, with no browser probed. Header-only: it
// needs halvex_core, which the tests that include it link.
struct LiveTriggerRoad {
    LiveTriggerRoad(ForegroundScene &scene, halvex::StreakEngine &engine,
                    halvex::PersistenceController &persistence)
        : recorder(persistence, [] { return QDateTime::currentDateTimeUtc(); })
        , detector(scene.workspace())
        , watcher(halvex::TriggerWatcher::Services{
              detector,
              scene.workspace(),
              {},
              engine,
              persistence,
              recorder,
              [](const QString &) { return fennimar::AutomationStatus::granted; },
              [] { return QDateTime::currentDateTimeUtc(); },
              QTimeZone::systemTimeZone(),
              platform::TimerScheduler::live(),
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
