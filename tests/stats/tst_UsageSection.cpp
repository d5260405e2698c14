#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "FakeSystemAppearance.h"
#include "Screenshots.h"
#include "StoreFixture.h"
#include "UiTestSupport.h"
#include "engine/NotificationHub.h"
#include "model/AppSettings.h"
#include "model/UsageSession.h"
#include "stats/BlockSuggestionCard.h"
#include "stats/UsageRangePicker.h"
#include "stats/UsageSection.h"
#include "stats/UsageSiteRow.h"
#include "ui/Color.h"
#include "ui/Motion.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

// A session of the fixture's streak `streak` begun `minutesAgo` before now.
struct Use {
    int streak;
    int minutesAgo;
    double seconds;
    bool allowance = false;
};
using Uses = std::vector<Use>;
using Dismissed = std::map<QUuid, QDateTime>;

// A store holding named streaks and their sessions, and the section over it.
struct Section : testing::StoreFixture {
    explicit Section(const QStringList &names = {"Social", "News"})
    {
        for (const QString &name : names) {
            streaks.push_back(addStreak());
            streaks.back()->setName(name);
        }
    }
    void add(const Uses &uses)
    {
        for (const Use &u : uses) {
            const QDateTime start = now.addSecs(-60LL * u.minutesAgo);
            auto s = std::make_shared<UsageSession>(QUuid::createUuid(), start, start, u.seconds,
                                                    QStringLiteral("app"));
            s->setIsAllowance(u.allowance);
            s->setStreak(streaks[size_t(u.streak)]);
            context().insert(s);
        }
        QVERIFY(save());
    }
    void open(const Uses &uses = {})
    {
        add(uses);
        view = std::make_unique<UsageSection>(context(), dayClock);
        view->resize(560, 400);
        view->show();
    }
    // The visible widgets of that name and type (replaced content lingers
    // hidden until deleted).
    template <typename T> QList<T *> shown(const QString &name) const
    {
        QList<T *> found;
        for (T *w : view->findChildren<T *>(name))
            if (w->isVisibleTo(view.get()))
                found << w;
        return found;
    }
    template <typename T> QStringList names(const QString &name) const
    {
        QStringList result;
        for (T *w : shown<T>(name))
            result << w->summary().streakName;
        return result;
    }
    QStringList cards() const { return names<BlockSuggestionCard>("usage.suggestion"); }
    QStringList rows() const { return names<UsageSiteRow>("usage.row"); }
    QStringList legend() const
    {
        QStringList items;
        for (const char *item : {"panel", "allowance"})
            if (!shown<QWidget>(QStringLiteral("usage.legend.") + item).isEmpty())
                items << item;
        return items;
    }
    bool showsEmpty() const { return !shown<QLabel>("usage.section.empty").isEmpty(); }
    void press(const QString &streakName, const char *button)
    {
        for (auto *card : shown<BlockSuggestionCard>("usage.suggestion"))
            if (card->summary().streakName == streakName)
                return click(card->findChild<QAbstractButton *>(button));
        QFAIL(qPrintable(streakName));
    }
    static void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    Dismissed dismissed()
    {
        return AppSettings::decodeDismissedSuggestions(
            AppSettings::fetchOrCreate(context())->dismissedSuggestionsRaw().value_or(QString()));
    }

    std::vector<std::shared_ptr<Streak>> streaks;
    std::unique_ptr<UsageSection> view;
};

} // namespace

Q_DECLARE_METATYPE(Uses)

class tst_UsageSection : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
    }

    void contentOfEachRange_data()
    {
        QTest::addColumn<Uses>("uses");
        QTest::addColumn<bool>("sevenDays");
        QTest::addColumn<QStringList>("cards");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("legend");
        const Uses pastPanel{{0, 60, 2700}};
        const QStringList social{"Social"}, none{};
        QTest::newRow("no sessions") << Uses{} << false << none << none << none;
        QTest::newRow("begun a minute before midnight")
            << Uses{{0, 601, 60}} << false << none << none << none;
        QTest::newRow("begun at midnight")
            << Uses{{0, 600, 60}} << false << none << social << QStringList{"panel"};
        QTest::newRow("45 min past the panel today")
            << pastPanel << false << social << social << QStringList{"panel"};
        QTest::newRow("45 min past the panel in seven days")
            << pastPanel << true << none << social << QStringList{"panel"};
        QTest::newRow("only within the allowance")
            << Uses{{0, 60, 600, true}} << false << none << social << QStringList{"allowance"};
        QTest::newRow("3 h and 1 h, both kinds")
            << Uses{{1, 300, 3600, true}, {0, 240, 7200}, {0, 90, 3600}} << false << social
            << QStringList{"Social", "News"} << QStringList{"panel", "allowance"};
    }
    void contentOfEachRange()
    {
        QFETCH(Uses, uses);
        QFETCH(bool, sevenDays);
        Section s;
        s.open(uses);
        if (sevenDays) // by keyboard: the arrow chooses the next segment
            QTest::keyClick(s.view->rangePicker()->segment(UsageReportRange::today), Qt::Key_Right);
        QCOMPARE(s.view->range(),
                 sevenDays ? UsageReportRange::sevenDays : UsageReportRange::today);
        QTEST(s.cards(), "cards");
        QTEST(s.rows(), "rows");
        QTEST(s.legend(), "legend");
        QCOMPARE(s.showsEmpty(), s.rows().isEmpty());
        // Every bar measures against the largest total.
        for (auto *row : s.shown<UsageSiteRow>("usage.row"))
            QCOMPARE(row->scaleSeconds(), s.view->summaries().front().totalSeconds);
    }

    void dismissingSilencesOneStreakForADay_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("nothing dismissed yet") << QString();
        QTest::newRow("unreadable text counts as none") << QStringLiteral("{not json");
    }
    void dismissingSilencesOneStreakForADay()
    {
        QFETCH(QString, stored);
        Section s;
        AppSettings::fetchOrCreate(s.context())->setDismissedSuggestionsRaw(stored);
        s.open({{0, 60, 9000}, {1, 120, 8000}});
        QCOMPARE(s.cards(), (QStringList{"Social", "News"}));
        const QDateTime clickedAt = s.now;
        s.press("Social", "usage.suggestion.dismiss");

        QCOMPARE(s.cards(), QStringList{"News"});
        QCOMPARE(s.rows(), (QStringList{"Social", "News"}));
        QCOMPARE(s.dismissed(), (Dismissed{{s.streaks[0]->id(), clickedAt}}));
        QVERIFY(!s.context().hasChanges());

        Section::click(s.view->rangePicker()->segment(UsageReportRange::sevenDays));
        QCOMPARE(s.cards(), QStringList{"News"});
        s.now = clickedAt.addSecs(86399);
        s.view->refresh();
        QCOMPARE(s.cards(), QStringList{"News"});
        s.now = clickedAt.addSecs(86400);
        s.view->refresh();
        QCOMPARE(s.cards(), (QStringList{"Social", "News"}));
    }

    void tighteningHandsTheStreakOver()
    {
        Section s;
        s.open({{0, 60, 9000}, {1, 120, 8000}});
        QSignalSpy selected(s.view.get(), &UsageSection::streakSelected);
        s.press("News", "usage.suggestion.tighten");
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected[0][0].value<std::shared_ptr<Streak>>(), s.streaks[1]);
        QCOMPARE(s.cards(), (QStringList{"Social", "News"})); // changes nothing by itself

        // Deleted while its card is still up: nothing happens.
        const UsageStreakSummary social = s.view->summaries().front();
        s.context().remove(s.streaks[0]);
        QVERIFY(s.save());
        s.view->tighten(social);
        QCOMPARE(selected.size(), 1);
    }

    void followsTheStoreAndCommits()
    {
        Section s;
        s.open({{0, 60, 600}});
        s.add({{1, 30, 1200}});
        QTRY_COMPARE(s.rows(), (QStringList{"News", "Social"}));
        s.streaks[0]->setName("Social media");
        QTRY_COMPARE(s.rows(), (QStringList{"News", "Social media"}));

        // Past midnight nothing moves until the next commit.
        s.now = testing::local(3, 7, 0, 5);
        QCoreApplication::processEvents();
        QCOMPARE(s.rows(), (QStringList{"News", "Social media"}));
        emit NotificationHub::shared().didCommitSession();
        QVERIFY(s.showsEmpty());
    }

    void rendersInBothThemes_data()
    {
        QTest::addColumn<Uses>("uses");
        QTest::newRow("usage-section")
            << Uses{{0, 60, 2700}, {0, 30, 1200, true}, {1, 200, 4800, true},
                    {2, 20, 300},  {2, 10, 240},        {2, 5, 60}};
        QTest::newRow("usage-section-empty") << Uses{};
    }
    void rendersInBothThemes()
    {
        QFETCH(Uses, uses);
        testing::FakeSystemAppearance system;
        ThemeController theme(system);
        theme.setTheme(AppTheme::light);
        Section s({"Social", "Video sites and everything else that eats the evening", "Games"});
        s.add(uses);
        auto *section = new UsageSection(s.context(), s.dayClock);
        testing::Backdrop window(section, 20);
        window.setFixedWidth(600);
        const QImage light = testing::render(&window);
        theme.setTheme(AppTheme::dark);
        const QImage dark = testing::renderWidget(&window);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QVERIFY(!testing::screenshots::save(light, name + u"-light").isEmpty());
        QVERIFY(!testing::screenshots::save(dark, name + u"-dark").isEmpty());

        // Social's bar begins past the panel: in ink, in each theme.
        const auto rows = section->findChildren<UsageSiteRow *>("usage.row");
        QCOMPARE(rows.size(), uses.empty() ? 0 : 3);
        for (auto *row : rows) {
            if (row->summary().streakName != u"Social")
                continue;
            auto *bar = row->findChild<QWidget *>("usage.row.bar");
            const QPoint at = bar->mapTo(&window, QPoint(bar->height(), bar->height() / 2));
            QCOMPARE_COLOR(light.pixelColor(at), Color::ink().light());
            QCOMPARE_COLOR(dark.pixelColor(at), Color::ink().dark());
        }
    }
};

QTEST_MAIN(tst_UsageSection)
#include "tst_UsageSection.moc"
