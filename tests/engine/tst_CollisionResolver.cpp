#include <QTest>

#include "engine/CollisionResolver.h"
#include "model/Streak.h"

using namespace halvex;

// Each candidate: {domains, bundle identifiers, sortOrder}.
using Candidates = QList<QList<int>>;

class tst_CollisionResolver : public QObject {
    Q_OBJECT
private slots:
    void resolve_data();
    void resolve();
};

void tst_CollisionResolver::resolve_data()
{
    QTest::addColumn<Candidates>("candidates");
    QTest::addColumn<int>("winner"); // index, -1 for none
    QTest::newRow("none") << Candidates{} << -1;
    QTest::newRow("fewer targets beat sort order") << Candidates{{2, 0, 0}, {1, 0, 9}} << 1;
    QTest::newRow("bundles count as targets") << Candidates{{0, 1, 3}, {1, 1, 0}} << 0;
    QTest::newRow("equal targets, smaller order") << Candidates{{1, 1, 4}, {0, 2, 2}} << 1;
    QTest::newRow("all equal, first in list") << Candidates{{1, 0, 1}, {1, 0, 1}} << 0;
    QTest::newRow("tie behind a worse one") << Candidates{{3, 0, 0}, {1, 0, 1}, {1, 0, 1}} << 1;
}

void tst_CollisionResolver::resolve()
{
    QFETCH(Candidates, candidates);
    QFETCH(int, winner);
    std::vector<std::shared_ptr<Streak>> streaks;
    for (const auto &c : candidates) {
        QStringList domains, bundles;
        for (int i = 0; i < c[0]; ++i)
            domains << QStringLiteral("d%1.com").arg(i);
        for (int i = 0; i < c[1]; ++i)
            bundles << QStringLiteral("app%1").arg(i);
        streaks.push_back(std::make_shared<Streak>(QUuid::createUuid(), QStringLiteral("s"),
                                                   StreakType::site, StrictnessMode::firm, domains,
                                                   QStringList{}, bundles, QDateTime()));
        streaks.back()->setSortOrder(c[2]);
    }
    const auto chosen = CollisionResolver::resolve(streaks);
    QCOMPARE(chosen, winner < 0 ? nullptr : streaks[size_t(winner)]);
}

QTEST_GUILESS_MAIN(tst_CollisionResolver)
#include "tst_CollisionResolver.moc"
