#include <QAbstractAnimation>
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "OffscreenScreens.h"

#include "FakeActivationPolicy.h"
#include "FakeSystemAppearance.h"
#include "FrictionFixture.h"
#include "friction/BlurOverlayWindow.h"
#include "friction/FrictionPanel.h"
#include "friction/FrictionPanelController.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "model/AppSettings.h"
#include "ui/Environment.h"
#include "ui/Motion.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

Q_DECLARE_METATYPE(QList<QRect>)

namespace {

// The two screens of the offscreen desktop (see main): the primary screen
// on the right comes first, a small one on its left second.
const QRect leftScreen(0, 0, 800, 600);
const QRect rightScreen(800, 0, 1280, 800);
const QColor desktopColour(200, 100, 50);

// A controller over a streak fixture, with the panel's own collaborators.
struct Desk : frictiontest::StreakFixture {
    explicit Desk(const QString &mode = "gentle")
        : StreakFixture(mode, 3)
    {}
    FrictionPanelController &controller()
    {
        if (!m_controller) {
            m_controller =
                std::make_unique<FrictionPanelController>(FrictionPanelController::Services{
                    services(), theme, translations, policy, [this] { return windows; },
                    [](QScreen *screen) {
                        QImage image(screen->geometry().size(), QImage::Format_RGB32);
                        image.fill(desktopColour);
                        return image;
                    }});
            QObject::connect(m_controller.get(), &FrictionPanelController::panelActiveSubject,
                             m_controller.get(), [this](bool active) { sent << active; });
        }
        return *m_controller;
    }
    // Sends a new trigger through the engine and lets it arrive.
    std::shared_ptr<TriggerEvent> trigger()
    {
        auto event = addEvent();
        engine.sendTrigger(event);
        QCoreApplication::processEvents();
        return event;
    }
    std::shared_ptr<TriggerEvent> shownEvent()
    {
        auto *vm = controller().activeViewModel();
        return vm ? vm->event() : nullptr;
    }
    int visibleWindows() const
    {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            n += w->isVisible() &&
                 (qobject_cast<FrictionPanel *>(w) || qobject_cast<BlurOverlayWindow *>(w));
        return n;
    }

    testing::FakeSystemAppearance appearance;
    ThemeController theme{appearance};
    TranslationLoader translations;
    std::shared_ptr<testing::FakeActivationPolicy> backend =
        std::make_shared<testing::FakeActivationPolicy>();
    fennimar::ActivationPolicyCoordinator policy{backend};
    QList<QRect> windows;
    QList<bool> sent; // every value sent on panelActiveSubject
    std::unique_ptr<FrictionPanelController> m_controller;
};

// Lets queued deliveries and the ends of reduced animations run.
void settle()
{
    for (int i = 0; i < 4; ++i)
        QCoreApplication::processEvents();
}

// Runs every window animation of the controller to its end.
void finishWindowAnimations()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        for (auto *a : w->findChildren<QAbstractAnimation *>("halvex.friction.window"))
            a->setCurrentTime(a->totalDuration());
    }
}

} // namespace

class tst_FrictionPanelController : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Motion::setReduceMotion(true);
        QCursor::setPos(10, 10);
    }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void targetScreen_data()
    {
        QTest::addColumn<QList<QRect>>("windows");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QPoint>("mouse");
        QTest::addColumn<int>("expected");
        const QList<QRect> two{leftScreen, rightScreen};
        const QPoint onLeft(5, 5), onRight(900, 5), nowhere(-50, -50);
        QTest::newRow("one screen")
            << QList<QRect>{{5000, 5000, 10, 10}} << QList<QRect>{leftScreen} << onLeft << 0;
        QTest::newRow("window mostly on the right")
            << QList<QRect>{{700, 0, 400, 300}} << two << onLeft << 1;
        QTest::newRow("equal halves: the first screen")
            << QList<QRect>{{700, 0, 200, 300}} << two << onRight << 0;
        QTest::newRow("the largest window counts")
            << QList<QRect>{{0, 0, 100, 100}, {900, 0, 500, 500}} << two << onLeft << 1;
        QTest::newRow("equal windows: the first")
            << QList<QRect>{{0, 0, 100, 100}, {900, 0, 100, 100}} << two << onRight << 0;
        QTest::newRow("windowless: under the mouse") << QList<QRect>{} << two << onRight << 1;
        QTest::newRow("window off screen: under the mouse")
            << QList<QRect>{{-900, -900, 100, 100}} << two << onRight << 1;
        QTest::newRow("mouse nowhere: the primary") << QList<QRect>{} << two << nowhere << 1;
        QTest::newRow("no screens")
            << QList<QRect>{{0, 0, 10, 10}} << QList<QRect>{} << onLeft << -1;
    }
    void targetScreen()
    {
        QFETCH(QList<QRect>, windows);
        QFETCH(QList<QRect>, screens);
        QFETCH(QPoint, mouse);
        QTEST(FrictionPanelController::targetScreenIndex(windows, screens, mouse, 1).value_or(-1),
              "expected");
    }

    void presentsPanelOverEveryScreen()
    {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        Desk desk;
        desk.windows = {{850, 100, 600, 400}};
        desk.controller().start();
        desk.trigger();

        FrictionPanel *panel = desk.controller().activePanel();
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->screen()->geometry(), rightScreen);
        const QRect available = panel->screen()->availableGeometry();
        QCOMPARE(panel->geometry(), QRect(available.center().x() + 1 - 260,
                                          available.center().y() + 1 - 210, 520, 420));
        const Qt::WindowFlags flags = panel->windowFlags();
        QVERIFY(flags.testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool));

        const QList<BlurOverlayWindow *> overlays = desk.controller().activeOverlays();
        QCOMPARE(overlays.size(), 2);
        QCOMPARE(overlays[0]->geometry(), QGuiApplication::screens()[0]->geometry());
        QCOMPARE(overlays[1]->geometry(), QGuiApplication::screens()[1]->geometry());
        for (BlurOverlayWindow *overlay : overlays) {
            QVERIFY(overlay->isVisible());
            QVERIFY(overlay->windowFlags().testFlags(Qt::WindowTransparentForInput |
                                                     Qt::WindowDoesNotAcceptFocus));
            // The screen as it was, darkened by black at 0.28.
            const QColor dimmed = overlay->image().pixelColor(40, 40);
            QVERIFY2(qAbs(dimmed.red() - 144) <= 2 && qAbs(dimmed.green() - 72) <= 2,
                     qPrintable(dimmed.name()));
        }
        QVERIFY(desk.controller().isPanelActive());
        QCOMPARE(desk.sent, QList<bool>{true});
        QCOMPARE(desk.policy.refCount(), 1);
        QCOMPARE(desk.backend->policy, fennimar::ActivationPolicy::regular);
    }

    void subscribesOnceToUndecidedEvents()
    {
        Desk desk;
        desk.controller().start();
        desk.controller().start();
        auto decided = desk.addEvent();
        decided->setOutcomeRaw("stepBack");
        desk.engine.sendTrigger(decided);
        QCoreApplication::processEvents();
        QVERIFY(desk.sent.isEmpty());
        auto event = desk.trigger();
        QCOMPARE(desk.sent, QList<bool>{true});
        QCOMPARE(desk.shownEvent(), event);

        desk.controller().stop();
        desk.controller().dismiss(false);
        desk.trigger();
        QCOMPARE(desk.sent, (QList<bool>{true, false}));
    }

    void newerTriggerReplacesTheOpenPanel()
    {
        Desk desk("firm");
        desk.controller().start();
        auto first = desk.trigger();
        QPointer<FrictionViewModel> firstModel = desk.controller().activeViewModel();
        desk.scheduler.advance(1);
        firstModel->requestOpenAnyway(); // the firm countdown runs
        auto second = desk.addEvent();
        desk.engine.sendTrigger(second);
        QCoreApplication::processEvents(); // delivered: the first panel goes
        QVERIFY(firstModel->isCancelled());
        settle(); // faded out: the second comes up
        QCOMPARE(desk.shownEvent(), second);
        QCOMPARE(desk.sent, (QList<bool>{true, false, true}));
        QCOMPARE(desk.policy.refCount(), 1);

        // The replaced panel's countdown ends without a word: no outcome for
        // its event, and the panel now up stays.
        desk.scheduler.advance(60);
        QCOMPARE(first->outcomeRaw(), QString());
        QCOMPARE(desk.recorded, QStringList{});
        QCOMPARE(desk.shownEvent(), second);
        QCOMPARE(desk.visibleWindows(), 3);
    }

    void onlyTheNewestWaitingTriggerSurvives()
    {
        Motion::setReduceMotion(false);
        Desk desk;
        desk.controller().start();
        desk.trigger();
        finishWindowAnimations();
        QPointer<FrictionPanel> firstPanel = desk.controller().activePanel();
        auto second = desk.addEvent();
        desk.engine.sendTrigger(second);
        QCoreApplication::processEvents();
        QVERIFY(desk.controller().isAnimating());
        QCOMPARE(desk.controller().pendingEvent(), second);

        auto third = desk.addEvent();
        desk.engine.sendTrigger(third);
        QCoreApplication::processEvents(); // its own dismissal has nothing to fade
        QCoreApplication::processEvents();
        QCOMPARE(desk.shownEvent(), third);
        QVERIFY2(firstPanel && firstPanel->isVisible(), "the first panel is still fading");

        finishWindowAnimations(); // the first fade ends and finds nothing waiting
        QCoreApplication::processEvents();
        QCOMPARE(desk.shownEvent(), third);
        QVERIFY(!desk.controller().pendingEvent());
        QVERIFY(!firstPanel || !firstPanel->isVisible());
        QCOMPARE(desk.sent, (QList<bool>{true, false, false, true}));
    }

    void panelRisesWhileItFadesIn()
    {
        Motion::setReduceMotion(false);
        Desk desk;
        desk.controller().present(desk.addEvent());
        FrictionPanel *panel = desk.controller().activePanel();
        const QRect final = FrictionPanelController::panelFrame(panel->screen());
        QCOMPARE(panel->pos(), final.topLeft() + QPoint(0, 40));
        QCOMPARE(panel->windowOpacity(), 0.0);
        for (auto *overlay : desk.controller().activeOverlays())
            QCOMPARE(overlay->windowOpacity(), 0.0);
        auto *rise = panel->findChild<QAbstractAnimation *>("halvex.friction.window");
        QCOMPARE(rise->totalDuration(), 350);
        finishWindowAnimations();
        QCOMPARE(panel->pos(), final.topLeft());
        QCOMPARE(panel->windowOpacity(), 1.0);
        for (auto *overlay : desk.controller().activeOverlays())
            QCOMPARE(overlay->windowOpacity(), 1.0);
    }

    void dismissingAtStopPresentsNothing_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("waiting");
        QTest::newRow("nothing shown") << false << false;
        QTest::newRow("panel up") << true << false;
        QTest::newRow("trigger waiting") << true << true;
    }
    void dismissingAtStopPresentsNothing()
    {
        QFETCH(bool, shown);
        QFETCH(bool, waiting);
        Motion::setReduceMotion(false);
        Desk desk;
        desk.controller().start();
        if (shown)
            desk.trigger();
        if (waiting)
            desk.trigger();    // the first panel starts fading, the second waits
        desk.policy.acquire(); // another window's hold stays
        desk.controller().dismiss(false);
        QCOMPARE(desk.sent.last(), false);
        QVERIFY(!desk.controller().pendingEvent());
        QVERIFY(!desk.controller().isPanelActive());
        QCOMPARE(desk.policy.refCount(), 1);
        finishWindowAnimations();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(desk.visibleWindows(), 0);
        QVERIFY(!desk.controller().activePanel());
        QCOMPARE(desk.sent.count(true), int(shown));
    }

    // Only its buttons answer the panel: a close request leaves it up; a
    // window gone any other way takes its overlays along, undecided.
    void panelWindowGoingAway_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("staysUp");
        QTest::newRow("close request") << "close" << true;
        QTest::newRow("hidden") << "hide" << false;
        QTest::newRow("destroyed") << "delete" << false;
    }
    void panelWindowGoingAway()
    {
        QFETCH(QString, how);
        QFETCH(bool, staysUp);
        Desk desk;
        desk.controller().start();
        auto event = desk.trigger();
        FrictionPanel *panel = desk.controller().activePanel();
        QVERIFY(panel);
        QCOMPARE(desk.visibleWindows(), 3);
        if (how == "close")
            QVERIFY(!panel->close());
        else if (how == "hide")
            panel->hide();
        else
            delete panel;
        settle();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(desk.visibleWindows(), staysUp ? 3 : 0);
        QCOMPARE(desk.controller().isPanelActive(), staysUp);
        QCOMPARE(desk.controller().activeOverlays().isEmpty(), !staysUp);
        QCOMPARE(desk.policy.refCount(), staysUp ? 1 : 0);
        QVERIFY(event->outcomeRaw().isEmpty());
        QVERIFY(desk.recorded.isEmpty());
        // Gone, the next trigger still brings a panel up.
        if (!staysUp) {
            desk.trigger();
            settle();
            QVERIFY(desk.controller().activePanel());
            QCOMPARE(desk.visibleWindows(), 3);
        }
    }

    void outcomeThenDismissal()
    {
        Desk desk;
        desk.controller().start();
        auto event = desk.trigger();
        desk.scheduler.advance(1);
        auto *stepBack = desk.controller().activePanel()->findChild<QAbstractButton *>(
            "friction.button.stepBack");
        QTest::mouseClick(stepBack, Qt::LeftButton);
        QCOMPARE(event->outcomeRaw(), QString("stepBack"));
        QCOMPARE(desk.workspace.hideRequests.size(), 1);
        QVERIFY(desk.controller().isPanelActive());
        // The backdrop steps aside for the step (a covered browser would not
        // show the page it goes back to); the card stays until it is done.
        QVERIFY(desk.controller().activeOverlays().isEmpty());
        QCOMPARE(desk.visibleWindows(), 1);
        desk.scheduler.advance(0.3);
        QVERIFY(!desk.controller().isPanelActive());
        QCoreApplication::processEvents();
        QCOMPARE(desk.visibleWindows(), 0);
        QCOMPARE(desk.policy.refCount(), 0);
        QCOMPARE(desk.backend->changes, (QList{fennimar::ActivationPolicy::regular,
                                               fennimar::ActivationPolicy::accessory}));
        // The engine's resend of the decided event brings nothing up.
        QCOMPARE(desk.sent, (QList<bool>{true, false}));
    }

    // Another launch asks us to show ourselves: a panel up, or about to
    // come up, takes the request, and the focus unless its step back has
    // the application in front.
    void aRequestToComeForward_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<bool>("takesTheFocus");
        QTest::newRow("nothing up") << "none" << false << false;
        QTest::newRow("a panel up") << "up" << true << true;
        QTest::newRow("a newer trigger waits for the fade") << "waiting" << true << false;
        QTest::newRow("its step back under way") << "stepping back" << true << false;
    }
    void aRequestToComeForward()
    {
        QFETCH(QString, state);
        QFETCH(bool, takesTheFocus);
        Motion::setReduceMotion(state != "waiting");
        Desk desk;
        desk.controller().start();
        if (state != "none")
            desk.trigger();
        if (state == "waiting") {
            finishWindowAnimations();
            desk.trigger();
            QVERIFY(desk.controller().isAnimating() && desk.controller().pendingEvent());
        }
        if (state == "stepping back") {
            desk.scheduler.advance(1);
            QTest::mouseClick(desk.controller().activePanel()->findChild<QAbstractButton *>(
                                  "friction.button.stepBack"),
                              Qt::LeftButton);
            QVERIFY(desk.controller().isPanelActive());
        }
        // Another window has the focus meanwhile.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));

        QTEST(desk.controller().bringPanelForward(), "answered");
        if (takesTheFocus) {
            QTRY_COMPARE(QApplication::activeWindow(), desk.controller().activePanel());
        } else {
            settle();
            QCOMPARE(QApplication::activeWindow(), &other);
        }
    }

    void followsTheChosenLanguageAndTheme()
    {
        Desk desk;
        auto settings = AppSettings::fetchOrCreate(desk.persistence.mainContext());
        settings->setThemeRaw("dark");
        settings->setLanguageRaw("de");
        desk.controller().present(desk.addEvent());
        auto *stepBack = desk.controller().activePanel()->findChild<QAbstractButton *>(
            "friction.button.stepBack");
        QCOMPARE(stepBack->text(), QString("Zurückgehen"));
        QCOMPARE(Environment::applicationAppearance(), Appearance::dark);
        settings->setLanguageRaw("fr");
        settings->setThemeRaw("light");
        QCoreApplication::processEvents(); // the language change reaches every window
        QCOMPARE(stepBack->text(), QString("Revenir en arrière"));
        QCOMPARE(Environment::applicationAppearance(), Appearance::light);
    }
};

int main(int argc, char **argv)
{
    // Two screens side by side; the first, on the right, is the primary.
    return testing::execOnScreens(argc, argv, R"({"screens": [
        {"name": "right", "x": 800, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96},
        {"name": "left", "x": 0, "y": 0, "width": 800, "height": 600, "logicalDpi": 96}]})",
                                  [&] {
                                      tst_FrictionPanelController test;
                                      return QTest::qExec(&test, argc, argv);
                                  });
}

#include "tst_FrictionPanelController.moc"
