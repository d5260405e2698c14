#include <memory>

#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "EditorFixture.h"
#include "menubar/PopoverListView.h"
#include "menubar/StreakManagerRow.h"
#include "ui/Motion.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

struct ListRig : editortest::ScreensFixture {
    std::unique_ptr<PopoverListView> list;
    void build()
    {
        list = std::make_unique<PopoverListView>(engine, apps.index(), scheduler);
        list->resize(300, 400);
        list->show();
    }
    // The rows once the replaced ones are gone and the new ones laid out.
    QList<StreakManagerRow *> rows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        return list->rows();
    }
    void click(const char *name)
    {
        QTest::mouseClick(rows()[0]->findChild<QWidget *>(name), Qt::LeftButton);
    }
};

} // namespace

class tst_PopoverListView : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    // What a row says a streak blocks: its first target that is not empty,
    // then how many more the list holds, empty entries counted.
    void kindLabel_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("targets");
        QTest::addColumn<QString>("label");
        QTest::newRow("one site") << "site" << QStringList{"example.com"} << "example.com";
        QTest::newRow("four sites")
            << "site" << QStringList{"a.com", "b.com", "c.com", "d.com"} << "a.com +3";
        QTest::newRow("first entry blank") << "site" << QStringList{"", "b.com"} << "b.com +1";
        QTest::newRow("no sites") << "site" << QStringList{} << "";
        QTest::newRow("unknown type reads as sites") << "kiosk" << QStringList{"x.org"} << "x.org";
        QTest::newRow("first app not installed")
            << "app" << QStringList{"com.example.Gone", "code", "firefox-esr"}
            << "Visual Editor +2";
        QTest::newRow("no app installed") << "app" << QStringList{"com.example.Gone"} << "";
    }
    void kindLabel()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, targets);
        QFETCH(QString, label);
        ListRig rig;
        auto streak = rig.add("s", targets);
        streak->setTypeRaw(type);
        streak->setBundleIdentifiers(targets);
        QCOMPARE(PopoverListView::kindLabel(*streak, InstalledApplications(rig.apps.index())),
                 label);
    }

    // One row per streak in the engine's order, with the engine's reading of
    // it, redrawn whenever the engine publishes.
    void rowsFollowTheEngine()
    {
        ListRig rig;
        auto later = rig.add("Later", {"b.com"}, 24 * 3, 2);
        auto first = rig.add("First", {"a.com"}, 30, 1);
        first->setModeRaw("stern");                  // unknown: firm
        first->setPausedUntil(rig.now.addSecs(-60)); // over: not paused
        later->setAllowanceEnabled(true);
        later->setActiveWindowEnabled(true);
        later->setActiveWeekdaysMask(62);
        rig.save();
        rig.engine.reload();
        rig.build();
        auto rows = rig.rows();
        const auto &a = rows[0]->values();
        QCOMPARE((std::tuple(a.name, a.days, a.mode)),
                 (std::tuple(QString("First"), 1, StrictnessMode::firm)));
        QVERIFY(!a.pausedUntil && !a.allowanceRemainingSeconds && !a.activeHoursLabel);
        const auto &b = rows[1]->values();
        QCOMPARE(b.days, 3);
        QCOMPARE(b.allowanceRemainingSeconds, 900.0);
        QCOMPARE(b.activeHoursLabel, "09:00-18:00, weekdays");

        rig.add("Third", {"c.com"}, 0, 0);
        rows = rig.rows();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0]->values().name, "Third");
        QVERIFY(rows[0]->geometry().bottom() < rows[1]->geometry().top());
    }

    // Pause and resume go to the bypass controller and the engine; only a
    // resume tells the watcher the rules changed. Edit and delete only ask.
    void actions()
    {
        ListRig rig;
        auto streak = rig.add("S", {"a.com"});
        rig.build();
        QSignalSpy rules(&rig.engine, &StreakEngine::rulesChangedSubject);
        QSignalSpy edit(rig.list.get(), &PopoverListView::editRequested);
        QSignalSpy remove(rig.list.get(), &PopoverListView::deleteRequested);

        rig.click("popover.list.row.pause");
        QCOMPARE(streak->pausedUntil(), rig.now.addSecs(3600));
        QVERIFY(rig.rows()[0]->isPaused());
        QCOMPARE(rules.count(), 0);
        rig.click("popover.list.row.resume");
        QVERIFY(!streak->isPaused() && !rig.rows()[0]->isPaused());
        QCOMPARE(rules.count(), 1);
        QCOMPARE(rules.at(0).at(0).toBool(), false);

        rig.click("popover.list.row.edit");
        rig.rows()[0]->makeMenu()->findChild<QAction *>("popover.list.row.delete")->trigger();
        QCOMPARE(edit.count(), 1);
        QCOMPARE(edit.at(0).at(0).toUuid(), streak->id());
        QCOMPARE(remove.count(), 1);
        QCOMPARE(remove.at(0).at(0).toUuid(), streak->id());
        QCOMPARE(rig.stored(), 1);
    }
};

QTEST_MAIN(tst_PopoverListView)
#include "tst_PopoverListView.moc"
