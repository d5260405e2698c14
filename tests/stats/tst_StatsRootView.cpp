#include <QAbstractButton>
#include <QLabel>
#include <QScrollArea>
#include <QTest>

#include "StatsFixture.h"
#include "model/UsageSession.h"
#include "stats/StatsRootView.h"
#include "stats/TriggerHourDistributionView.h"
#include "stats/UsageSection.h"
#include "ui/EmptyStateBlock.h"
#include "ui/KitLabel.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

constexpr qint64 day = 86400;

struct Root : testing::StatsFixture {
    void open()
    {
        commit();
        view = std::make_unique<StatsRootView>(
            context(), engine, [this](const std::shared_ptr<Streak> &s) { chosen << s->name(); });
        view->resize(600, 720);
        view->show();
    }
    QString text(const char *name) const
    {
        auto *label = view->findChild<QLabel *>(name);
        return label && label->isVisibleTo(view.get()) ? label->text() : QString();
    }
    QStringList tiles() const
    {
        QStringList out;
        for (const char *name : {"stats.metric.totalCleanDays", "stats.metric.longestStreak",
                                 "stats.metric.steppedBack"})
            out << view->findChild<QWidget *>(name)->accessibleName();
        return out;
    }
    QList<QAbstractButton *> rows() const
    {
        QList<QAbstractButton *> out;
        for (auto *b : view->findChildren<QAbstractButton *>("stats.streakRow"))
            if (b->isVisibleTo(view.get()))
                out << b;
        return out;
    }
    bool showsEmpty() const { return view->findChild<QWidget *>("stats.empty")->isVisible(); }

    std::unique_ptr<StatsRootView> view;
    QStringList chosen;
};

} // namespace

class tst_StatsRootView : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase() { QVERIFY(m_translations.load("en")); }

    void withoutStreaksOnlyTheEmptyState()
    {
        Root r;
        // What a store may hold without streaks: events, answers, sessions.
        r.answer("Bored", 0, r.event(r.now));
        r.context().insert(std::make_shared<UsageSession>(QUuid::createUuid(), r.now, r.now, 60.0,
                                                          QStringLiteral("app")));
        r.open();
        QVERIFY(r.showsEmpty());
        QVERIFY(!r.view->scrollArea()->isVisible());
        QCOMPARE(r.view->findChild<EmptyStateBlock *>("stats.empty")->titleLabel()->text(),
                 QString("Nothing to show yet. Come back tomorrow."));

        r.streak("Back", 0);
        r.commit();
        QTRY_VERIFY(r.view->scrollArea()->isVisible());
        QVERIFY(!r.showsEmpty());
    }

    void metricsListAndNextMilestone()
    {
        Root r;
        auto social = r.streak("Social", 10 * day);
        social->setBestDays(40);
        auto news = r.streak("News", 3 * day - 60);
        news->setPausedUntil(r.now.addSecs(3600));
        r.event(r.now.addSecs(-3600), social);
        r.event(r.now.addSecs(-2 * day), news);
        r.event(r.now.addSecs(-3600), social, TriggerOutcome::openAnyway);
        r.open();

        QCOMPARE(r.tiles(), (QStringList{"12 clean days in total", "Longest streak: 40\u00a0days",
                                         "Stepped back 2 times this week"}));
        QCOMPARE(r.text("stats.since"), QString("Since February 24"));
        const auto rows = r.rows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0]->accessibleName(), QString("Social, Firm, 10\u00a0days"));
        QCOMPARE(rows[1]->accessibleName(), QString("News, Firm, paused, 2\u00a0days"));
        // Social reaches 14 days next Tuesday; the paused News is not named.
        QCOMPARE(r.text("stats.nextMilestone"),
                 QString("Next milestone: Social reaches 14\u00a0days on Tuesday."));

        QTest::mouseClick(rows[1], Qt::LeftButton, {}, QPoint(rows[1]->width() - 3, 3));
        QCOMPARE(r.chosen, QStringList{"News"});
        emit r.view->usageSection()->streakSelected(social);
        QCOMPARE(r.chosen, (QStringList{"News", "Social"}));
    }

    // The figures are spoken with their counts in the language's own forms,
    // as the texts beside them are; a clock set back behind the start counts 0.
    void spokenCounts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<qint64>("age"); // seconds since the start
        QTest::addColumn<int>("stepBacks");
        QTest::addColumn<QStringList>("spoken"); // the three tiles, then the row's count
        QTest::newRow("one of each")
            << "en" << day << 1
            << QStringList{"1 clean day in total", "Longest streak: 1\u00a0day",
                           "Stepped back 1 time this week", "1\u00a0day"};
        QTest::newRow("start an hour ahead")
            << "en" << qint64(-3600) << 0
            << QStringList{"0 clean days in total", "Longest streak: 0\u00a0days",
                           "Stepped back 0 times this week", "0\u00a0days"};
        QTest::newRow("German") << "de" << day << 1
                                << QStringList{"1 sauberer Tag insgesamt",
                                               "Längste Serie: 1\u00a0Tag",
                                               "Diese Woche 1-mal zurückgegangen", "1\u00a0Tag"};
        QTest::newRow("French, none yet")
            << "fr" << qint64(60) << 0
            << QStringList{"0\u00a0jour tenu au total", "Plus longue série\u00a0: 0\u00a0jour",
                           "0 retour en arrière cette semaine", "0\u00a0jour"};
        QTest::newRow("Japanese") << "ja" << 2 * day << 2
                                  << QStringList{"クリーンな日の合計 2\u00a0日",
                                                 "最長記録：2\u00a0日",
                                                 "今週引き返した回数：2\u00a0回", "2\u00a0日"};
    }
    void spokenCounts()
    {
        QFETCH(QString, language);
        QFETCH(qint64, age);
        QFETCH(int, stepBacks);
        QVERIFY(m_translations.load(language));
        Root r;
        auto social = r.streak("Social", age);
        for (int i = 0; i < stepBacks; ++i)
            r.event(r.now.addSecs(-60 * (i + 1)), social);
        r.open();
        QStringList spoken = r.tiles();
        spoken << r.rows()[0]->accessibleName().section(QStringLiteral(", "), -1);
        QVERIFY(m_translations.load("en"));
        QTEST(spoken, "spoken");
    }

    void followsTheClockButKeepsTheWeeksStart()
    {
        Root r;
        auto social = r.streak("Social", 6 * day);
        const QDateTime cutoff = testing::local(2, 27, 0, 0);
        r.event(cutoff, social);
        r.open();
        QCOMPARE(r.view->stepBackCutoff(), cutoff);
        QCOMPARE(r.view->recentStepBacks(), 1);
        QCOMPARE(r.rows()[0]->accessibleName(), QString("Social, Firm, 6\u00a0days"));
        QCOMPARE(r.text("stats.nextMilestone"),
                 QString("Next milestone: Social reaches 7\u00a0days on Saturday."));

        // Past midnight, the minute tick redraws: a day more, the same week.
        r.now = r.now.addSecs(day);
        r.engine.tick();
        QTRY_COMPARE(r.rows()[0]->accessibleName(), QString("Social, Firm, 7\u00a0days"));
        QCOMPARE(r.view->stepBackCutoff(), cutoff);
        QCOMPARE(r.view->recentStepBacks(), 1);
        QCOMPARE(r.text("stats.nextMilestone"),
                 QString("Next milestone: Social reaches 14\u00a0days on March 14."));

        // A decision just taken counts at once; an undecided event does not.
        auto undecided = r.event(r.now, social);
        undecided->setOutcomeRaw(QString());
        QVERIFY(r.save());
        QCoreApplication::processEvents();
        QCOMPARE(r.view->recentStepBacks(), 1);
        undecided->setOutcome(TriggerOutcome::stepBack);
        QTRY_COMPARE(r.view->recentStepBacks(), 2);
    }

    // Moved to Tokyo while the window is open, the same stored events fall
    // in other hours and weeks, and the same usage on another day.
    void followsTheSystemsTimeZone()
    {
        Root r;
        auto social = r.streak("Social", 6 * day);
        r.event(testing::local(3, 6, 9, 30), social); // 17:30 in Tokyo
        // Before this week's first midnight here; on its first morning in Tokyo.
        r.event(QDateTime(QDate(2026, 2, 26), QTime(20, 0), QTimeZone::utc()), social);
        // Late yesterday here, early today in Tokyo.
        const QDateTime used = testing::local(3, 5, 23, 30);
        auto session = std::make_shared<UsageSession>(QUuid::createUuid(), used, used.addSecs(600),
                                                      600.0, "app");
        session->setStreak(social);
        r.context().insert(session);
        r.open();
        const auto shown = [&] {
            const TriggerHourDistribution &hours = r.view->triggerHours()->distribution();
            QList<qint64> out{r.view->recentStepBacks(),
                              qint64(r.view->usageSection()->summaries().size())};
            for (int hour : {9, 17, 21, 5})
                out << hours.count(hour);
            return out;
        };
        QCOMPARE(shown(), (QList<qint64>{1, 0, 1, 0, 1, 0}));

        r.zone.setZone(QTimeZone("Asia/Tokyo"));
        QTRY_COMPARE(shown(), (QList<qint64>{2, 1, 0, 1, 0, 1}));
    }
};

QTEST_MAIN(tst_StatsRootView)
#include "tst_StatsRootView.moc"
