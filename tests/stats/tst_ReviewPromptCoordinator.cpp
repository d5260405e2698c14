#include <functional>

#include <QTest>

#include "ReviewFixture.h"
#include "stats/ReviewPromptCoordinator.h"

using halvex::ReviewPromptCoordinator;
using reviewtest::ReviewFixture;

namespace {

// The coordinator as the shell wires it, over the review fixture, with the
// popover and the friction panel as flags and time on the store's scheduler.
struct CoordinatorFixture : ReviewFixture {
    CoordinatorFixture() { makePromptDue(); }

    void openPopover()
    {
        popoverShown = true;
        coordinator->popoverOpenStateChanged(true);
    }
    void closePopover()
    {
        popoverShown = false;
        coordinator->popoverOpenStateChanged(false);
    }
    void advance(double seconds) { store.scheduler.advance(seconds); }
    // Another window of ours on screen, gone with the fixture.
    void showOther(Qt::WindowFlags flags)
    {
        others.push_back(std::make_unique<QWidget>(nullptr, flags));
        others.back()->show();
    }

    std::vector<std::unique_ptr<QWidget>> others;
    bool popoverShown = false;
    bool panelUp = false;
    std::unique_ptr<ReviewPromptCoordinator> coordinator =
        std::make_unique<ReviewPromptCoordinator>(ReviewPromptCoordinator::Services{
            store.persistence.container(),
            [this] { return popoverShown; },
            [this] { return panelUp; },
            window,
            store.scheduler,
            [this] { return libraryStarted ? prompt.get() : nullptr; },
        });
};

// Counts the library's presentations at the moment the review window shows.
class ShowWatcher final : public QObject {
public:
    explicit ShowWatcher(std::function<int()> presentations)
        : m_presentations(std::move(presentations))
    {
        qApp->installEventFilter(this);
    }
    QList<int> countsAtShow;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == u"review_prompt.window")
            countsAtShow << m_presentations();
        return false;
    }

private:
    std::function<int()> m_presentations;
};

using Setup = std::function<void(CoordinatorFixture &)>;

} // namespace

Q_DECLARE_METATYPE(Setup)

class tst_ReviewPromptCoordinator : public QObject {
    Q_OBJECT
private slots:
    void checkComesSixTenthsAfterTheClose();
    void reopeningCancelsTheCheckAndRecordsAUse();
    void checkSkipsWhileSomethingElseIsUp_data();
    void checkSkipsWhileSomethingElseIsUp();
    void aCheckOutlivingItsCoordinatorDoesNothing();
};

void tst_ReviewPromptCoordinator::checkComesSixTenthsAfterTheClose()
{
    CoordinatorFixture f;
    ShowWatcher watcher([&f] { return f.presentations(); });
    f.openPopover();
    f.closePopover();
    f.advance(0.4);
    // A second close starts the wait afresh.
    f.closePopover();
    QCOMPARE(f.store.scheduler.pendingCount(), 1);
    f.advance(0.5);
    QVERIFY(!f.window.window());
    QVERIFY(f.coordinator->hasPendingCheck());
    f.advance(0.1);
    QVERIFY(f.window.window());
    QVERIFY(f.window.window()->isVisible());
    QVERIFY(!f.coordinator->hasPendingCheck());
    // Counted once, before the window showed.
    QCOMPARE(f.presentations(), 1);
    QCOMPARE(watcher.countsAtShow, QList<int>{1});
    QCOMPARE(f.store.scheduler.requestedDelays(), (std::vector<double>{0.6, 0.6}));
}

void tst_ReviewPromptCoordinator::reopeningCancelsTheCheckAndRecordsAUse()
{
    CoordinatorFixture f;
    f.closePopover();
    f.advance(0.5);
    f.openPopover();
    QVERIFY(!f.coordinator->hasPendingCheck());
    QCOMPARE(f.store.scheduler.pendingCount(), 0);
    f.advance(10);
    QVERIFY(!f.window.window());
    QCOMPARE(f.presentations(), 0);
    // Today counts once, however often the popover opens.
    QCOMPARE(f.prompt->usage().useDays, 7);
    f.closePopover();
    f.openPopover();
    QCOMPARE(f.prompt->usage().useDays, 7);

    // Before the library has started, nothing is recorded.
    f.store.now = f.store.now.addDays(1);
    f.libraryStarted = false;
    f.closePopover();
    f.openPopover();
    QCOMPARE(f.prompt->usage().useDays, 7);
    f.libraryStarted = true;
    f.openPopover();
    QCOMPARE(f.prompt->usage().useDays, 8);
}

void tst_ReviewPromptCoordinator::checkSkipsWhileSomethingElseIsUp_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<bool>("presents");
    QTest::newRow("nothing else up") << Setup([](auto &) {}) << true;
    QTest::newRow("popover shown again") << Setup([](auto &f) { f.popoverShown = true; }) << false;
    QTest::newRow("friction panel up") << Setup([](auto &f) { f.panelUp = true; }) << false;
    QTest::newRow("first launch not complete")
        << Setup([](auto &f) { f.settings()->setFirstLaunchCompleted(false); }) << false;
    QTest::newRow("library not started")
        << Setup([](auto &f) { f.libraryStarted = false; }) << false;
    QTest::newRow("no prompt due")
        << Setup([](auto &f) { f.defaults.setValue(fennimar::ReviewPrompt::useDaysKey, 1); })
        << false;
    QTest::newRow("review window already open")
        << Setup([](auto &f) { f.window.show(f.store.persistence.container()); }) << false;
    QTest::newRow("statistics window open")
        << Setup([](auto &f) { f.showOther(Qt::Window); }) << false;
    QTest::newRow("frameless popover still on screen")
        << Setup([](auto &f) { f.showOther(Qt::Tool | Qt::FramelessWindowHint); }) << true;
    QTest::newRow("overlay still fading out") << Setup([](auto &f) {
        f.showOther(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    }) << true;
}

void tst_ReviewPromptCoordinator::checkSkipsWhileSomethingElseIsUp()
{
    QFETCH(Setup, setup);
    QFETCH(bool, presents);
    CoordinatorFixture f;
    f.openPopover();
    f.closePopover();
    setup(f);
    const QWidget *before = f.window.window();
    const int presentationsBefore = f.presentations();
    f.advance(0.6);
    QCOMPARE(f.presentations() - presentationsBefore, presents ? 1 : 0);
    QCOMPARE(f.window.window() != before, presents);
    QVERIFY(!f.coordinator->hasPendingCheck());
}

void tst_ReviewPromptCoordinator::aCheckOutlivingItsCoordinatorDoesNothing()
{
    CoordinatorFixture f;
    f.closePopover();
    f.coordinator.reset();
    f.advance(1);
    QVERIFY(!f.window.window());
    QCOMPARE(f.presentations(), 0);
}

QTEST_MAIN(tst_ReviewPromptCoordinator)
#include "tst_ReviewPromptCoordinator.moc"
