#pragma once

#include <memory>

#include "StoreFixture.h"
#include "engine/StreakEngine.h"
#include "model/TriggerEvent.h"
#include "model/WhyAnswer.h"

namespace testing {

// A store with streaks, trigger events and answers written through the
// fixture, and a streak engine over it on the fixture's clock.
struct StatsFixture : StoreFixture {
    halvex::StreakEngine engine{persistence, dayClock, nullptr, scheduler};

    // A streak that started `age` seconds before now (created then too).
    std::shared_ptr<halvex::Streak>
    streak(const QString &name, qint64 age,
           halvex::StrictnessMode mode = halvex::StrictnessMode::firm)
    {
        auto s = addStreak();
        s->setName(name);
        s->setModeRaw(halvex::raw(mode));
        s->setStartedAt(now.addSecs(-age));
        s->setCreatedAt(now.addSecs(-age));
        s->setSortOrder(int(engine.streaks().size()) + sortOffset++);
        return s;
    }

    std::shared_ptr<halvex::TriggerEvent>
    event(const QDateTime &firedAt, const std::shared_ptr<halvex::Streak> &streak = nullptr,
          halvex::TriggerOutcome outcome = halvex::TriggerOutcome::stepBack)
    {
        auto e = std::make_shared<halvex::TriggerEvent>(QUuid::createUuid(), firedAt,
                                                        halvex::TriggerSource::app, std::nullopt,
                                                        QStringLiteral("code"));
        e->setOutcome(outcome);
        if (streak)
            e->setStreak(streak);
        context().insert(e);
        return e;
    }

    // An answer typed `order` seconds into the day, for `event` if any.
    std::shared_ptr<halvex::WhyAnswer>
    answer(const QString &text, int order, const std::shared_ptr<halvex::TriggerEvent> &event = {})
    {
        auto a = std::make_shared<halvex::WhyAnswer>(QUuid::createUuid(), text,
                                                     local(3, 1, 0, 0).addSecs(order));
        context().insert(a);
        if (event)
            a->setTriggerEvent(event);
        return a;
    }

    // Saves and lets the engine read the streaks again.
    void commit()
    {
        QVERIFY(save());
        engine.reload();
    }

    int sortOffset = 0;
};

} // namespace testing
