#pragma once

#include <QSqlQuery>

#include "FakeSystemTimeZone.h"
#include "ManualScheduler.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"

namespace testing {

inline const QTimeZone berlin{"Europe/Berlin"};

// A wall-clock time in Berlin in 2026, as the UTC instant the store keeps.
inline QDateTime local(int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute, second), berlin).toUTC();
}

// An in-memory store, a day clock the test sets (and whose zone it may move,
// as the user does), and a scheduler it advances.
struct StoreFixture {
    halvex::PersistenceController persistence{true};
    QDateTime now = local(3, 6, 10, 0); // a Friday
    FakeSystemTimeZone zone{berlin};
    halvex::DayClock dayClock{[this] { return now; }, zone};
    testing::ManualScheduler scheduler;

    halvex::ModelContext &context() { return persistence.mainContext(); }
    bool save() { return context().save().hasValue(); }

    std::shared_ptr<halvex::Streak> addStreak(const QUuid &id = QUuid::createUuid())
    {
        auto s = std::make_shared<halvex::Streak>(id, QStringLiteral("s"), halvex::StreakType::app,
                                                  halvex::StrictnessMode::firm, QStringList{},
                                                  QStringList{}, QStringList{"code"}, now);
        s->setUpdatedAt(now);
        context().insert(s);
        return s;
    }

    // Every later insert into the table fails, as on a full disk.
    bool failInsertsInto(const QString &table)
    {
        return QSqlQuery(persistence.container().database())
            .exec(u"CREATE TEMP TRIGGER f BEFORE INSERT ON \"" + table +
                  u"\" BEGIN SELECT RAISE(ABORT, 'disk is full'); END");
    }
};

} // namespace testing
