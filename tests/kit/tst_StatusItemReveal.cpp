#include <cmath>

#include <QTest>

#include "ManualScheduler.h"
#include "kit/StatusItemReveal.h"

using fennimar::StatusItemReveal;

// Where the button's window is at a moment (seconds after the call).
using FrameAt = std::function<std::optional<QRect>(double)>;
Q_DECLARE_METATYPE(FrameAt)

namespace {

constexpr double never = -1.0;

class ScriptedButton final : public fennimar::StatusItemButton {
public:
    ScriptedButton(FrameAt frameAt, const testing::ManualScheduler &clock)
        : m_frameAt(std::move(frameAt))
        , m_clock(clock)
    {}
    std::optional<QRect> windowFrame() const override { return m_frameAt(m_clock.now()); }

private:
    FrameAt m_frameAt;
    const testing::ManualScheduler &m_clock;
};

const QRect home(1200, 0, 24, 24);

FrameAt still()
{
    return [](double) { return std::optional(home); };
}
// In place, then somewhere else from `when` on.
FrameAt movesAt(double when)
{
    return [when](double t) { return std::optional(t < when ? home : home.translated(-40, 0)); };
}

// At the expected moment, or up to `late` after it.
bool near(double seen, double expected, double late)
{
    if (expected == never || seen == never)
        return seen == expected;
    return seen >= expected - 1e-6 && seen <= expected + late + 1e-6;
}

// Reads happen at whole polling steps: a settled button is seen within half
// a step of the expected read, while a deadline may be seen one step late, as
// the steps' sum in floating point falls just short of it.
double pollSlack(double expected)
{
    return expected >= StatusItemReveal::pollLimit ? StatusItemReveal::pollInterval
                                                   : StatusItemReveal::pollInterval / 2;
}

} // namespace

class tst_StatusItemReveal : public QObject {
    Q_OBJECT
private slots:
    void showsOnceTheButtonStopsMoving_data();
    void showsOnceTheButtonStopsMoving();
};

void tst_StatusItemReveal::showsOnceTheButtonStopsMoving_data()
{
    QTest::addColumn<FrameAt>("frameAt");
    QTest::addColumn<bool>("shownBefore");
    QTest::addColumn<double>("closedAt"); // the user closes the popover then
    QTest::addColumn<double>("shownAt");
    QTest::addColumn<int>("repositions");
    QTest::addColumn<double>("finishedAfterShow");
    QTest::addColumn<double>("completedAt");

    const double settled = 8.0 / 60.0; // 9 equal reads
    QTest::newRow("already shown") << still() << true << never << never << 0 << never << 0.0;
    QTest::newRow("in place from the start")
        << still() << false << never << settled << 0 << 2.5 << settled;
    // The move is seen at the read of 7/60 s: the count starts again there.
    QTest::newRow("moves once at 0.1 s") << movesAt(0.105) << false << never << 7.0 / 60.0 + settled
                                         << 0 << 2.5 << 7.0 / 60.0 + settled;
    QTest::newRow("never on screen") << FrameAt([](double) { return std::optional<QRect>(); })
                                     << false << never << never << 0 << never << 3.0;
    QTest::newRow("moving until the deadline: shown where last seen") << FrameAt([](double t) {
        return std::optional(home.translated(int(std::min(t, 2.9) * 600), 0));
    }) << false << never << 3.0 << 0 << 2.5 << 3.0;
    QTest::newRow("moves 1 s after the show")
        << movesAt(settled + 1.0) << false << never << settled << 1 << 2.5 << settled;
    QTest::newRow("a move 3 s after the show is not followed")
        << movesAt(settled + 3.0) << false << never << settled << 0 << 2.5 << settled;
    QTest::newRow("closed 0.5 s after the show")
        << still() << false << settled + 0.5 << settled << 0 << 0.5 << settled;
}

void tst_StatusItemReveal::showsOnceTheButtonStopsMoving()
{
    QFETCH(FrameAt, frameAt);
    QFETCH(bool, shownBefore);
    QFETCH(double, closedAt);
    QFETCH(double, shownAt);
    QFETCH(int, repositions);
    QFETCH(double, finishedAfterShow);
    QFETCH(double, completedAt);
    testing::ManualScheduler scheduler;
    bool shown = shownBefore;
    double seenShown = never, seenFinished = never, seenCompleted = never;
    int shows = 0, finishes = 0, completions = 0, seenRepositions = 0;
    auto button = std::make_shared<ScriptedButton>(frameAt, scheduler);

    StatusItemReveal::Handlers handlers;
    handlers.isShown = [&] { return shown && (closedAt == never || scheduler.now() < closedAt); };
    handlers.show = [&] {
        shown = true;
        ++shows;
        seenShown = scheduler.now();
    };
    handlers.reposition = [&] { ++seenRepositions; };
    handlers.finish = [&] {
        ++finishes;
        seenFinished = scheduler.now();
    };
    handlers.completion = [&] {
        ++completions;
        seenCompleted = scheduler.now();
    };
    StatusItemReveal::revealWhenStable(button, handlers, scheduler,
                                       [&] { return scheduler.now(); });
    scheduler.advance(10.0);

    QVERIFY2(near(seenShown, shownAt, pollSlack(shownAt)), qPrintable(QString::number(seenShown)));
    QCOMPARE(shows, shownAt == never ? 0 : 1);
    QCOMPARE(seenRepositions, repositions);
    const double finishedAfter = seenFinished == never ? never : seenFinished - seenShown;
    QVERIFY2(near(finishedAfter, finishedAfterShow, StatusItemReveal::settleInterval),
             qPrintable(QString::number(finishedAfter)));
    QCOMPARE(finishes, finishedAfterShow == never ? 0 : 1);
    QVERIFY2(near(seenCompleted, completedAt, pollSlack(completedAt)),
             qPrintable(QString::number(seenCompleted)));
    QCOMPARE(completions, 1);
    QCOMPARE(scheduler.pendingCount(), 0);
}

QTEST_GUILESS_MAIN(tst_StatusItemReveal)
#include "tst_StatusItemReveal.moc"
