#include <functional>
#include <map>

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include "FakeMilestonePlanning.h"
#include "LogCapture.h"
#include "StoreFixture.h"
#include "engine/StreakEngine.h"

using namespace halvex;
using namespace testing;

namespace {

using S = std::shared_ptr<Streak>;

// One editable field: its binding, the record's own value, a new value and the
// setter's extra effects. One field of each kind of effect.
struct Field {
    std::function<QVariant(const S &)> get;
    std::function<void(StreakEngine &, const S &, const QVariant &)> set;
    std::function<QVariant(const Streak &)> stored;
    QVariant edited;
    QStringList effects;
    bool plans = false;
};

const std::map<QString, Field> &fields()
{
    using E = StreakEngine;
    static const std::map<QString, Field> table{
        {"mode",
         {[](const S &s) { return QVariant(raw(E::modeBindingGet(s))); },
          [](E &e, const S &s, const QVariant &v) {
              e.setMode(s, *strictnessModeFromRaw(v.toString()));
          },
          [](const Streak &s) { return QVariant(s.modeRaw()); },
          "gentle",
          {"reload"}}},
        {"notifications",
         {[](const S &s) { return QVariant(E::notificationsEnabledBindingGet(s)); },
          [](E &e, const S &s, const QVariant &v) { e.setNotificationsEnabled(s, v.toBool()); },
          [](const Streak &s) { return QVariant(s.notificationsEnabled()); },
          true,
          {"reload"},
          true}},
        {"name",
         {[](const S &s) { return QVariant(s->name()); },
          [](E &e, const S &s, const QVariant &v) { e.setName(s, v.toString()); },
          [](const Streak &s) { return QVariant(s.name()); },
          "Renamed",
          {"reload"},
          true}},
        {"domains",
         {[](const S &s) { return QVariant(E::domainsBindingGet(s)); },
          [](E &e, const S &s, const QVariant &v) { e.domainsBindingSet(s, v.toStringList()); },
          [](const Streak &s) { return QVariant(s.domains()); },
          QStringList{" X.com/r "},
          {}}},
        {"allowanceMinutes",
         {[](const S &s) { return QVariant(E::allowanceMinutesBindingGet(s)); },
          [](E &e, const S &s, const QVariant &v) { e.setAllowanceMinutes(s, v.toInt()); },
          [](const Streak &s) { return QVariant(s.allowanceMinutes()); },
          30,
          {"reload", "rules false"}}},
    };
    return table;
}

} // namespace

class tst_StreakEditBindings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { engine.reset(), f.reset(); }

    void setterStampsSavesAndRunsItsEffects_data();
    void setterStampsSavesAndRunsItsEffects();
    void deletedStreakReadsPlaceholderAndTakesNoEdit_data();
    void deletedStreakReadsPlaceholderAndTakesNoEdit();

private:
    // A stored streak whose editable fields all differ from the placeholder.
    S addEditedStreak();

    std::unique_ptr<StoreFixture> f;
    testing::FakeMilestonePlanning planning;
    std::unique_ptr<StreakEngine> engine;
    QStringList effects;
};

void tst_StreakEditBindings::init()
{
    f = std::make_unique<StoreFixture>();
    planning.calls.clear();
    effects.clear();
    engine = std::make_unique<StreakEngine>(f->persistence, f->dayClock, nullptr, f->scheduler);
    engine->setMilestonePlanning(&planning);
    connect(engine.get(), &StreakEngine::streaksChanged, this, [this] { effects << "reload"; });
    connect(engine.get(), &StreakEngine::rulesChangedSubject, this,
            [this](bool forget) { effects << (forget ? "rules true" : "rules false"); });
}

S tst_StreakEditBindings::addEditedStreak()
{
    auto s = f->addStreak();
    s->setModeRaw("brutal");
    s->setNotificationsEnabled(false);
    s->setDomains({"news.ycombinator.com"});
    s->setActiveWindowEnabled(true);
    s->setActiveWindowStartMinutes(60);
    s->setActiveWindowEndMinutes(600);
    s->setActiveWeekdaysMask(62);
    s->setAllowDailyFreePass(false);
    s->setAllowExternalLinkBypass(false);
    s->setAllowanceEnabled(true);
    s->setAllowanceMinutes(45);
    s->setUpdatedAt(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC));
    return s;
}

void tst_StreakEditBindings::setterStampsSavesAndRunsItsEffects_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("saveFails");
    for (const auto &entry : fields()) {
        QTest::addRow("%s", qPrintable(entry.first)) << entry.first << false;
        QTest::addRow("%s, save fails", qPrintable(entry.first)) << entry.first << true;
    }
}

void tst_StreakEditBindings::setterStampsSavesAndRunsItsEffects()
{
    QFETCH(QString, field);
    QFETCH(bool, saveFails);
    const Field &d = fields().at(field);
    auto s = addEditedStreak();
    QVERIFY(f->save());
    if (saveFails)
        QVERIFY(QSqlQuery(f->persistence.container().database())
                    .exec("CREATE TEMP TRIGGER fail BEFORE UPDATE ON Streak "
                          "BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
    effects.clear();
    const QDateTime before = QDateTime::currentDateTimeUtc();
    testing::LogCapture log;

    d.set(*engine, s, d.edited);

    QCOMPARE(d.stored(*s), d.edited);
    QCOMPARE(d.get(s), d.edited);
    QVERIFY(s->updatedAt() >= before);
    QCOMPARE(f->context().hasChanges(), saveFails);
    QVERIFY(log.lines().isEmpty()); // a failed save is dropped silently
    QCOMPARE(effects, d.effects);
    // Planning starts after the setter has returned, and sees the new value.
    QVERIFY(planning.calls.empty());
    QCoreApplication::sendPostedEvents(engine.get(), QEvent::MetaCall);
    QCOMPARE(planning.calls.size(), size_t(d.plans ? 1 : 0));
    if (d.plans) {
        QCOMPARE(planning.calls.front().streak, s);
        QCOMPARE(planning.calls.front().notificationsEnabled, s->notificationsEnabled());
    }
}

void tst_StreakEditBindings::deletedStreakReadsPlaceholderAndTakesNoEdit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("deletionSaved");
    for (const auto &entry : fields()) {
        QTest::addRow("%s, deletion saved", qPrintable(entry.first)) << entry.first << true;
        QTest::addRow("%s, deletion pending", qPrintable(entry.first)) << entry.first << false;
    }
}

void tst_StreakEditBindings::deletedStreakReadsPlaceholderAndTakesNoEdit()
{
    QFETCH(QString, field);
    QFETCH(bool, deletionSaved);
    const Field &d = fields().at(field);
    auto s = addEditedStreak();
    QVERIFY(f->save());
    const QVariant before = d.stored(*s);
    const QDateTime stamp = s->updatedAt();
    f->context().remove(s);
    if (deletionSaved)
        QVERIFY(f->save());
    QSignalSpy saves(&f->context(), &ModelContext::didSave);
    effects.clear();

    QCOMPARE(StreakEngine::modeBindingGet(s), StrictnessMode::firm);
    QCOMPARE(StreakEngine::notificationsEnabledBindingGet(s), true);
    QCOMPARE(StreakEngine::domainsBindingGet(s), QStringList());
    QCOMPARE(StreakEngine::bundleIdentifiersBindingGet(s), QStringList());
    QCOMPARE(StreakEngine::activeWindowEnabledBindingGet(s), false);
    QCOMPARE(StreakEngine::activeWindowStartMinutesBindingGet(s), 540);
    QCOMPARE(StreakEngine::activeWindowEndMinutesBindingGet(s), 1080);
    QCOMPARE(StreakEngine::activeWeekdaysMaskBindingGet(s), 127);
    QCOMPARE(StreakEngine::allowDailyFreePassBindingGet(s), true);
    QCOMPARE(StreakEngine::allowExternalLinkBypassBindingGet(s), true);
    QCOMPARE(StreakEngine::allowanceEnabledBindingGet(s), false);
    QCOMPARE(StreakEngine::allowanceMinutesBindingGet(s), 15);

    d.set(*engine, s, d.edited);
    QCoreApplication::sendPostedEvents(engine.get(), QEvent::MetaCall);

    QCOMPARE(d.stored(*s), before);
    QCOMPARE(s->updatedAt(), stamp);
    QCOMPARE(saves.count(), 0); // a pending deletion is not the setter's to commit
    QVERIFY(effects.isEmpty());
    QVERIFY(planning.calls.empty());
}

QTEST_GUILESS_MAIN(tst_StreakEditBindings)
#include "tst_StreakEditBindings.moc"
