#pragma once

#include <memory>

#include <QStringList>
#include <QTimeZone>

#include "FakeWorkspace.h"
#include "ManualScheduler.h"
#include "engine/BypassController.h"
#include "engine/StreakEngine.h"
#include "friction/FrictionViewModel.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"

namespace frictiontest {

// A store with one streak of the given mode and age, the real engine and
// bypass controller on a clock and timers the test moves, and a desktop the
// test arranges, on which "code" (pid 41) runs.
struct StreakFixture {
    explicit StreakFixture(const QString &modeRaw = QStringLiteral("gentle"), qint64 days = 0)
    {
        QObject::connect(&engine, &halvex::StreakEngine::triggerSubject, &engine,
                         [this](const auto &e) {
                             if (!e->outcomeRaw().isEmpty())
                                 recorded << e->outcomeRaw();
                         });
        streak = std::make_shared<halvex::Streak>(
            QUuid::createUuid(), QStringLiteral("Reddit"), halvex::StreakType::app,
            halvex::StrictnessMode::firm, QStringList{}, QStringList{}, QStringList{"code"},
            now.addSecs(-days * 86400));
        streak->setModeRaw(modeRaw);
        persistence.mainContext().insert(streak);
        workspace.running << testing::FakeWorkspace::app(QStringLiteral("code"), 41);
    }

    // A new undecided event of the streak, saved.
    std::shared_ptr<halvex::TriggerEvent> addEvent(const QString &source = QStringLiteral("app"))
    {
        auto e = std::make_shared<halvex::TriggerEvent>(QUuid::createUuid(), now,
                                                        halvex::TriggerSource::app, std::nullopt,
                                                        QStringLiteral("code"));
        e->setTriggerSourceRaw(source);
        e->setStreak(streak);
        persistence.mainContext().insert(e);
        if (!persistence.mainContext().save())
            qFatal("could not save the trigger event");
        return e;
    }

    halvex::FrictionViewModel::Services services()
    {
        return {engine, bypass, persistence, {}, workspace, clock, scheduler};
    }

    const QTimeZone zone{"Europe/Berlin"};
    halvex::PersistenceController persistence{true};
    QDateTime now = QDateTime(QDate(2026, 3, 6), QTime(10, 0), zone).toUTC();
    halvex::DayClock clock{[this] { return now; }, zone};
    testing::ManualScheduler scheduler;
    halvex::BypassController bypass{persistence, clock, zone, scheduler};
    halvex::StreakEngine engine{persistence, clock, &bypass, scheduler};
    testing::FakeWorkspace workspace;
    std::shared_ptr<halvex::Streak> streak;
    QStringList recorded; // the decided outcomes, in order
};

} // namespace frictiontest
