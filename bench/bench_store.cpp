// Builds a store the size of a heavy user's history and reports how long the
// store takes to open, to answer the hot-path queries and to save one event.
//
// It also times one daily backup of that store.
//
//   build/bench/bench_store [folder]
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include "engine/AllowanceGate.h"
#include "engine/BypassController.h"
#include "model/BackupManager.h"
#include "model/BypassUsage.h"
#include "model/CalendarDay.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"
#include "model/UsageSession.h"

using namespace halvex;

namespace {

constexpr int streakCount = 10;
constexpr int eventCount = 100'000;
constexpr int sessionCount = 100'000;
constexpr int perDay = 50;

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void fill(PersistenceController &store, const QDateTime &now)
{
    auto &ctx = store.mainContext();
    std::vector<std::shared_ptr<Streak>> streaks;
    for (int i = 0; i < streakCount; ++i) {
        auto s = std::make_shared<Streak>(QUuid::createUuid(), QStringLiteral("Streak %1").arg(i), StreakType::app,
                                          StrictnessMode::firm, QStringList{}, QStringList{},
                                          QStringList{QStringLiteral("app%1").arg(i)}, now.addDays(-400));
        s->setSortOrder(i);
        ctx.insert(s);
        streaks.push_back(s);
    }
    const QStringList outcomes{QStringLiteral(""), QStringLiteral("stepBack"), QStringLiteral("openAnyway"),
                               QStringLiteral("pause")};
    for (int i = 0; i < eventCount; ++i) {
        const QDateTime at = now.addSecs(-qint64(i) * 86400 / perDay);
        auto e = std::make_shared<TriggerEvent>(QUuid::createUuid(), at, TriggerSource::app, std::nullopt,
                                                QStringLiteral("app%1").arg(i % streakCount));
        e->setOutcomeRaw(outcomes[i % outcomes.size()]);
        e->setStreak(streaks[size_t(i % streakCount)]);
        ctx.insert(e);
    }
    for (int i = 0; i < sessionCount; ++i) {
        const QDateTime start = now.addSecs(-qint64(i) * 86400 / perDay);
        auto s = std::make_shared<UsageSession>(QUuid::createUuid(), start, start.addSecs(90), 90.0,
                                                QStringLiteral("app"));
        s->setIsAllowance(i % 2 == 0);
        s->setStreak(streaks[size_t(i % streakCount)]);
        ctx.insert(s);
    }
    for (int i = 0; i < 2000; ++i) {
        auto u = std::make_shared<BypassUsage>(QUuid::createUuid(),
                                               (i / streakCount) % 2 ? QStringLiteral("dailyFreePass") : QStringLiteral("pauseOneHour"),
                                               now.addSecs(-qint64(i) * 3600 * 5), std::nullopt);
        u->setStreak(streaks[size_t(i % streakCount)]);
        ctx.insert(u);
    }
    if (auto saved = ctx.save(); !saved)
        std::fprintf(stderr, "fill failed: %s\n", qPrintable(saved.error().message));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    StoreEnvironment env = StoreEnvironment::system();
    env.applicationSupport = root;
    env.home = root;

    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    {
        QElapsedTimer t;
        t.start();
        PersistenceController store(false, env);
        fill(store, now);
        std::printf("fill: %d events, %d sessions in %.0f ms\n", eventCount, sessionCount,
                    double(t.elapsed()));
    }

    QElapsedTimer openTimer;
    openTimer.start();
    PersistenceController store(false, env);
    const double openMs = double(openTimer.nsecsElapsed()) / 1e6;
    auto &ctx = store.mainContext();
    std::printf("open: %.2f ms (degraded: %s)\n", openMs, store.degraded() ? "yes" : "no");

    const QDateTime midnight = calendar::startOfDay(now, zone);
    const auto streaks = ctx.fetch<Streak>({Predicate(), {{QStringLiteral("sortOrder"), true}}}).value();
    const QUuid streakId = streaks.front()->id();
    constexpr int runs = 50;

    struct Query {
        const char *name;
        std::function<size_t()> run;
    };
    DayClock clock(DayClock::systemClock(), zone);
    BypassController bypass(store, clock, zone);
    const std::vector<Query> queries = {
        {"streaks by sort order",
         [&] { return ctx.fetch<Streak>({Predicate(), {{QStringLiteral("sortOrder"), true}}}).value().size(); }},
        {"free pass used today (canUseFreePass)", [&] { return size_t(bypass.canUseFreePass(streakId)); }},
        {"today's open-anyway events (openAnywayCountToday)",
         [&] { return size_t(bypass.openAnywayCountToday(streakId)); }},
        {"today's decided events",
         [&] {
             return ctx.fetch<TriggerEvent>(
                           {Predicate::compare(QStringLiteral("firedAt"), Predicate::Op::greaterOrEqual, midnight) &&
                            Predicate::compare(QStringLiteral("outcomeRaw"), Predicate::Op::notEqual, QString())})
                 .value()
                 .size();
         }},
        {"allowance used today (usedSecondsToday)",
         [&] { return size_t(usedSecondsToday(streakId, ctx, std::nullopt, now, zone)); }},
    };
    for (const auto &q : queries) {
        size_t rows = 0;
        const double ms = medianMs(runs, [&] { rows = q.run(); });
        std::printf("%-48s %8.3f ms (result %zu)\n", q.name, ms, rows);
    }

    const double saveMs = medianMs(runs, [&] {
        auto e = std::make_shared<TriggerEvent>(QUuid::createUuid(), QDateTime::currentDateTimeUtc(),
                                                TriggerSource::app, std::nullopt, QStringLiteral("app0"));
        e->setStreak(streaks.front());
        ctx.insert(e);
        if (!ctx.save())
            std::fprintf(stderr, "save failed\n");
    });
    std::printf("%-48s %8.3f ms\n", "save of one new event", saveMs);

    QElapsedTimer backupTimer;
    backupTimer.start();
    BackupManager backups(store, env, clock, QDir(root).filePath(QStringLiteral("bench-backups")));
    auto written = backups.exportBackup();
    std::printf("%-48s %8.0f ms (%s)\n", "backup of the whole store", double(backupTimer.elapsed()),
                written ? qPrintable(QFileInfo(*written).fileName()) : "failed");
    return 0;
}
