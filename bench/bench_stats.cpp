// Times opening the statistics window over a heavy user's history, in a
// store on disk: 100,000 trigger events of ten streaks (fifty a day), an
// answer to every fifth one and 20,000 usage sessions. Each run builds the
// window the way the shell does and shows it; the time runs until the
// window's first paint has been drawn. Then the parts of a build alone.
// Every answer text here was given for one streak only, the answers card's
// worst case: it looks through a whole group for a second streak's name.
//
//   build/bench/bench_stats [folder]
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "engine/StreakEngine.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "model/AppSettings.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"
#include "model/UsageSession.h"
#include "model/WhyAnswer.h"
#include "platform/SystemAppearance.h"
#include "stats/StatsMetrics.h"
#include "stats/StatsRootView.h"
#include "stats/StatsWindow.h"
#include "stats/TriggerHourDistributionView.h"
#include "stats/UsageSection.h"
#include "stats/WhyAnswerGrouping.h"
#include "stats/WhyAnswerListView.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

constexpr int streakCount = 10;
constexpr int eventCount = 100'000;
constexpr int answerEvery = 5;
constexpr int sessionCount = 20'000;
constexpr int perDay = 50;
constexpr int runs = 11;

class LightDesktop final : public platform::SystemAppearance {
public:
    QString interfaceStyle() const override { return {}; }
};

class Policy final : public fennimar::ActivationPolicyBackend {
public:
    fennimar::ActivationPolicy activationPolicy() const override { return m_policy; }
    void setActivationPolicy(fennimar::ActivationPolicy policy) override { m_policy = policy; }

private:
    fennimar::ActivationPolicy m_policy = fennimar::ActivationPolicy::accessory;
};

// Sees the first paint of any widget in a window.
class PaintSpy final : public QObject {
public:
    QWidget *window = nullptr;
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == window)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void fill(PersistenceController &store, const QDateTime &now)
{
    auto &ctx = store.mainContext();
    const QStringList why{
        "Bored", "bored",  "Habit",   "Just checking",  "Avoiding work", "Waiting for a build",
        "Tired", "Lonely", "Curious", "Procrastinating"};
    std::vector<std::shared_ptr<Streak>> streaks;
    for (int i = 0; i < streakCount; ++i) {
        auto s = std::make_shared<Streak>(
            QUuid::createUuid(), QStringLiteral("Streak %1").arg(i), StreakType::app,
            StrictnessMode::firm, QStringList{}, QStringList{},
            QStringList{QStringLiteral("app%1").arg(i)}, now.addDays(-3 - 37 * i));
        s->setSortOrder(i);
        s->setCreatedAt(now.addDays(-2100));
        ctx.insert(s);
        streaks.push_back(s);
    }
    const QStringList outcomes{QStringLiteral("stepBack"), QStringLiteral("openAnyway"),
                               QStringLiteral("pause"), QStringLiteral("stepBack")};
    for (int i = 0; i < eventCount; ++i) {
        const QDateTime at = now.addSecs(-qint64(i) * 86400 / perDay);
        auto e = std::make_shared<TriggerEvent>(QUuid::createUuid(), at, TriggerSource::app,
                                                std::nullopt, QStringLiteral("app"));
        e->setOutcomeRaw(outcomes[i % outcomes.size()]);
        e->setStreak(streaks[size_t(i % streakCount)]);
        if (i % answerEvery == 0) {
            // Linked before either is in the store: linking looks for other
            // holders of the event in the store, which is slow in bulk.
            auto a = std::make_shared<WhyAnswer>(
                QUuid::createUuid(),
                why[(i / 7) % why.size()] + (i % 3 ? QString() : QStringLiteral(" ")), at);
            a->setTriggerEvent(e);
            ctx.insert(a);
        }
        ctx.insert(e);
    }
    for (int i = 0; i < sessionCount; ++i) {
        const QDateTime start = now.addSecs(-qint64(i) * 86400 / perDay);
        auto s = std::make_shared<UsageSession>(QUuid::createUuid(), start, start.addSecs(90), 90.0,
                                                QStringLiteral("app"));
        s->setIsAllowance(i % 3 == 0);
        s->setStreak(streaks[size_t(i % streakCount)]);
        ctx.insert(s);
    }
    if (auto saved = ctx.save(); !saved)
        std::fprintf(stderr, "fill failed: %s\n", qPrintable(saved.error().message));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    StoreEnvironment env = StoreEnvironment::system();
    env.applicationSupport = root;
    env.home = root;

    // Evening, so that today holds a day's worth of events.
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDateTime now = QDateTime(QDate::currentDate(), QTime(18, 0), zone).toUTC();
    const DayClock clock([now] { return now; }, zone);
    {
        QElapsedTimer t;
        t.start();
        PersistenceController store(false, env);
        fill(store, now);
        std::printf("fill: %d events, %d answers, %d sessions in %.0f ms\n", eventCount,
                    eventCount / answerEvery, sessionCount, double(t.elapsed()));
    }

    PersistenceController store(false, env);
    auto &ctx = store.mainContext();
    AppSettings::fetchOrCreate(ctx);
    StreakEngine engine(store, clock);
    LightDesktop desktop;
    ThemeController theme(desktop);
    TranslationLoader translations;
    fennimar::ActivationPolicyCoordinator policy(std::make_shared<Policy>());

    std::vector<double> opens;
    for (int run = 0; run < runs; ++run) {
        PaintSpy spy;
        QElapsedTimer t;
        t.start();
        auto *stats = new StatsWindow({store, engine, theme, translations, policy});
        StatsWindow::setShared(stats);
        spy.window = stats->window();
        app.installEventFilter(&spy);
        stats->show();
        // The paint pass runs to its end within the turn that starts it.
        while (!spy.painted)
            QCoreApplication::processEvents();
        app.removeEventFilter(&spy);
        opens.push_back(double(t.nsecsElapsed()) / 1e6);
        stats->window()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("%-48s %8.1f ms\n", "open to first paint, first run", opens.front());
    std::printf("%-48s %8.1f ms (%d runs)\n", "open to first paint, median", median(opens), runs);

    const auto timed = [](const char *name, const std::function<void()> &work) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer t;
            t.start();
            work();
            times.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        std::printf("%-48s %8.2f ms\n", name, median(times));
    };
    timed("metrics of the streak list", [&] { StatsMetrics::compute(engine); });
    timed("count of this week's steps back",
          [&] { ctx.fetchCount(recentStepBacksFetch(stepBackCutoff(now, zone))); });
    timed("fetch of every answer",
          [&] { ctx.fetch<WhyAnswer>(WhyAnswerGrouping::answersFetch()); });
    {
        QStringList texts;
        const auto answers = ctx.fetch<WhyAnswer>(WhyAnswerGrouping::answersFetch());
        for (const auto &a : *answers)
            texts << a->text();
        timed("grouping of the fetched answers, no streaks named",
              [&] { WhyAnswerGrouping::group(texts, {}); });
    }
    timed("grouping of every answer, streaks named", [&] { WhyAnswerGrouping::fromStore(ctx); });
    timed("trigger-hour card", [&] { TriggerHourDistributionView view(ctx, clock); });
    timed("usage card", [&] { UsageSection view(ctx, clock); });
    timed("answer card", [&] { WhyAnswerListView view(ctx); });
    timed("whole root view", [&] { StatsRootView view(ctx, engine, {}); });
    return 0;
}
