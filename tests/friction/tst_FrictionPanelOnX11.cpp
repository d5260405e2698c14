// The heart of the application on a real desktop: a blocked application's
// window comes to the front, the workspace, the frontmost detector, the
// trigger watcher and the engine turn it into a trigger, and the friction
// panel comes up over a blurred screen; the user's choice goes back to the
// engine. Screenshots of the panel in each mode are saved under
// $HALVEX_SCREENSHOT_DIR (else
// $TMPDIR/halvex-screenshots).
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <xcb/xcb.h>

#include "FakeSystemAppearance.h"
#include "LiveTriggerRoad.h"
#include "ManualScheduler.h"
#include "Screenshots.h"
#include "engine/BypassController.h"
#include "engine/StreakEngine.h"
#include "friction/BlurOverlayWindow.h"
#include "friction/FrictionOutcome.h"
#include "friction/FrictionPanel.h"
#include "friction/FrictionPanelController.h"
#include "friction/ResetAnimationView.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "model/AppSettings.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Tombstone.h"
#include "platform/X11AllDesktops.h"
#include "platform/X11Connection.h"
#include "ui/Motion.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using platform::RunningApplication;
using testing::ms;

namespace {

// This process's windows and the blocked application's, told apart by WM_CLASS.
const testing::ForegroundScene::Application own{QStringLiteral("org.example.PanelProbe"),
                                                QStringLiteral("Panel probe"),
                                                QStringLiteral("HalvexPanelProbe")};
const testing::ForegroundScene::Application helper = testing::ForegroundScene::distraction();

// Asks the window manager what a pager or a key binding asks of it, and
// reads what it tells: desktops (openbox unmaps the windows of every other
// desktop), stacking, focus and window states.
class Desktops final {
public:
    bool isConnected() const { return m_x.isValid(); }
    quint32 root() const { return m_x.root(); }
    std::optional<quint32> current() const { return cardinal(m_x.root(), "_NET_CURRENT_DESKTOP"); }
    std::optional<quint32> count() const { return cardinal(m_x.root(), "_NET_NUMBER_OF_DESKTOPS"); }
    void request(const char *what, quint32 value) const { ask(m_x.root(), what, {value}); }
    QList<quint32> stacking() const { return m_x.stackingOrder(); }
    std::optional<quint32> active() const { return m_x.activeWindow(); }
    bool hasState(quint32 window, const char *state) const
    {
        return m_x.cardinalProperty(window, atom("_NET_WM_STATE"), XCB_ATOM_ATOM)
            .contains(atom(state));
    }
    // As a key binding or a window's own menu asks for it.
    void setFullScreen(quint32 window, bool on) const
    {
        ask(window, "_NET_WM_STATE", {on ? 1u : 0u, atom("_NET_WM_STATE_FULLSCREEN"), 0, 2});
    }
    // A request about `window` to the window manager, as a pager or a key
    // binding sends it.
    void ask(quint32 window, const char *what, QList<quint32> data) const
    {
        send(m_x.root(), window, atom(what), data,
             XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);
    }
    // What the window manager sends a window it wants closed.
    void deleteWindow(quint32 window) const
    {
        send(window, window, atom("WM_PROTOCOLS"), {atom("WM_DELETE_WINDOW"), XCB_CURRENT_TIME},
             XCB_EVENT_MASK_NO_EVENT);
    }
    bool isViewable(quint32 window) const
    {
        xcb_connection_t *c = m_x.connection();
        auto *r = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
        const bool viewable = r && r->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(r);
        return viewable;
    }
    QList<quint32> windowsOf(qint32 pid) const { return m_x.windowsOfProcess(pid); }

private:
    void send(quint32 to, quint32 window, xcb_atom_t type, const QList<quint32> &data,
              uint32_t mask) const
    {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = type;
        for (int i = 0; i < qMin(5, int(data.size())); ++i)
            message.data.data32[i] = data[i];
        xcb_send_event(m_x.connection(), 0, to, mask, reinterpret_cast<const char *>(&message));
        xcb_flush(m_x.connection());
    }
    xcb_atom_t atom(const char *name) const
    {
        xcb_connection_t *c = m_x.connection();
        auto *r =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(qstrlen(name)), name), nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_NONE);
        std::free(r);
        return a;
    }
    std::optional<quint32> cardinal(quint32 window, const char *name) const
    {
        xcb_connection_t *c = m_x.connection();
        auto *r = xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, atom(name), XCB_ATOM_CARDINAL, 0, 1), nullptr);
        std::optional<quint32> value;
        if (r && r->format == 32 && xcb_get_property_value_length(r) >= 4)
            value = *static_cast<const quint32 *>(xcb_get_property_value(r));
        std::free(r);
        return value;
    }

    platform::X11Connection m_x;
};

// Counts the events of one kind that reach the object it watches.
class EventCounter final : public QObject {
public:
    explicit EventCounter(QEvent::Type type)
        : m_type(type)
    {}
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        count += event->type() == m_type;
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type m_type;
};

// Tells when the window it watches is first exposed on screen.
class ExposeSpy final : public QObject {
public:
    explicit ExposeSpy(std::function<void()> onExposed)
        : m_onExposed(std::move(onExposed))
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed())
            m_onExposed();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onExposed;
};

// Counts the changes of one property of a window as the X server reports
// them, on a connection of its own: a change undone at once still counts.
class PropertyChanges final {
public:
    PropertyChanges(quint32 window, const char *property)
        : m_window(window)
        , m_property(m_x.atom(property))
    {
        const quint32 mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(m_x.connection(), window, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_x.connection());
    }
    int count()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_x.connection())) {
            const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
            m_count += (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY &&
                       notify->window == m_window && notify->atom == m_property;
            std::free(event);
        }
        return m_count;
    }

private:
    platform::X11Connection m_x;
    quint32 m_window;
    quint32 m_property;
    int m_count = 0;
};

} // namespace

class tst_FrictionPanelOnX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void stepBackHidesTheBlockedApplication();
    void stepBackHidesEveryProcessOfTheApplication();
    void theWindowManagerCannotTakeThePanelAway_data();
    void theWindowManagerCannotTakeThePanelAway();
    void aPauseThatEndsBringsThePanelBackOverTheApplication();
    void aFullScreenApplicationComesBackUnderItsPanel_data();
    void aFullScreenApplicationComesBackUnderItsPanel();
    void firmModeCountsDownAndCancels();
    void brutalModeNeedsTheCountdownAndTheConfession();

private:
    RunningApplication helperApp() const { return m_scene.helperApp(); }
    RunningApplication ownApp() const { return m_scene.ownApp(); }
    platform::X11Workspace &workspace() const { return m_scene.workspace(); }
    // Brings the blocked application (its first process unless told) to the
    // front and waits for its panel, timing the way from the activation
    // request to the panel on screen.
    bool bringUpPanel(const QString &name, std::optional<RunningApplication> app = {});
    // The panel's windows: the overlays from the bottom up, then the panel.
    QList<quint32> panelWindows() const
    {
        QList<quint32> windows;
        for (BlurOverlayWindow *overlay : m_controller->activeOverlays())
            windows << quint32(overlay->winId());
        return windows << quint32(panel()->winId());
    }
    bool twoDesktops(const Desktops &desktops)
    {
        if (desktops.count().value_or(1) < 2)
            desktops.request("_NET_NUMBER_OF_DESKTOPS", 2);
        return QTest::qWaitFor([&] { return desktops.count().value_or(1) >= 2; });
    }
    FrictionPanel *panel() const { return m_controller->activePanel(); }
    template <typename T = QWidget> T *find(const QString &name) const
    {
        return panel() ? panel()->findChild<T *>(name) : nullptr;
    }
    void click(const QString &name)
    {
        QWidget *w = find(name);
        QVERIFY2(w && w->isVisible(), qPrintable(name));
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    // Where each widget of the panel that shows is, as a comparable list.
    QStringList layoutOfPanel() const
    {
        QStringList places;
        for (QWidget *w : panel()->findChildren<QWidget *>()) {
            if (!w->isVisible())
                continue;
            const QRect r(w->mapTo(panel(), QPoint(0, 0)), w->size());
            places << QStringLiteral("%1 %2 at %3,%4 %5x%6")
                          .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
                          .arg(r.x())
                          .arg(r.y())
                          .arg(r.width())
                          .arg(r.height());
        }
        return places;
    }
    void settleLayout()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCoreApplication::processEvents();
        }
    }
    // A grab does not run the layouts still pending, the screen does: the
    // picture is taken once they have run, and must show the panel as it
    // stays on screen.
    void screenshot(const QString &name)
    {
        settleLayout();
        const QStringList pictured = layoutOfPanel();
        QVERIFY(!testing::screenshots::save(panel()->grab().toImage(), name).isEmpty());
        settleLayout();
        QCOMPARE(layoutOfPanel(), pictured);
    }
    QString storedOutcome(const std::shared_ptr<TriggerEvent> &event)
    {
        QSqlQuery q(m_persistence.container().database());
        q.prepare(QStringLiteral("SELECT outcomeRaw FROM \"TriggerEvent\" WHERE id = ?"));
        q.addBindValue(event->id().toString(QUuid::WithoutBraces).toUpper());
        return q.exec() && q.next() ? q.value(0).toString() : QStringLiteral("-");
    }
    bool panelGone()
    {
        return QTest::qWaitFor(
            [this] {
                m_scheduler.advance(0.05);
                return !m_controller->activePanel() && !m_controller->isAnimating();
            },
            10000);
    }

    testing::DesktopHarness m_desktop;
    testing::ForegroundScene m_scene{m_desktop, own};

    PersistenceController m_persistence{true};
    // The panel's timers (lockout, countdowns, dismissal), the engine's, the
    // watcher's and the clock move together when the test says.
    testing::ManualScheduler m_scheduler;
    const QDateTime m_startedAt = QDateTime::currentDateTimeUtc();
    DayClock m_dayClock{[this] { return m_startedAt.addMSecs(qint64(m_scheduler.now() * 1000)); },
                        QTimeZone::systemTimeZone()};
    std::unique_ptr<BypassController> m_bypass;
    std::unique_ptr<StreakEngine> m_engine;
    std::unique_ptr<testing::LiveTriggerRoad> m_road;
    testing::FakeSystemAppearance m_appearance;
    std::unique_ptr<ThemeController> m_theme;
    TranslationLoader m_translations;
    std::unique_ptr<fennimar::ActivationPolicyCoordinator> m_policy;
    std::unique_ptr<FrictionPanelController> m_controller;
    std::shared_ptr<Streak> m_streak;
    std::vector<std::shared_ptr<TriggerEvent>> m_events;
    std::vector<double> m_latencies;
};

void tst_FrictionPanelOnX11::initTestCase()
{
    // Something worth blurring.
    const QString why = m_scene.setUp({.title = QStringLiteral("distraction"),
                                       .size = QSize(900, 560),
                                       .background = QColor(0x1f8a70),
                                       .text = QStringLiteral("Endless feed")});
    QVERIFY2(why.isEmpty(), qPrintable(why));

    // A streak of twelve days against the distraction.
    m_streak = std::make_shared<Streak>(
        QUuid::createUuid(), QStringLiteral("Distraction"), StreakType::app, StrictnessMode::gentle,
        QStringList{}, QStringList{}, QStringList{helper.id}, m_dayClock.now().addDays(-12));
    m_streak->setModeRaw(QStringLiteral("gentle"));
    m_persistence.mainContext().insert(m_streak);
    QVERIFY(m_persistence.mainContext().save().hasValue());

    m_bypass = std::make_unique<BypassController>(m_persistence, m_dayClock,
                                                  QTimeZone::systemTimeZone(), m_scheduler);
    m_engine =
        std::make_unique<StreakEngine>(m_persistence, m_dayClock, m_bypass.get(), m_scheduler);
    connect(m_engine.get(), &StreakEngine::triggerSubject, this,
            [this](const std::shared_ptr<TriggerEvent> &event) {
                if (event->outcomeRaw().isEmpty())
                    m_events.push_back(event);
            });
    m_road = std::make_unique<testing::LiveTriggerRoad>(
        m_scene, *m_engine, m_persistence, [this] { return m_dayClock.now(); }, m_scheduler);

    m_theme = std::make_unique<ThemeController>(m_appearance);
    // The live task-bar policy; the application runs as an accessory.
    m_policy = std::make_unique<fennimar::ActivationPolicyCoordinator>();
    m_policy->backend().setActivationPolicy(fennimar::ActivationPolicy::accessory);
    m_controller = std::make_unique<FrictionPanelController>(FrictionPanelController::Services{
        {*m_engine, *m_bypass, m_persistence, {}, workspace(), m_dayClock, m_scheduler},
        *m_theme,
        m_translations,
        *m_policy,
        FrictionPanelController::liveFrontmostWindowFrames(workspace()),
    });
    // Windows land where they are put at once; screenshots show the settled state.
    Motion::setReduceMotion(true);
    // The new window of the distraction took the focus: start from our own.
    QVERIFY(workspace().activate(ownApp()));
    QTRY_COMPARE_WITH_TIMEOUT(workspace().frontmostApplication(), std::optional(ownApp()), 10000);
    m_road->watcher.start();
    m_controller->start();
    QCoreApplication::processEvents(); // what the controller loads ahead, at start-up
}

void tst_FrictionPanelOnX11::cleanupTestCase()
{
    if (m_controller) {
        m_controller->stop();
        m_controller->dismiss(false);
    }
    if (m_road)
        m_road->watcher.stop();
    if (!m_latencies.empty()) {
        std::sort(m_latencies.begin(), m_latencies.end());
        qInfo("activation request to panel on screen over %d triggers: min %.2f ms, median "
              "%.2f ms, max %.2f ms",
              int(m_latencies.size()), m_latencies.front(), m_latencies[m_latencies.size() / 2],
              m_latencies.back());
    }
    qInfo("screenshots in %s", qPrintable(testing::screenshots::directory()));
}

void tst_FrictionPanelOnX11::cleanup()
{
    // A row that failed with its panel up must not fail the next ones too.
    FrictionViewModel *left = m_controller->activeViewModel();
    const std::shared_ptr<TriggerEvent> event = left ? left->event() : nullptr;
    // Undecided, the event keeps the watcher from firing again meanwhile.
    if (left)
        m_controller->dismiss(false);
    // Each row starts from our own window, with the distraction out of sight.
    const auto hidden = [this] { return workspace().isHidden(helperApp()); };
    const bool settled = (hidden() || (workspace().hide(helperApp()) && QTest::qWaitFor(hidden))) &&
                         m_scene.bringToFront(ownApp(), [this] {
                             return m_road->detector.current() == std::optional(ownApp());
                         });
    if (!settled)
        qWarning("the desktop could not be settled after the row");
    if (event)
        m_engine->recordOutcome(event, TriggerOutcome::stepBack);
    // The distraction is news to the watcher in the next row, however late
    // the window manager put it out of sight after this one's step back.
    m_engine->sendRulesChanged(true);
}

bool tst_FrictionPanelOnX11::bringUpPanel(const QString &name,
                                          std::optional<RunningApplication> app)
{
    // Times are taken where things happen, and the wait is an event loop of
    // its own: polling would add its own naps to what is measured.
    const size_t before = m_events.size();
    QElapsedTimer clock;
    qint64 reportedAt = -1, sentAt = -1, shownAt = -1, exposedAt = -1;
    QEventLoop loop;
    ExposeSpy exposed([&] {
        if (exposedAt < 0)
            exposedAt = clock.nsecsElapsed();
        loop.quit();
    });
    const QList<QMetaObject::Connection> connections{
        connect(&m_road->detector, &FrontmostDetecting::frontmostChanged, this,
                [&](const std::optional<RunningApplication> &app) {
                    if (app && app->bundleIdentifier == helper.id)
                        reportedAt = clock.nsecsElapsed();
                }),
        connect(m_engine.get(), &StreakEngine::triggerSubject, this,
                [&] { sentAt = clock.nsecsElapsed(); }),
        connect(m_controller.get(), &FrictionPanelController::panelActiveSubject, this,
                [&](bool active) {
                    if (!active)
                        return;
                    shownAt = clock.nsecsElapsed();
                    panel()->windowHandle()->installEventFilter(&exposed);
                }),
    };
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    clock.start();
    if (workspace().activate(app.value_or(helperApp())))
        loop.exec();
    for (const auto &connection : connections)
        disconnect(connection);
    if (exposedAt < 0 || m_events.size() != before + 1) {
        qWarning("%s: no panel; seen in front %s, triggers %d, panel shown %s", qPrintable(name),
                 reportedAt < 0 ? "never" : "yes", int(m_events.size() - before),
                 shownAt < 0 ? "never" : "yes");
        return false;
    }
    m_latencies.push_back(ms(exposedAt));
    qInfo("%s: activation request to detector %.2f ms, to trigger %.2f ms, to panel shown "
          "%.2f ms, to panel exposed %.2f ms",
          qPrintable(name), ms(reportedAt), ms(sentAt), ms(shownAt), ms(exposedAt));
    return true;
}

void tst_FrictionPanelOnX11::stepBackHidesTheBlockedApplication()
{
    QVERIFY(bringUpPanel("gentle"));
    const auto event = m_events.back();
    QCOMPARE(m_controller->activeViewModel()->event(), event);

    // One overlay per screen, the panel centred on the screen in use, in front with the focus.
    const QList<QScreen *> screens = QGuiApplication::screens();
    QCOMPARE(m_controller->activeOverlays().size(), screens.size());
    for (int i = 0; i < screens.size(); ++i)
        QCOMPARE(m_controller->activeOverlays()[i]->geometry(), screens[i]->geometry());
    QCOMPARE(panel()->geometry(), FrictionPanelController::panelFrame(panel()->screen()));
    QCOMPARE(panel()->size(), QSize(520, 420));
    QTRY_VERIFY(panel()->isActiveWindow());
    QCOMPARE(m_policy->refCount(), 1);
    QCOMPARE(m_policy->backend().activationPolicy(), fennimar::ActivationPolicy::regular);
    screenshot("panel-gentle");
    QVERIFY(!m_desktop.screenshot(QStringLiteral("screen-gentle")).isEmpty());

    // Up on every desktop: switching desktops leaves nothing usable behind it.
    platform::X11AllDesktops all;
    QList<QWidget *> ours{panel()};
    for (BlurOverlayWindow *overlay : m_controller->activeOverlays())
        ours << overlay;
    for (QWidget *window : ours)
        QCOMPARE(all.desktopOf(platform::X11AllDesktops::Window(window->winId())),
                 std::optional(platform::X11AllDesktops::allDesktops));
    Desktops desktops;
    QVERIFY(desktops.isConnected());
    QVERIFY(twoDesktops(desktops));
    const quint32 home = desktops.current().value_or(0);
    const QList<quint32> distraction = desktops.windowsOf(helperApp().processIdentifier);
    QVERIFY(!distraction.isEmpty());
    desktops.request("_NET_CURRENT_DESKTOP", home == 0 ? 1 : 0);
    QTRY_VERIFY(desktops.current() != std::optional(home));
    QTRY_VERIFY(!desktops.isViewable(distraction.first())); // left behind, as it should be
    for (QWidget *window : ours)
        QVERIFY(desktops.isViewable(quint32(window->winId())));
    screenshot("panel-gentle-other-desktop");
    desktops.request("_NET_CURRENT_DESKTOP", home);
    QTRY_COMPARE(desktops.current(), std::optional(home));
    QTRY_VERIFY(desktops.isViewable(distraction.first()));

    m_scheduler.advance(1.0); // the lockout ends
    QVERIFY(find("friction.button.stepBack")->isEnabled());
    screenshot("panel-gentle-enabled");
    click("friction.button.stepBack");
    QTRY_VERIFY(workspace().isHidden(helperApp()));
    QCOMPARE(storedOutcome(event), QString("stepBack"));
    QVERIFY(panelGone());
    QCOMPARE(m_policy->refCount(), 0);
    QCOMPARE(m_policy->backend().activationPolicy(), fennimar::ActivationPolicy::accessory);
}

void tst_FrictionPanelOnX11::stepBackHidesEveryProcessOfTheApplication()
{
    // Launched again while the first is hidden, it makes a process of its
    // own, whose new window takes the focus and brings up the panel.
    QVERIFY(workspace().hide(helperApp()));
    QTRY_VERIFY(workspace().isHidden(helperApp()));
    const size_t launched = m_events.size();
    QProcess *second = m_desktop.startHelperWindow({.windowClass = helper.windowClass,
                                                    .title = QStringLiteral("distraction 2"),
                                                    .size = QSize(700, 440),
                                                    .background = QColor(0x8a1f4d),
                                                    .text = QStringLiteral("Another feed")});
    QVERIFY(second);
    const RunningApplication secondApp{helper.id, qint32(second->processId())};
    QTRY_VERIFY_WITH_TIMEOUT(m_events.size() == launched + 1 && panel() && panel()->isVisible(),
                             10000);
    QVERIFY(workspace().isRunning(secondApp));
    screenshot("panel-second-process");
    const auto event = m_events.back();
    m_scheduler.advance(1.0);
    click("friction.button.stepBack");
    QTRY_VERIFY(workspace().isHidden(helperApp()) && workspace().isHidden(secondApp));
    QCOMPARE(storedOutcome(event), QString("stepBack"));
    QVERIFY(panelGone());

    // Nothing of the application is left in front to bring the panel back.
    const size_t before = m_events.size();
    QVERIFY(!QTest::qWaitFor(
        [&] {
            m_scheduler.advance(0.05);
            return m_events.size() != before || m_controller->activePanel() ||
                   !workspace().isHidden(helperApp()) || !workspace().isHidden(secondApp);
        },
        5000));
    second->terminate();
    QVERIFY(second->waitForFinished(10000));
}

void tst_FrictionPanelOnX11::theWindowManagerCannotTakeThePanelAway_data()
{
    QTest::addColumn<bool>("toBackdrop"); // the requests go to the backdrop, else to the panel
    QTest::newRow("panel") << false;
    QTest::newRow("backdrop") << true;
}

void tst_FrictionPanelOnX11::theWindowManagerCannotTakeThePanelAway()
{
    QFETCH(bool, toBackdrop);
    QVERIFY(bringUpPanel(QStringLiteral("requests to the ") + QTest::currentDataTag()));
    const auto event = m_events.back();
    FrictionPanel *const shown = panel();
    const QList<quint32> windows = panelWindows();
    QWidget *const target =
        toBackdrop ? static_cast<QWidget *>(m_controller->activeOverlays().first()) : shown;
    const auto window = quint32(target->winId());
    Desktops wm;
    QVERIFY(wm.isConnected());
    // Up, and the panel above its backdrop.
    const auto allUp = [&] {
        if (panel() != shown || !shown->isVisible() || target->isMinimized())
            return false;
        const QList<quint32> stacking = wm.stacking();
        for (qsizetype i = 0; i < windows.size(); ++i) {
            if (!wm.isViewable(windows[i]) ||
                (i > 0 && stacking.indexOf(windows[i]) < stacking.indexOf(windows[i - 1])))
                return false;
        }
        return true;
    };
    QVERIFY(allUp());
    // Neither has an entry of its own to be closed or minimised from.
    for (const quint32 w : windows) {
        QVERIFY(wm.hasState(w, "_NET_WM_STATE_SKIP_TASKBAR"));
        QVERIFY(wm.hasState(w, "_NET_WM_STATE_SKIP_PAGER"));
    }

    // Alt+F4 and a pager's close both end as the window manager's close
    // request; each is seen arriving, and refused.
    EventCounter closes(QEvent::Close);
    target->installEventFilter(&closes);
    wm.ask(window, "_NET_CLOSE_WINDOW", {XCB_CURRENT_TIME, 2});
    QTRY_COMPARE(closes.count, 1);
    wm.deleteWindow(window);
    QTRY_COMPARE(closes.count, 2);
    QCoreApplication::processEvents();
    QVERIFY(allUp());

    // Minimised, it comes straight back: the window manager is seen
    // minimising it (it may be back before this process hears of it).
    PropertyChanges minimised(window, "WM_STATE");
    wm.ask(window, "WM_CHANGE_STATE", {3 /* IconicState */});
    QTRY_VERIFY(minimised.count() >= 1 && allUp());
    QTRY_VERIFY(shown->isActiveWindow());

    // Sent to one desktop ("send to next desktop"), it is put back on all
    // of them at once: the move and the way back are both seen.
    QVERIFY(twoDesktops(wm));
    PropertyChanges moves(window, "_NET_WM_DESKTOP");
    const quint32 other = wm.current().value_or(0) == 0 ? 1 : 0;
    wm.ask(window, "_NET_WM_DESKTOP", {other, 2});
    const platform::X11AllDesktops all;
    QTRY_VERIFY_WITH_TIMEOUT(
        moves.count() >= 2 && all.desktopOf(window) == platform::X11AllDesktops::allDesktops, 1000);
    QTRY_VERIFY(allUp());
    settleLayout(); // the panel repaints what the backdrop's return covered
    QVERIFY(
        !m_desktop
             .screenshot(QStringLiteral("screen-after-requests-to-the-") + QTest::currentDataTag())
             .isEmpty());
    QCOMPARE(storedOutcome(event), QString());

    // Still answerable.
    m_scheduler.advance(1.0);
    click("friction.button.stepBack");
    QCOMPARE(storedOutcome(event), QString("stepBack"));
    QVERIFY(panelGone());
    for (const quint32 w : std::as_const(windows))
        QTRY_VERIFY(!wm.isViewable(w));
}

void tst_FrictionPanelOnX11::aFullScreenApplicationComesBackUnderItsPanel_data()
{
    QTest::addColumn<bool>("byKeys"); // Alt+Tab, else activated as a task bar does
    QTest::newRow("activated from a task bar") << false;
    QTest::newRow("Alt+Tab") << true;
}

void tst_FrictionPanelOnX11::aFullScreenApplicationComesBackUnderItsPanel()
{
    QFETCH(bool, byKeys);
    Desktops wm;
    QVERIFY(wm.isConnected());
    const QList<quint32> helperWindows = wm.windowsOf(helperApp().processIdentifier);
    QCOMPARE(helperWindows.size(), 1);
    const quint32 app = helperWindows.first();
    // Out of sight while it goes full screen, so that only the activation
    // below brings it up.
    QVERIFY(workspace().hide(helperApp()));
    QTRY_VERIFY(workspace().isHidden(helperApp()));
    wm.setFullScreen(app, true);
    QTRY_VERIFY(wm.hasState(app, "_NET_WM_STATE_FULLSCREEN"));

    QVERIFY(bringUpPanel(QStringLiteral("full screen, ") + QTest::currentDataTag()));
    QTRY_COMPARE(m_desktop.frame(app), QRect(QPoint(0, 0), m_desktop.screenSize()));
    const auto event = m_events.back();
    const QList<quint32> windows = panelWindows();
    // The application under everything of the panel, the panel with the focus.
    const auto inFront = [&] {
        const QList<quint32> stacking = wm.stacking();
        qsizetype below = stacking.indexOf(app);
        for (const quint32 w : windows) {
            const qsizetype at = stacking.indexOf(w);
            if (at <= below)
                return false;
            below = at;
        }
        return wm.active() == std::optional(windows.last());
    };
    QTRY_VERIFY(inFront());

    // The window manager stacks a focused window in full screen above all.
    const size_t triggers = m_events.size();
    PropertyChanges focus(wm.root(), "_NET_ACTIVE_WINDOW");
    if (byKeys)
        QVERIFY(m_desktop.runTool(QStringLiteral("xdotool"),
                                  {QStringLiteral("key"), QStringLiteral("alt+Tab")}));
    else
        QVERIFY(workspace().activate(helperApp()));
    QTRY_VERIFY(focus.count() >= 2 && inFront()); // it had the focus, and the panel took it back
    QVERIFY2(!QTest::qWaitFor([&] { return !inFront(); }, 2000), "covered again");
    QVERIFY(!m_desktop.screenshot(QStringLiteral("screen-full-screen-") + QTest::currentDataTag())
                 .isEmpty());
    QCOMPARE(m_events.size(), triggers); // the application came back, but fired nothing

    m_scheduler.advance(1.0);
    click("friction.button.stepBack");
    QTRY_VERIFY(workspace().isHidden(helperApp()));
    QCOMPARE(storedOutcome(event), QString("stepBack"));
    QVERIFY(panelGone());
    wm.setFullScreen(app, false);
    QTRY_VERIFY(!wm.hasState(app, "_NET_WM_STATE_FULLSCREEN"));
}

void tst_FrictionPanelOnX11::aPauseThatEndsBringsThePanelBackOverTheApplication()
{
    // The last row's step back keeps the application hidden a moment longer
    // than its panel: that moment passes first, while it is out of sight.
    m_scheduler.advance(FrictionOutcome::keepHiddenIntervalSeconds *
                        (FrictionOutcome::keepHiddenRounds + 1));
    QVERIFY(bringUpPanel("pause"));
    const auto paused = m_events.back();
    m_scheduler.advance(1.0); // the lockout ends
    click("friction.button.moreOptions");
    click("friction.button.pause");
    QCOMPARE(storedOutcome(paused), QString("pause"));
    QVERIFY(panelGone());

    // The user goes on working in it, in front and on screen, for the hour.
    Desktops wm;
    QVERIFY(wm.isConnected());
    const QList<quint32> app = wm.windowsOf(helperApp().processIdentifier);
    QCOMPARE(app.size(), 1);
    const QRect screen(QPoint(0, 0), m_desktop.screenSize());
    const auto onScreen = [&] {
        return wm.isViewable(app.first()) && screen.contains(m_desktop.frame(app.first()));
    };
    QVERIFY(m_scene.bringToFront(helperApp(), [&] {
        return m_road->detector.current() == std::optional(helperApp()) && onScreen();
    }));
    const size_t before = m_events.size();
    QVERIFY(m_streak->pausedUntil());
    const double left = m_dayClock.now().msecsTo(*m_streak->pausedUntil()) / 1000.0;
    QVERIFY(left > 1.0);
    m_scheduler.advance(left - 1.0);
    QCoreApplication::processEvents();
    QCOMPARE(m_events.size(), before);
    QVERIFY(!panel());
    QCOMPARE(m_road->detector.current(), std::optional(helperApp()));

    // A second past its end, the pause is over: its panel is up over it.
    m_scheduler.advance(2.0);
    QTRY_VERIFY_WITH_TIMEOUT(
        panel() && panel()->windowHandle()->isExposed() && panel()->isActiveWindow(), 10000);
    QCOMPARE(m_events.size(), before + 1);
    const auto event = m_events.back();
    QCOMPARE(event->streakId(), m_streak->id());
    QCOMPARE(event->matchedBundleId(), std::optional(helper.id));
    QCOMPARE(m_controller->activeViewModel()->event(), event);
    const QList<quint32> windows = panelWindows();
    const auto overTheApplication = [&] {
        const QList<quint32> stacking = wm.stacking();
        if (!onScreen())
            return false;
        for (const quint32 w : windows) {
            if (!wm.isViewable(w) || stacking.indexOf(w) < stacking.indexOf(app.first()))
                return false;
        }
        return true;
    };
    QTRY_VERIFY(overTheApplication());
    settleLayout();
    QVERIFY(!m_desktop.screenshot(QStringLiteral("screen-pause-ended")).isEmpty());

    // The minutes after bring nothing more: the same panel stays up.
    FrictionPanel *const shown = panel();
    m_scheduler.advance(180.0);
    QCoreApplication::processEvents();
    QCOMPARE(m_events.size(), before + 1);
    QCOMPARE(panel(), shown);
    QVERIFY(overTheApplication());

    m_scheduler.advance(1.0);
    click("friction.button.stepBack");
    QTRY_VERIFY(workspace().isHidden(helperApp()));
    QCOMPARE(storedOutcome(event), QString("stepBack"));
    QVERIFY(panelGone());
}

void tst_FrictionPanelOnX11::firmModeCountsDownAndCancels()
{
    m_streak->setModeRaw(QStringLiteral("firm"));
    m_streak->setAllowDailyFreePass(true);
    auto settings = AppSettings::fetchOrCreate(m_persistence.mainContext());
    settings->setThemeRaw(QStringLiteral("dark"));
    QVERIFY(m_persistence.mainContext().save().hasValue());

    QVERIFY(bringUpPanel("firm"));
    const auto event = m_events.back();
    screenshot("panel-firm-dark");
    m_scheduler.advance(1.0);
    click("friction.button.moreOptions");
    QVERIFY(find("friction.button.freePass")->isVisible());
    screenshot("panel-firm-more-options-dark");

    click("friction.button.openAnyway");
    QVERIFY(find("friction.button.firmCountdown")->isVisible());
    QVERIFY(!find("friction.button.firmCountdown")->isEnabled());
    m_scheduler.advance(10);
    QTest::keyClicks(find("friction.panel.reflectionField"), "Just checking one thing");
    screenshot("panel-firm-countdown-dark");
    click("friction.button.firmCancel");
    QVERIFY(find("friction.button.stepBack")->isVisible());
    QCOMPARE(storedOutcome(event), QString());

    // Back out; the step back re-arms the watcher for the next trigger.
    click("friction.button.stepBack");
    QVERIFY(panelGone());
    QCOMPARE(storedOutcome(event), QString("stepBack"));
    settings->setThemeRaw(QStringLiteral("light"));
}

void tst_FrictionPanelOnX11::brutalModeNeedsTheCountdownAndTheConfession()
{
    m_streak->setModeRaw(QStringLiteral("brutal"));
    QVERIFY(m_persistence.mainContext().save().hasValue());
    const QDateTime startedBefore = m_streak->startedAt();

    QVERIFY(bringUpPanel("brutal"));
    const auto event = m_events.back();
    screenshot("panel-brutal");
    m_scheduler.advance(1.0);
    click("friction.button.openAnyway");
    auto *confession = find<QPlainTextEdit>("friction.brutal.confession");
    QVERIFY(confession && confession->isVisible());
    m_scheduler.advance(12);
    QTest::keyClicks(confession, "I want to open it anyway because I am bored.");
    QVERIFY(!find("friction.brutal.submit")->isEnabled());
    screenshot("panel-brutal-confession");
    click("friction.brutal.submit");
    QCOMPARE(storedOutcome(event), QString());

    m_scheduler.advance(18); // the 30 s countdown is over
    QVERIFY(find("friction.brutal.submit")->isEnabled());
    click("friction.brutal.submit");
    QCOMPARE(storedOutcome(event), QString("openAnyway"));
    QCOMPARE(m_streak->tombstones().size(), size_t(1));
    QCOMPARE(m_streak->tombstones().front()->days(), 12);
    QVERIFY(m_streak->startedAt() > startedBefore);

    // The reset plays, then the panel goes.
    auto *reset = panel()->findChild<ResetAnimationView *>();
    QVERIFY(reset && reset->isVisible());
    reset->setElapsed(700);
    screenshot("panel-reset");
    QVERIFY(panelGone());
    QCOMPARE(m_policy->refCount(), 0);
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_FrictionPanelOnX11>(argc, argv, {own.windowClass});
}

#include "tst_FrictionPanelOnX11.moc"
