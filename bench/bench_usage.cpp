// Times what the usage section does on every draw, over a heavy user's
// history of 100,000 usage sessions in a store on disk: fetch the sessions
// through the store (newest first), every one or only the range's, fold
// them for each range, and the whole refresh of the section with its widgets.
//
//   build/bench/bench_usage [folder]
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "model/AppSettings.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/UsageSession.h"
#include "stats/UsageReport.h"
#include "stats/UsageSection.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

constexpr int streakCount = 10;
constexpr int sessionCount = 100'000;
constexpr int perDay = 50;
constexpr int runs = 15;

double medianMs(const std::function<void()> &work)
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
        auto s = std::make_shared<Streak>(
            QUuid::createUuid(), QStringLiteral("Streak %1").arg(i), StreakType::app,
            StrictnessMode::firm, QStringList{}, QStringList{},
            QStringList{QStringLiteral("app%1").arg(i)}, now.addDays(-2100));
        ctx.insert(s);
        streaks.push_back(s);
    }
    for (int i = 0; i < sessionCount; ++i) {
        const QDateTime start = now.addSecs(-qint64(i) * 86400 / perDay);
        auto s =
            std::make_shared<UsageSession>(QUuid::createUuid(), start, start.addSecs(90 + i % 600),
                                           90.0 + i % 600, QStringLiteral("app"));
        s->setIsAllowance(i % 3 == 0);
        s->setStreak(streaks[size_t(i % streakCount)]);
        ctx.insert(s);
    }
    if (auto saved = ctx.save(); !saved)
        std::fprintf(stderr, "fill failed: %s\n", qPrintable(saved.error().message));
}

Fetched<UsageSession> fetchAll(ModelContext &ctx)
{
    return ctx.fetch<UsageSession>(
        FetchDescriptor<UsageSession>(Predicate(), {{QStringLiteral("startedAt"), false}}));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TranslationLoader translations;
    translations.load(QStringLiteral("en"));
    QTemporaryDir temporary;
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    StoreEnvironment env = StoreEnvironment::system();
    env.applicationSupport = root;
    env.home = root;

    // Evening, so that today holds a day's worth of sessions.
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDateTime now = QDateTime(QDate::currentDate(), QTime(18, 0), zone).toUTC();
    const DayClock clock([now] { return now; }, zone);
    {
        QElapsedTimer t;
        t.start();
        PersistenceController store(false, env);
        fill(store, now);
        std::printf("fill: %d sessions of %d streaks in %.0f ms\n", sessionCount, streakCount,
                    double(t.elapsed()));
    }
    PersistenceController store(false, env);
    auto &ctx = store.mainContext();
    const auto settings = AppSettings::fetchOrCreate(ctx);

    // Nothing held between runs: every fetch builds its objects afresh.
    const double coldFetch = medianMs([&] { fetchAll(ctx); });
    std::printf("%-46s %8.2f ms\n", "fetch of every session, none in memory", coldFetch);
    // The previous draw's objects still alive: the fetch finds them in memory.
    auto held = fetchAll(ctx).value();
    const double warmFetch = medianMs([&] { fetchAll(ctx); });
    std::printf("%-46s %8.2f ms\n", "fetch of every session, all in memory", warmFetch);

    for (UsageReportRange range : allUsageReportRanges) {
        size_t streaks = 0;
        const double fold = medianMs([&] {
            const auto dismissed = AppSettings::decodeDismissedSuggestions(
                settings->dismissedSuggestionsRaw().value_or(QString()));
            streaks = summarizeUsage(held, range, dismissed, clock.now(), clock.timeZone()).size();
        });
        std::printf("fold of every session, %-23s %8.2f ms (%zu streaks)\n", qPrintable(raw(range)),
                    fold, streaks);
        const double both = medianMs([&] {
            const auto sessions = fetchAll(ctx).value();
            summarizeUsage(sessions, range, {}, clock.now(), clock.timeZone());
        });
        std::printf("fetch every session and fold, %-16s %8.2f ms\n", qPrintable(raw(range)), both);
        size_t inRange = 0;
        const double narrow = medianMs([&] {
            const auto sessions =
                ctx.fetch(UsageSection::rangeFetch(range, clock.now(), clock.timeZone())).value();
            inRange = sessions.size();
            summarizeUsage(sessions, range, {}, clock.now(), clock.timeZone());
        });
        std::printf("fetch the range's sessions and fold, %-10s %8.2f ms (%zu sessions)\n",
                    qPrintable(raw(range)), narrow, inRange);
    }

    held.clear(); // the section keeps no sessions between draws
    UsageSection section(ctx, clock);
    section.resize(560, 600);
    for (UsageReportRange range : allUsageReportRanges) {
        section.setRange(range);
        const double refresh = medianMs([&] { section.refresh(); });
        std::printf("section refresh, %-29s %8.2f ms\n", qPrintable(raw(range)), refresh);
    }
    return 0;
}
