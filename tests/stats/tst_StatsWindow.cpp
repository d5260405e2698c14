#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

#include "FakeActivationPolicy.h"
#include "FakeSystemAppearance.h"
#include "Screenshots.h"
#include "StatsFixture.h"
#include "UiTestSupport.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "model/AppSettings.h"
#include "model/UsageSession.h"
#include "stats/StatsRootView.h"
#include "stats/StatsWindow.h"
#include "ui/Motion.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using fennimar::ActivationPolicy;

namespace {

constexpr qint64 day = 86400;

struct Shell : testing::StatsFixture {
    Shell()
    {
        auto settings = AppSettings::fetchOrCreate(context());
        settings->setLanguageRaw("en");
        settings->setThemeRaw("light");
    }
    ~Shell()
    {
        // A window a test left open goes with its store.
        if (StatsWindow::shared())
            StatsWindow::shared()->window()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        statsStreakSelectionHandler() = nullptr;
    }

    // What the shell's open-stats action does.
    StatsWindow *openStats(StatsStreakSelectionHandler handler = {})
    {
        statsStreakSelectionHandler() = std::move(handler);
        if (!StatsWindow::shared())
            StatsWindow::setShared(
                new StatsWindow({persistence, engine, theme, translations, policy}));
        StatsWindow::shared()->show();
        return StatsWindow::shared();
    }
    QList<QWidget *> openWindows() const
    {
        QList<QWidget *> found;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == u"stats.window" && w->isVisible())
                found << w;
        return found;
    }

    // A year of use: five streaks, about ten triggers a day with evenings
    // the hardest, answers to a third of them, and a week of usage.
    void fillYear()
    {
        QRandomGenerator random(7);
        const std::vector<std::shared_ptr<Streak>> streaks{
            streak("Social media", 200 * day),
            streak("News sites", 45 * day, StrictnessMode::gentle),
            streak("Games", 12 * day, StrictnessMode::brutal),
            streak("Video sites and everything else that eats the evening", 3 * day),
            streak("Shopping", 380 * day)};
        streaks[0]->setBestDays(260);
        streaks[2]->setPausedUntil(now.addSecs(1800));
        for (const auto &s : streaks)
            s->setCreatedAt(now.addSecs(-365 * day));
        const QStringList why{"Bored", "bored ", "Just checking one thing",       "Avoiding work",
                              "Habit", "habit",  "Waiting for a build to finish", "Lonely",
                              "Tired"};
        const int hourWeights[24] = {1, 1, 0, 0, 0, 0, 1, 2, 3, 2,  2, 3,
                                     4, 3, 2, 3, 4, 5, 6, 7, 9, 11, 8, 4};
        int order = 0;
        for (int d = 0; d < 365; ++d) {
            for (int n = 0; n < 10; ++n) {
                int pick = int(random.bounded(90)); // the weights' sum
                int hour = 0;
                while (pick >= hourWeights[hour]) {
                    pick -= hourWeights[hour];
                    hour = (hour + 1) % 24;
                }
                const QDateTime at = now.addSecs(-d * day).toTimeZone(testing::berlin);
                const QDateTime fired =
                    QDateTime(at.date(), QTime(hour, int(random.bounded(60))), testing::berlin);
                if (fired > now)
                    continue;
                const auto outcome =
                    random.bounded(5) == 0 ? TriggerOutcome::openAnyway : TriggerOutcome::stepBack;
                auto e = event(fired.toUTC(), streaks[random.bounded(5)], outcome);
                if (random.bounded(3) == 0)
                    answer(why[int(random.bounded(why.size()))], order++, e);
            }
        }
        for (int i = 0; i < 12; ++i) {
            const QDateTime start = now.addSecs(-qint64(i) * 13 * 3600);
            auto s = std::make_shared<UsageSession>(QUuid::createUuid(), start, start,
                                                    300.0 + 400 * (i % 5), QStringLiteral("app"));
            s->setIsAllowance(i % 3 == 0);
            s->setStreak(streaks[size_t(i % 4)]);
            context().insert(s);
        }
        commit();
    }

    testing::FakeSystemAppearance desktop;
    ThemeController theme{desktop};
    TranslationLoader translations;
    std::shared_ptr<testing::FakeActivationPolicy> backend =
        std::make_shared<testing::FakeActivationPolicy>();
    fennimar::ActivationPolicyCoordinator policy{backend};
};

} // namespace

class tst_StatsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Motion::setReduceMotion(true); }

    void oneWindowOneHoldUntilItCloses_data()
    {
        QTest::addColumn<bool>("otherHolder");
        QTest::newRow("alone") << false;
        QTest::newRow("another window holds the policy too") << true;
    }
    void oneWindowOneHoldUntilItCloses()
    {
        QFETCH(bool, otherHolder);
        Shell s;
        s.streak("Social", 3 * day);
        s.commit();
        if (otherHolder)
            s.policy.acquire();

        QPointer<StatsWindow> first = s.openStats();
        QCOMPARE(s.openStats(), first.data());
        QTRY_COMPARE(s.openWindows().size(), 1);
        QWidget *window = first->window();
        QCOMPARE(window->windowTitle(), QString("Stats"));
        QCOMPARE(window->size(), StatsWindow::contentSize);
        QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(first->holdsDockPolicy());
        QCOMPARE(s.policy.refCount(), otherHolder ? 2 : 1);
        QCOMPARE(s.backend->policy, ActivationPolicy::regular);

        // Nothing but the controller itself keeps it while its window is open.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first);

        window->close();
        QCOMPARE(StatsWindow::shared(), nullptr);
        QCOMPARE(s.policy.refCount(), otherHolder ? 1 : 0);
        QCOMPARE(s.backend->policy,
                 otherHolder ? ActivationPolicy::regular : ActivationPolicy::accessory);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);

        StatsWindow *second = s.openStats();
        QVERIFY(second);
        QTRY_COMPARE(s.openWindows().size(), 1);
        QCOMPARE(s.policy.refCount(), otherHolder ? 2 : 1);
    }

    void aChosenStreakGoesToTheNewestHandler()
    {
        Shell s;
        s.streak("Social", 3 * day);
        s.streak("News", day);
        s.commit();
        QStringList calls;
        s.openStats(
            [&](const std::shared_ptr<Streak> &streak) { calls << "old " + streak->name(); });
        s.openStats(
            [&](const std::shared_ptr<Streak> &streak) { calls << "new " + streak->name(); });
        const auto rows =
            StatsWindow::shared()->rootView()->findChildren<QAbstractButton *>("stats.streakRow");
        QCOMPARE(rows.size(), 2);
        rows[1]->click();
        QCOMPARE(calls, QStringList{"new News"});

        statsStreakSelectionHandler() = nullptr;
        rows[0]->click(); // nothing happens, nothing breaks
        QCOMPARE(calls, QStringList{"new News"});
    }

    void rendersTheWindow_data()
    {
        QTest::addColumn<QString>("store"); // empty, a first streak, or a year of use
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("theme");
        QTest::newRow("stats-empty-light") << "empty"
                                           << "en"
                                           << "light";
        QTest::newRow("stats-empty-dark") << "empty"
                                          << "en"
                                          << "dark";
        QTest::newRow("stats-first-streak-light") << "first"
                                                  << "en"
                                                  << "light";
        QTest::newRow("stats-year-light") << "year"
                                          << "en"
                                          << "light";
        QTest::newRow("stats-year-dark") << "year"
                                         << "en"
                                         << "dark";
        QTest::newRow("stats-year-de-light") << "year"
                                             << "de"
                                             << "light";
        QTest::newRow("stats-empty-fr-dark") << "empty"
                                             << "fr"
                                             << "dark";
        QTest::newRow("stats-year-fr-light") << "year"
                                             << "fr"
                                             << "light";
        QTest::newRow("stats-year-ja-dark") << "year"
                                            << "ja"
                                            << "dark";
    }
    void rendersTheWindow()
    {
        QFETCH(QString, store);
        QFETCH(QString, language);
        QFETCH(QString, theme);
        Shell s;
        auto settings = AppSettings::fetchOrCreate(s.context());
        settings->setLanguageRaw(language);
        settings->setThemeRaw(theme);
        if (store == u"year")
            s.fillYear();
        if (store == u"first")
            s.streak("Social media", 3600);
        s.commit();

        StatsWindow *stats = s.openStats();
        QWidget *window = stats->window();
        QTRY_VERIFY(window->isVisible());
        QCOMPARE(s.theme.appearance(), theme == u"dark" ? Appearance::dark : Appearance::light);
        QCOMPARE(s.translations.languageCode(), language);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QCoreApplication::processEvents();
        QVERIFY(!testing::screenshots::save(window->grab().toImage(), name).isEmpty());
        // Its own size where the screen holds it; smaller ones scroll.
        QCOMPARE(window->size(), StatsWindow::contentSize);
        const QStringList faults = testing::scrollAreaFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        if (store == u"empty")
            return;
        // The whole content, as scrolling through it shows it.
        QWidget *page = stats->rootView()->scrollArea()->widget();
        window->resize(StatsWindow::contentSize.width(),
                       std::max(page->sizeHint().height(), StatsWindow::contentSize.height()));
        QCoreApplication::processEvents();
        QVERIFY(!testing::screenshots::save(window->grab().toImage(), name + u"-full").isEmpty());
    }
};

QTEST_MAIN(tst_StatsWindow)
#include "tst_StatsWindow.moc"
