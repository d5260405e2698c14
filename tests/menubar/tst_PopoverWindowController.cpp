#include <QCursor>
#include <QDir>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "DesktopHarness.h"
#include "FakeActivationPolicy.h"
#include "FakeTaskbarPresence.h"
#include "FakeWorkspace.h"
#include "ManualScheduler.h"
#include "OffscreenScreens.h"
#include "Screenshots.h"
#include "StoreFixture.h"
#include "engine/StreakEngine.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/TrayIconButton.h"
#include "menubar/PopoverWindowController.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using fennimar::PopoverBehavior;

namespace {

// A status-item button standing where the test puts it.
struct FixedButton final : fennimar::StatusItemButton {
    explicit FixedButton(std::optional<QRect> frame = {})
        : frame(frame)
    {}
    std::optional<QRect> windowFrame() const override { return frame; }
    std::optional<QRect> frame;
};

const platform::RunningApplication otherApplication{QStringLiteral("org.example.Other"), 4242};

// A popover controller on fakes of the desktop, its time driven by the test.
struct PopoverFixture {
    testing::FakeWorkspace workspace;
    testing::ManualScheduler scheduler;
    std::shared_ptr<testing::FakeActivationPolicy> policyBackend =
        std::make_shared<testing::FakeActivationPolicy>();
    fennimar::ActivationPolicyCoordinator policy{policyBackend};
    testing::FakeTaskbarPresence taskbar;
    PopoverWindowController controller{{.workspace = workspace,
                                        .scheduler = scheduler,
                                        .clock = [this] { return scheduler.now(); },
                                        .activationPolicy = &policy,
                                        .taskbar = &taskbar}};
    FixedButton button{QRect(900, 4, 24, 24)};

    // Another application comes to the front.
    void turnElsewhere() { workspace.announceActivation(otherApplication); }
};

} // namespace

class tst_PopoverWindowController : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase() { QVERIFY(m_translations.load(QStringLiteral("en"))); }
    void placement_data();
    void placement();
    void withoutGeometryItSitsAtTheTopRightOfThePointersScreen();
    void onlyThePopoverAtTheIconLeavesTheTaskbar_data();
    void onlyThePopoverAtTheIconLeavesTheTaskbar();
    void eachShownPeriodHoldsPermissionMonitoringOnce();
    void clickRightAfterAFocusDismissalDoesNotReopen_data();
    void clickRightAfterAFocusDismissalDoesNotReopen();
    void modalPanelKeepsItOpen();
    void anotherWindowOfOursTakingTheFocus_data();
    void anotherWindowOfOursTakingTheFocus();
    void openActionsCloseItFirst();
    void revealShowsItAtTheSettledButtonAndFollowsIt();
    void aClickEndsTheRevealsHold();
    void aClickBeforeTheIconSettlesWins_data();
    void aClickBeforeTheIconSettlesWins();
    void placeholderUntilTheContentArrives();
};

void tst_PopoverWindowController::placement_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("icon");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("expected");
    // On a 1280 by 800 screen; a 32-pixel panel takes its edge from the available area.
    const QRect screen(0, 0, 1280, 800);
    QTest::newRow("under an icon in a top panel")
        << screen << QRect(1000, 4, 24, 24) << QRect(0, 32, 1280, 768) << QRect(841, 32, 340, 520);
    QTest::newRow("top panel, kept clear of the right edge")
        << screen << QRect(1250, 4, 24, 24) << QRect(0, 32, 1280, 768) << QRect(936, 32, 340, 520);
    QTest::newRow("top-left corner, kept clear of the left edge")
        << screen << QRect(0, 0, 24, 24) << QRect(0, 0, 1280, 800) << QRect(4, 28, 340, 520);
    QTest::newRow("above an icon in a bottom panel")
        << screen << QRect(600, 772, 24, 24) << QRect(0, 0, 1280, 768) << QRect(441, 248, 340, 520);
    QTest::newRow("right of an icon in a left panel")
        << screen << QRect(4, 400, 24, 24) << QRect(32, 0, 1248, 800) << QRect(32, 151, 340, 520);
    QTest::newRow("left of an icon in a right panel")
        << screen << QRect(1252, 400, 24, 24) << QRect(0, 0, 1248, 800)
        << QRect(908, 151, 340, 520);
    QTest::newRow("right panel, low icon kept above the bottom")
        << screen << QRect(1256, 740, 20, 20) << QRect(0, 0, 1248, 800)
        << QRect(908, 276, 340, 520);
    // The same 1280 by 800 pixels as Qt has them at 150 % and 200 %, with an
    // icon of trayer's 32-pixel panel in the top-right corner: Qt's rounding
    // puts it a point off the top and flush with the right edge.
    QTest::newRow("150 %, an icon in the top-right corner")
        << QRect(0, 0, 853, 533) << QRect(831, 1, 22, 20) << QRect(0, 0, 853, 533)
        << QRect(509, 25, 340, 520);
    QTest::newRow("200 %, an icon in the top-right corner")
        << QRect(0, 0, 640, 400) << QRect(618, 1, 22, 15) << QRect(0, 0, 640, 400)
        << QRect(296, 20, 340, 520);
    QTest::newRow("200 %, above an icon in a bottom panel")
        << QRect(0, 0, 640, 400) << QRect(600, 380, 20, 20) << QRect(0, 0, 640, 400)
        << QRect(296, -144, 340, 520);
}

void tst_PopoverWindowController::placement()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, icon);
    QFETCH(QRect, available);
    QFETCH(QRect, expected);
    QCOMPARE(PopoverWindowController::anchoredFrame(icon, screen, available), expected);
}

void tst_PopoverWindowController::onlyThePopoverAtTheIconLeavesTheTaskbar_data()
{
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("skipping");
    QTest::addColumn<int>("requests");
    // Asked before it is mapped and again once it is on screen.
    QTest::newRow("at the icon") << QStringList{"icon"} << true << 2;
    QTest::newRow("as a window") << QStringList{"window"} << false << 0;
    QTest::newRow("at the icon after a window") << QStringList{"window", "icon"} << true << 2;
}

void tst_PopoverWindowController::onlyThePopoverAtTheIconLeavesTheTaskbar()
{
    QFETCH(QStringList, shown);
    QFETCH(bool, skipping);
    QFETCH(int, requests);
    PopoverFixture f;
    for (const QString &how : shown) {
        f.controller.performClose();
        if (how == u"icon")
            f.controller.show(f.button);
        else
            f.controller.showAsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(f.controller.window()));
    }
    QTRY_COMPARE(f.taskbar.requests, requests);
    QCOMPARE(f.taskbar.isSkippingTaskbar(f.controller.window()->windowHandle()), skipping);
}

// The StatusNotifierItem road: the tray tells no geometry.
void tst_PopoverWindowController::withoutGeometryItSitsAtTheTopRightOfThePointersScreen()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    PopoverFixture f;
    for (QScreen *screen : screens) {
        QCursor::setPos(screen->geometry().center());
        QCOMPARE(QGuiApplication::screenAt(QCursor::pos()), screen);
        f.controller.show(FixedButton());
        const QRect corner = fennimar::TrayIconButton::fallbackFrame(*screen);
        const QRect frame = f.controller.window()->geometry();
        // Under the corner, flush with the screen's right edge but the margin.
        QCOMPARE(frame.top(), corner.bottom() + 1 + PopoverWindowController::anchorGap);
        QCOMPARE(frame.right(), screen->geometry().right() - PopoverWindowController::screenMargin);
        f.controller.performClose();
    }
}

void tst_PopoverWindowController::eachShownPeriodHoldsPermissionMonitoringOnce()
{
    testing::StoreFixture store;
    StreakEngine engine(store.persistence, store.dayClock, nullptr, store.scheduler);
    QStringList log;
    PopoverFixture f;
    f.controller.setStreakEngine(&engine);
    f.controller.setPermissionHooks(
        {[&] { log << "refresh"; }, [&] { log << "start"; }, [&] { log << "stop"; }});
    connect(&engine, &StreakEngine::streaksChanged, this, [&] { log << "reload"; });
    connect(&f.controller, &PopoverWindowController::didChangeOpenState, this,
            [&](bool open) { log << (open ? "open" : "closed"); });

    f.controller.show(f.button);
    QVERIFY(f.controller.isShown() && f.controller.isOpen());
    f.controller.performClose();
    QVERIFY(!f.controller.isOpen());
    // Again, closed with Esc this time.
    f.controller.show(f.button);
    QTest::keyClick(f.controller.window(), Qt::Key_Escape);
    QVERIFY(!f.controller.isShown());

    const QStringList period{"refresh", "start", "reload", "open", "stop", "closed"};
    QCOMPARE(log, period + period);
    // Showing again while shown only brings it forward.
    log.clear();
    f.controller.show(f.button);
    f.controller.show(f.button);
    QCOMPARE(log.count("open"), 1);
}

void tst_PopoverWindowController::clickRightAfterAFocusDismissalDoesNotReopen_data()
{
    // "focus": the user turned elsewhere; "click": a click on the icon;
    // "window": another window of ours closed it (as the settings window does).
    QTest::addColumn<QString>("closedBy");
    QTest::addColumn<double>("clickAfter");
    QTest::addColumn<bool>("reopens");
    QTest::newRow("closed by the click's own focus change") << "focus" << 0.1 << false;
    QTest::newRow("a later click") << "focus" << 0.6 << true;
    QTest::newRow("closed by a click, clicked again") << "click" << 0.1 << true;
    QTest::newRow("closed by another window") << "window" << 0.1 << true;
}

void tst_PopoverWindowController::clickRightAfterAFocusDismissalDoesNotReopen()
{
    QFETCH(QString, closedBy);
    QFETCH(double, clickAfter);
    QFETCH(bool, reopens);
    PopoverFixture f;
    f.controller.toggle(f.button);
    QVERIFY(f.controller.isShown());
    if (closedBy == u"focus")
        f.turnElsewhere();
    else if (closedBy == u"click")
        f.controller.toggle(f.button);
    else
        f.controller.popover()->performClose();
    QVERIFY(!f.controller.isShown());

    f.scheduler.advance(clickAfter);
    f.controller.toggle(f.button);
    QCOMPARE(f.controller.isShown(), reopens);
    // The click after that is an ordinary one again.
    if (!reopens) {
        f.controller.toggle(f.button);
        QVERIFY(f.controller.isShown());
    }
}

void tst_PopoverWindowController::anotherWindowOfOursTakingTheFocus_data()
{
    // The friction panel coming up over a blocked application reaches us as
    // our own window taking the focus, with no activation of the other.
    QTest::addColumn<QString>("taker");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("another window of ours") << "window" << false;
    QTest::newRow("a dialog of the popover's own") << "dialog" << true;
}

void tst_PopoverWindowController::anotherWindowOfOursTakingTheFocus()
{
    QFETCH(QString, taker);
    QFETCH(bool, staysOpen);
    PopoverFixture f;
    auto *content = new QWidget;
    f.controller.setContentWidget(content);
    f.controller.show(f.button);
    QVERIFY(QTest::qWaitForWindowActive(f.controller.window()));

    QWidget other(taker == u"dialog" ? content : nullptr,
                  taker == u"dialog" ? Qt::Dialog : Qt::Window);
    other.resize(200, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(f.controller.isShown(), staysOpen);
}

void tst_PopoverWindowController::modalPanelKeepsItOpen()
{
    PopoverFixture f;
    auto *content = new QWidget;
    f.controller.setContentWidget(content);
    f.controller.show(f.button);
    const Environment::ModalPanelPresenter presenter = Environment::modalPanelPresenter(content);
    QVERIFY(presenter);

    bool stayedOpen = false;
    presenter([&] {
        f.turnElsewhere(); // the panel takes the focus
        stayedOpen = f.controller.isShown() &&
                     f.controller.behavior() == PopoverBehavior::applicationDefined;
    });
    QVERIFY(stayedOpen);
    QCOMPARE(f.controller.behavior(), PopoverBehavior::transient);
    f.turnElsewhere();
    QVERIFY(!f.controller.isShown());
}

void tst_PopoverWindowController::openActionsCloseItFirst()
{
    PopoverFixture f;
    QList<bool> shownWhenHandled;
    f.controller.setOpenStatsHandler([&] { shownWhenHandled << f.controller.isShown(); });
    f.controller.show(f.button);
    f.controller.openSettings(); // no handler: it only closes
    QVERIFY(!f.controller.isShown());
    f.controller.show(f.button);
    f.controller.openStats();
    QCOMPARE(shownWhenHandled, QList<bool>{false});
}

void tst_PopoverWindowController::revealShowsItAtTheSettledButtonAndFollowsIt()
{
    PopoverFixture f;
    auto button = std::make_shared<FixedButton>(QRect(900, 4, 24, 24));
    int completions = 0;
    f.controller.revealWhenReady(button, [&] { ++completions; });
    QVERIFY(!f.controller.isShown());

    f.scheduler.advance(0.2);
    QVERIFY(f.controller.isShown());
    QCOMPARE(completions, 1);
    QCOMPARE(f.controller.window()->geometry(),
             PopoverWindowController::anchoredFrame(*button->frame));
    // Settling: an outside click leaves it open, and it follows the button.
    f.turnElsewhere();
    QVERIFY(f.controller.isShown());
    button->frame = QRect(860, 4, 24, 24);
    f.scheduler.advance(0.15);
    QCOMPARE(f.controller.window()->geometry(),
             PopoverWindowController::anchoredFrame(*button->frame));

    f.scheduler.advance(3);
    QCOMPARE(f.controller.behavior(), PopoverBehavior::transient);
    f.turnElsewhere();
    QVERIFY(!f.controller.isShown());
    QCOMPARE(completions, 1);
}

// Closed and opened again by the user's clicks while it settles: the
// popover the click opens goes when the user turns elsewhere.
void tst_PopoverWindowController::aClickEndsTheRevealsHold()
{
    PopoverFixture f;
    auto button = std::make_shared<FixedButton>(QRect(900, 4, 24, 24));
    f.controller.revealWhenReady(button);
    f.scheduler.advance(0.2);
    QVERIFY(f.controller.isShown());
    f.controller.toggle(*button);
    f.controller.toggle(*button);
    QVERIFY(f.controller.isShown());
    f.turnElsewhere();
    QVERIFY(!f.controller.isShown());
}

void tst_PopoverWindowController::aClickBeforeTheIconSettlesWins_data()
{
    QTest::addColumn<int>("clicks");
    QTest::newRow("opened by the click") << 1;
    QTest::newRow("opened and closed again") << 2;
}

// The icon is still moving into the tray when the user clicks it: what the
// clicks left stands once the icon settles, and nothing holds it open.
void tst_PopoverWindowController::aClickBeforeTheIconSettlesWins()
{
    QFETCH(int, clicks);
    PopoverFixture f;
    auto button = std::make_shared<FixedButton>(QRect(900, 4, 24, 24));
    int completions = 0;
    f.controller.revealWhenReady(button, [&] { ++completions; });
    f.scheduler.advance(0.05);
    for (int click = 0; click < clicks; ++click)
        f.controller.toggle(*button);
    f.scheduler.advance(1);
    QCOMPARE(completions, 1);
    QCOMPARE(f.controller.isShown(), clicks % 2 == 1);
    QCOMPARE(f.controller.behavior(), PopoverBehavior::transient);
}

void tst_PopoverWindowController::placeholderUntilTheContentArrives()
{
    PopoverFixture f;
    QWidget *window = f.controller.window();
    QPointer<QWidget> placeholder = window->findChild<QWidget *>("popover.placeholder");
    auto *brand = window->findChild<KitLabel *>("popover.brand");
    QVERIFY(placeholder && brand);
    QCOMPARE(brand->text(), QStringLiteral("Halvex"));
    f.controller.show(f.button);
    QCOMPARE(placeholder->geometry(), QRect(0, 0, 340, 520));
    QVERIFY(qAbs(brand->geometry().center().x() - 170) <= 1);

    for (const auto &[appearance, name] :
         {std::pair{Appearance::dark, "dark"}, {Appearance::light, "light"}}) {
        Environment::setApplicationAppearance(appearance);
        const QImage image = window->grab().toImage();
        QCOMPARE(image.pixelColor(170, 20), Color::background().resolve(appearance));
        QVERIFY(
            !testing::screenshots::save(
                 image, QStringLiteral("menubar-popover-placeholder-%1").arg(QLatin1String(name)))
                 .isEmpty());
    }

    auto *content = new QWidget;
    f.controller.setContentWidget(content);
    QCoreApplication::sendPostedEvents(); // the layout, then the placeholder's deletion
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!placeholder);
    QCOMPARE(content->geometry(), window->rect());
}

int main(int argc, char **argv)
{
    return testing::execOnScreens(argc, argv, R"({"screens": [
        {"name": "primary", "x": 0, "y": 0, "width": 1000, "height": 700, "logicalDpi": 96},
        {"name": "second", "x": 1000, "y": 0, "width": 800, "height": 600, "logicalDpi": 96}]})",
                                  [&] {
                                      tst_PopoverWindowController test;
                                      return QTest::qExec(&test, argc, argv);
                                  });
}

#include "tst_PopoverWindowController.moc"
