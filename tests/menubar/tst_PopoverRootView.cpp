#include <memory>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "EditorFixture.h"
#include "editor/DeleteConfirmContent.h"
#include "editor/NewStreakFormContent.h"
#include "editor/SeededDomainsRow.h"
#include "menubar/ClampedLabel.h"
#include "menubar/PopoverBackHeader.h"
#include "menubar/PopoverDeleteConfirmOverlay.h"
#include "menubar/PopoverEditStreakView.h"
#include "menubar/PopoverFooter.h"
#include "menubar/PopoverListView.h"
#include "menubar/PopoverNewStreakView.h"
#include "menubar/PopoverRootView.h"
#include "menubar/StreakManagerRow.h"
#include "menubar/StreakRowProgressLine.h"
#include "model/Tombstone.h"
#include "model/UsageSession.h"
#include "ui/DestructiveButton.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

struct RootRig : editortest::ScreensFixture {
    std::unique_ptr<PopoverRootView> root;
    void build()
    {
        root = std::make_unique<PopoverRootView>(persistence, engine, planning, apps.index(),
                                                 scheduler);
        root->show();
    }
    template <class T = QWidget> T *shown(const QString &name)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto *w = root->findChild<T *>(name);
        return w && w->isVisible() ? w : nullptr;
    }
    void click(const QString &name)
    {
        QWidget *w = shown(name);
        QVERIFY2(w, qPrintable(name));
        // Where a user would click: on whatever lies at the centre.
        const QPoint centre = w->rect().center();
        QWidget *target = w->childAt(centre) ? w->childAt(centre) : w;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(w, centre));
    }
};

} // namespace

class tst_PopoverRootView : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
    }

    // Every streak counts its whole days, paused or not; the line shows from
    // two streaks on.
    void totals_data()
    {
        QTest::addColumn<QList<double>>("hoursAgo");
        QTest::addColumn<QString>("text"); // "" for no line
        QTest::newRow("no streak") << QList<double>{} << "";
        QTest::newRow("one streak") << QList<double>{24 * 9} << "";
        QTest::newRow("one day in all") << QList<double>{36, 10} << "1 clean day across 2 streaks";
        QTest::newRow("five days") << QList<double>{72, 48} << "5 clean days across 2 streaks";
        QTest::newRow("none yet") << QList<double>{1, 2, 3} << "0 clean days across 3 streaks";
    }
    void totals()
    {
        QFETCH(QList<double>, hoursAgo);
        QFETCH(QString, text);
        RootRig rig;
        for (int i = 0; i < hoursAgo.size(); ++i)
            rig.add(QString::number(i), {"a.com"}, hoursAgo[i], i)->setIsPaused(i == 0);
        rig.build();
        auto *totals = rig.shown<KitLabel>("popover.totals");
        QCOMPARE(totals ? totals->text() : QString(), text);
    }

    // The header, each row's day column and its progress line read one day
    // count, spoken in its own form; a clock set back behind the starts (as
    // the minute tick finds it, or as the popover opens) reads day 0.
    void dayCountReadings_data()
    {
        QTest::addColumn<double>("hoursAgo"); // each of three streaks
        QTest::addColumn<bool>("setBackAfterOpening");
        QTest::addColumn<qint64>("days");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("progress");
        QTest::newRow("clock set back an hour after a reset")
            << 0.5 << true << 0LL << "0 clean days across 3 streaks"
            << "0\u00a0days"
            << "7 more to 7\u00a0days";
        QTest::newRow("start an hour ahead")
            << -1.0 << false << 0LL << "0 clean days across 3 streaks"
            << "0\u00a0days"
            << "7 more to 7\u00a0days";
        QTest::newRow("one day") << 24.0 << false << 1LL << "3 clean days across 3 streaks"
                                 << "1\u00a0day"
                                 << "6 more to 7\u00a0days";
        QTest::newRow("two days") << 48.0 << false << 2LL << "6 clean days across 3 streaks"
                                  << "2\u00a0days"
                                  << "5 more to 7\u00a0days";
    }
    void dayCountReadings()
    {
        QFETCH(double, hoursAgo);
        QFETCH(bool, setBackAfterOpening);
        RootRig rig;
        for (int i = 0; i < 3; ++i)
            rig.add(QString::number(i), {"a.com"}, hoursAgo, i);
        rig.build();
        if (setBackAfterOpening) {
            rig.now = rig.now.addSecs(-3600);
            rig.engine.tick();
            QCoreApplication::processEvents(); // the views refresh after the tick
        }
        QTEST(rig.shown<KitLabel>("popover.totals")->text(), "header");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const auto rows = rig.root->findChildren<StreakManagerRow *>();
        QCOMPARE(rows.size(), 3);
        for (StreakManagerRow *row : rows) {
            QTEST(row->values().days, "days");
            QTEST(row->findChild<QWidget *>("popover.list.row.days")->accessibleName(), "spoken");
            QTEST(row->findChild<QWidget *>("popover.list.row.milestone")->accessibleName(),
                  "progress");
        }
    }

    // With no streak the list area holds the empty state and the footer no
    // counter; its set chips start a seeded new streak.
    void emptyStateStartsFromASet()
    {
        RootRig rig;
        rig.build();
        QVERIFY(rig.shown("popover.empty.root"));
        QVERIFY(!rig.shown("popover.list.root"));
        QVERIFY(!rig.root->footer()->counter()->isVisible());
        QCOMPARE(rig.shown("popover.empty.set.social")->accessibleName(), "Social media, 10 sites");
        QCOMPARE(rig.shown("popover.empty.set.video")->accessibleName(), "Video, 6 sites");
        QCOMPARE(rig.shown("popover.empty.set.news")->accessibleName(), "News, 6 sites");
        QVERIFY(!rig.shown("popover.empty.set.games"));

        rig.click("popover.empty.set.video");
        QCOMPARE(rig.root->route(), PopoverRoute::newStreak(DomainPreset::video));
        auto *form = rig.root->findChild<NewStreakFormContent *>();
        QCOMPARE(form->name(), "Video");
        QVERIFY(rig.shown<SeededDomainsRow>("streakEditor.domains.seeded"));
    }

    // The footer opens a blank new-streak screen under a back header; back
    // and Cancel return to the list without creating anything.
    void newStreakScreenAndBack_data()
    {
        QTest::addColumn<QString>("leave");
        QTest::newRow("back") << "popover.new.back";
        QTest::newRow("cancel") << "streakEditor.button.cancel";
    }
    void newStreakScreenAndBack()
    {
        QFETCH(QString, leave);
        RootRig rig;
        rig.add("S", {"a.com"});
        rig.build();
        QSignalSpy routes(rig.root.get(), &PopoverRootView::routeChanged);
        rig.click("popover.footer.newStreak");
        QCOMPARE(rig.root->route(), PopoverRoute::newStreak());
        auto *screen = qobject_cast<PopoverNewStreakView *>(rig.root->currentScreen());
        QVERIFY(screen);
        QVERIFY(!rig.root->listScreen()->isVisible());
        QCOMPARE(screen->header()->titleLabel()->text(), "New streak");
        QCOMPARE(screen->form()->domains(), QStringList{""});

        rig.click(leave);
        QCOMPARE(rig.root->route(), PopoverRoute::list());
        QVERIFY(rig.shown("popover.list.root"));
        QCOMPARE(routes.count(), 2);
        QCOMPARE(rig.stored(), 1);
    }

    // Creating a streak by typing into the form: one streak through the
    // engine, its milestones planned, and back to the list showing it.
    void saveCreatesAStreakAndReturns()
    {
        RootRig rig;
        rig.add("Old", {"a.com"}, 0, 4);
        rig.build();
        rig.click("popover.footer.newStreak");
        auto *site = rig.shown<QLineEdit>("streakEditor.domains.field");
        QTest::keyClicks(site, "news.example.org");
        QCOMPARE(rig.shown<QLineEdit>("streakEditor.field.name")->text(), "Example");
        rig.click("streakEditor.button.save");

        QCOMPARE(rig.root->route(), PopoverRoute::list());
        QCOMPARE(rig.stored(), 2);
        QCOMPARE(rig.engine.streaks().back()->sortOrder(), 5); // after the last, not the count
        QCOMPARE(rig.planning.calls.size(), 1u);
        const auto rows = rig.root->findChild<PopoverListView *>()->rows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.back()->values().name, "Example");
        QCOMPARE(rig.root->footer()->counter()->text(), "2 / 5");
    }

    // Edit from a row opens the streak's edit screen; its back button and
    // the row's delete action behave as the route table says.
    void editAndDeleteRequests()
    {
        RootRig rig;
        auto streak = rig.add("S", {"a.com"});
        rig.build();
        rig.click("popover.list.row.edit");
        QCOMPARE(rig.root->route(), PopoverRoute::edit(streak->id()));
        auto *screen = qobject_cast<PopoverEditStreakView *>(rig.root->currentScreen());
        QVERIFY(screen && screen->showsStreak());
        QCOMPARE(screen->header()->titleLabel()->text(), "S");
        rig.click("popover.edit.delete");
        QCOMPARE(rig.root->pendingDeleteId(), streak->id());
        QVERIFY(rig.shown("popover.delete.confirm"));
        rig.click("popover.delete.cancel");
        QVERIFY(!rig.root->pendingDeleteId());
        QVERIFY(!rig.shown("popover.delete.confirm"));
        rig.click("popover.edit.back");
        QCOMPARE(rig.root->route(), PopoverRoute::list());

        rig.root->findChild<StreakManagerRow *>()
            ->makeMenu()
            ->findChild<QAction *>("popover.list.row.delete")
            ->trigger();
        QCOMPARE(rig.root->pendingDeleteId(), streak->id());
        QCOMPARE(rig.root->route(), PopoverRoute::list());
        QCOMPARE(rig.stored(), 1);
    }

    // The confirmation over the list or over the streak's own edit screen:
    // Delete refuses clicks for its first half second; cancelling (button or
    // the dimmed area) keeps everything; confirming returns to the list first,
    // cancels the streak's milestones and deletes it with its history, and
    // another streak becomes the primary one.
    void deleteConfirmation_data()
    {
        QTest::addColumn<bool>("fromEditScreen");
        QTest::addColumn<QString>("answer");
        QTest::newRow("list, confirm") << false << "popover.delete.confirm.button";
        QTest::newRow("list, cancel") << false << "popover.delete.cancel";
        QTest::newRow("list, dimmed area") << false << "dim";
        QTest::newRow("edit, confirm") << true << "popover.delete.confirm.button";
        QTest::newRow("edit, cancel") << true << "popover.delete.cancel";
    }
    void deleteConfirmation()
    {
        QFETCH(bool, fromEditScreen);
        QFETCH(QString, answer);
        RootRig rig;
        auto doomed = rig.add("Doomed", {"a.com"}, 24 * 3, 0);
        auto other = rig.add("Other", {"b.com"}, 0, 1);
        doomed->setIsPrimary(true);
        auto broken = std::make_shared<Tombstone>(QUuid::createUuid(), 2, rig.now.addDays(-6),
                                                  rig.now.addDays(-3), std::nullopt, "firm");
        rig.context().insert(broken);
        QVERIFY(broken->setStreak(doomed));
        QVERIFY(rig.save());
        rig.engine.reload();
        rig.build();
        QSignalSpy routes(rig.root.get(), &PopoverRootView::routeChanged);
        if (fromEditScreen) {
            rig.root->setRoute(PopoverRoute::edit(doomed->id()), false);
            rig.click("popover.edit.delete");
        } else {
            rig.root->setPendingDeleteId(doomed->id());
        }
        auto *overlay = rig.root->deleteOverlay();
        QVERIFY(overlay && overlay->isVisible());
        QCOMPARE(overlay->card()->size(), QSize(300, 214));
        QVERIFY(overlay->content()
                    ->findChild<QLabel *>("deleteConfirm.warning")
                    ->text()
                    .contains("3\u00a0days"));

        // Too soon: the click does nothing.
        auto *confirm = overlay->content()->deleteButton();
        QTest::mouseClick(confirm, Qt::LeftButton);
        QCOMPARE(rig.stored(), 2);
        rig.scheduler.advance(0.49);
        QVERIFY(!confirm->isEnabled());
        rig.scheduler.advance(0.01);
        QVERIFY(confirm->isEnabled());

        const int routesBefore = int(routes.count());
        if (answer == "dim")
            QTest::mouseClick(overlay, Qt::LeftButton, {}, QPoint(5, 5));
        else
            rig.click(answer);
        QVERIFY(!rig.root->pendingDeleteId());
        QVERIFY(!rig.shown("popover.delete.confirm"));
        const bool confirmed = answer == "popover.delete.confirm.button";
        QCOMPARE(rig.stored(), confirmed ? 1 : 2);
        QCOMPARE(rig.context().fetchCount<Tombstone>().value(), confirmed ? 0 : 1);
        QCOMPARE(rig.planning.cancelled,
                 confirmed ? std::vector<QUuid>{doomed->id()} : std::vector<QUuid>{});
        QCOMPARE(rig.engine.primaryStreakId(),
                 std::optional<QUuid>(confirmed ? other->id() : doomed->id()));
        // Confirming from the edit screen returns to the list, once, unanimated.
        QCOMPARE(rig.root->route(), fromEditScreen && !confirmed ? PopoverRoute::edit(doomed->id())
                                                                 : PopoverRoute::list());
        QCOMPARE(int(routes.count()) - routesBefore, fromEditScreen && confirmed ? 1 : 0);
    }

    // Left open past midnight, when one streak completes its seventh day: the
    // engine's minute tick moves the row's count and milestone line, the
    // other row's allowance (a new day) and the totals on.
    void anOpenPopoverFollowsTheMinuteTick()
    {
        RootRig rig;
        rig.now = testing::local(3, 6, 23, 45);
        rig.add("Social", {"a.com"}, 7 * 24 - 10.0 / 60, 0);
        auto news = rig.add("News", {"b.com"}, 50, 1);
        news->setAllowanceEnabled(true);
        auto used =
            std::make_shared<UsageSession>(QUuid::createUuid(), testing::local(3, 6, 23, 30),
                                           testing::local(3, 6, 23, 40), 600.0, "site");
        used->setIsAllowance(true);
        used->setStreak(news);
        rig.context().insert(used);
        QVERIFY(rig.save());
        rig.engine.reload();
        rig.build();
        const auto shown = [&] {
            QStringList out{rig.shown<KitLabel>("popover.totals")->text()};
            for (StreakManagerRow *row : rig.root->findChild<PopoverListView *>()->rows())
                out << QString::number(row->values().days) + u' ' +
                           row->progressLine()->caption()->text();
            return out;
        };
        QCOMPARE(shown(), (QStringList{"8 clean days across 2 streaks", "6 1 more to 7\u00a0days",
                                       "2 5 of 15\u00a0min left"}));

        rig.now = rig.now.addSecs(16 * 60);
        rig.scheduler.advance(StreakEngine::tickIntervalSeconds);
        QTRY_COMPARE(shown(),
                     (QStringList{"9 clean days across 2 streaks", "7 7 more to 14\u00a0days",
                                  "2 15 of 15\u00a0min left"}));
    }

    // A pending id whose streak is gone shows nothing and blocks nothing.
    void pendingIdOfAStreakGone()
    {
        RootRig rig;
        auto streak = rig.add("S", {"a.com"});
        rig.build();
        rig.root->setPendingDeleteId(QUuid::createUuid());
        QVERIFY(!rig.root->deleteOverlay());
        rig.root->setPendingDeleteId(streak->id());
        QVERIFY(rig.root->deleteOverlay());
        QVERIFY(rig.engine.deleteStreak(streak->id()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!rig.root->deleteOverlay());
        QVERIFY(rig.shown("popover.empty.root"));
    }

    // The header's buttons come out of the root for the host to act on.
    void headerRequestsReachTheHost()
    {
        RootRig rig;
        rig.build();
        QCOMPARE(rig.root->size(), QSize(340, 520));
        QSignalSpy stats(rig.root.get(), &PopoverRootView::openStatsRequested);
        QSignalSpy settings(rig.root.get(), &PopoverRootView::openSettingsRequested);
        QSignalSpy quit(rig.root.get(), &PopoverRootView::quitRequested);
        for (const char *button :
             {"popover.footer.stats", "popover.footer.settings", "popover.header.quit"})
            rig.click(button);
        QCOMPARE((QList<int>{int(stats.count()), int(settings.count()), int(quit.count())}),
                 (QList<int>{1, 1, 1}));
    }
};

QTEST_MAIN(tst_PopoverRootView)
#include "tst_PopoverRootView.moc"
