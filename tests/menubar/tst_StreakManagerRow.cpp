#include <memory>

#include <QMenu>
#include <QTimeZone>
#include <QTest>

#include "ManualScheduler.h"
#include "editor/ModeChip.h"
#include "menubar/ClampedLabel.h"
#include "menubar/StreakManagerRow.h"
#include "menubar/StreakRowProgressLine.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/SymbolButton.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

// A row in a popover-wide window, its clock and its timers the test's own,
// and how often each action ran.
struct RowRig {
    QDateTime now = QDateTime(QDate(2026, 3, 6), QTime(10, 0), QTimeZone::utc());
    testing::ManualScheduler scheduler;
    int pauses = 0, resumes = 0, edits = 0, deletes = 0;
    std::unique_ptr<StreakManagerRow> row;

    void build(StreakManagerRow::Values values, bool withPauseAndResume = true)
    {
        StreakManagerRow::Actions actions{.onEdit = [this] { ++edits; },
                                          .onDelete = [this] { ++deletes; }};
        if (withPauseAndResume) {
            actions.onPause = [this] { ++pauses; };
            actions.onResume = [this] { ++resumes; };
        }
        row = std::make_unique<StreakManagerRow>(
            std::move(values), std::move(actions), [this] { return now; }, scheduler);
        row->resize(300, row->heightForWidth(300));
        row->show();
    }
    template <class T> T *find(const QString &name) const
    {
        auto *w = row->findChild<T *>(name);
        return w && w->isVisible() ? w : nullptr;
    }
    QStringList menuTitles() const
    {
        QMenu *menu = row->makeMenu();
        QStringList titles;
        for (QAction *a : menu->actions())
            titles << (a->isSeparator() ? QStringLiteral("-") : a->text());
        delete menu;
        return titles;
    }
};

StreakManagerRow::Values values(std::optional<qint64> pauseSecondsAhead = std::nullopt,
                                const QDateTime &now = {})
{
    StreakManagerRow::Values v{.name = QStringLiteral("Reading"),
                               .days = 10,
                               .mode = StrictnessMode::brutal,
                               .kindLabel = QStringLiteral("example.com"),
                               .activeHoursLabel = QStringLiteral("09:00-18:00")};
    if (pauseSecondsAhead)
        v.pausedUntil = now.addSecs(*pauseSecondsAhead);
    return v;
}

} // namespace

class tst_StreakManagerRow : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
    }

    // What a paused and a running row show, and what their menus offer;
    // an action the list does not give is not offered.
    void pausedOrNot_data()
    {
        QTest::addColumn<int>("pauseAhead");   // seconds; -1 for no pause
        QTest::addColumn<bool>("withActions"); // pause and resume given
        QTest::addColumn<QString>("pausedText");
        QTest::addColumn<QStringList>("menu");
        const QStringList running{"Edit", "Pause for an hour", "-", "Delete"};
        const QStringList paused{"Edit", "Resume", "-", "Delete"};
        const QStringList bare{"Edit", "-", "Delete"};
        QTest::newRow("no pause") << -1 << true << "" << running;
        QTest::newRow("90 s left reads 2 min")
            << 90 << true << "Paused, back on in 2\u00a0min" << paused;
        QTest::newRow("an hour") << 3600 << true << "Paused, back on in 60\u00a0min" << paused;
        QTest::newRow("ends right now") << 0 << true << "" << running;
        QTest::newRow("ended") << -10 << true << "" << running;
        QTest::newRow("running, no pause action") << -1 << false << "" << bare;
        QTest::newRow("paused, no resume action")
            << 60 << false << "Paused, back on in 1\u00a0min" << bare;
    }
    void pausedOrNot()
    {
        QFETCH(int, pauseAhead);
        QFETCH(bool, withActions);
        QFETCH(QString, pausedText);
        QFETCH(QStringList, menu);
        RowRig rig;
        rig.build(
            values(pauseAhead == -1 ? std::nullopt : std::optional<qint64>(pauseAhead), rig.now),
            withActions);
        const bool paused = !pausedText.isEmpty();
        QCOMPARE(rig.row->isPaused(), paused);
        QCOMPARE(rig.row->pausedText(), pausedText);
        QCOMPARE(rig.row->nameLabel()->color(), paused ? Color::inkMuted() : Color::ink());
        QCOMPARE(bool(rig.find<SymbolButton>("popover.list.row.pause")), withActions && !paused);
        QCOMPARE(bool(rig.find<QWidget>("popover.list.row.resume")), withActions && paused);
        QCOMPARE(bool(rig.row->findChild<ModeChip *>()), !paused);
        // Ten days and no allowance: the milestone line, unless paused.
        QCOMPARE(bool(rig.row->progressLine()), !paused);
        QCOMPARE(rig.menuTitles(), menu);
    }

    // The row looks at the clock every 15 s while a pause runs, and drops the
    // pause once its end has passed, without anyone telling it.
    void pauseRunsOutOnItsOwn()
    {
        RowRig rig;
        rig.build(values(20, rig.now));
        QCOMPARE(rig.row->pausedText(), "Paused, back on in 1\u00a0min");
        rig.now = rig.now.addSecs(15);
        rig.scheduler.advance(StreakManagerRow::tickSeconds);
        QVERIFY(rig.row->isPaused());
        rig.now = rig.now.addSecs(15);
        rig.scheduler.advance(StreakManagerRow::tickSeconds);
        QVERIFY(!rig.row->isPaused());
        QVERIFY(rig.find<SymbolButton>("popover.list.row.pause"));
        QVERIFY(rig.row->progressLine());
        QCOMPARE(rig.scheduler.pendingCount(), 0); // nothing changes with time any more
    }

    // A click on the card, on the name or on a menu entry runs its action
    // once; the pause button pauses without editing.
    void clicks()
    {
        RowRig rig;
        rig.build(values());
        QTest::mouseClick(rig.row.get(), Qt::LeftButton, {}, QPoint(6, 6));
        QTest::mouseClick(rig.find<QWidget>("popover.list.row.edit"), Qt::LeftButton);
        QTest::mouseClick(rig.find<SymbolButton>("popover.list.row.pause"), Qt::LeftButton);
        std::unique_ptr<QMenu>(rig.row->makeMenu())
            ->findChild<QAction *>("popover.list.row.delete")
            ->trigger();
        QCOMPARE((QList<int>{rig.edits, rig.pauses, rig.deletes}), (QList<int>{2, 1, 1}));
        rig.build(values(600, rig.now));
        QTest::mouseClick(rig.find<QWidget>("popover.list.row.resume"), Qt::LeftButton);
        QCOMPARE(rig.resumes, 1);
    }

    // All on one line when kind, chip and hours fit uncut; otherwise the kind
    // is cut in the middle and the hours take a line of their own.
    void subtitleForms_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<bool>("wide");
        QTest::newRow("all fit") << "example.com"
                                 << "09:00-18:00" << true;
        QTest::newRow("hours too long") << "example.com"
                                        << "22:00-06:30, weekdays" << false;
        QTest::newRow("kind too long") << "a-very-long-host-name-for-a-site.example.com +3"
                                       << "09:00-18:00" << false;
    }
    void subtitleForms()
    {
        QFETCH(QString, kind);
        QFETCH(QString, hours);
        QFETCH(bool, wide);
        RowRig rig;
        auto v = values();
        v.kindLabel = kind;
        v.activeHoursLabel = hours;
        rig.build(v);
        auto *subtitle = rig.find<QWidget>("popover.list.row.subtitle");
        auto *chip = subtitle->findChild<ModeChip *>();
        auto *kindLabel = subtitle->findChild<ClampedLabel *>();
        QCOMPARE(subtitle->findChild<KitLabel *>()->y() > chip->geometry().bottom(), !wide);
        // Only the kind gives way, cut in the middle, and only when it must.
        const QString shown = kindLabel->shownLines().value(0);
        if (kind.size() > 20)
            QVERIFY2(shown.startsWith(u"a-") && shown.contains(QChar(0x2026)) &&
                         shown.endsWith(u" +3"),
                     qPrintable(shown));
        else
            QCOMPARE(shown, kind);
    }

    // A long name takes two lines and is cut at its end; a large day count
    // shrinks rather than widening its column.
    void longNameAndManyDays()
    {
        RowRig rig;
        rig.build(values());
        const int nameX = rig.row->nameLabel()->mapTo(rig.row.get(), QPoint()).x();
        auto v = values();
        v.name = QStringLiteral("A very long streak name that goes on and on well past two lines "
                                "of the popover's narrow row");
        v.days = 100000;
        rig.build(v);
        QCOMPARE(rig.row->nameLabel()->shownLines().size(), 2);
        QVERIFY(rig.row->nameLabel()->shownLines().last().endsWith(QChar(0x2026)));
        QCOMPARE(rig.row->nameLabel()->mapTo(rig.row.get(), QPoint()).x(), nameX);
    }
};

QTEST_MAIN(tst_StreakManagerRow)
#include "tst_StreakManagerRow.moc"
