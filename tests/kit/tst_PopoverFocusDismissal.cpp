#include <QAbstractNativeEventFilter>
#include <QDialog>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <xcb/xcb.h>

#include "DesktopHarness.h"
#include "FakeWorkspace.h"
#include "kit/PopoverFocusDismissal.h"
#include "platform/ApplicationIdentity.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/X11Workspace.h"
#include "platform/XcbReply.h"

using fennimar::PopoverBehavior;
using fennimar::PopoverFocusDismissal;
using platform::RunningApplication;

Q_DECLARE_METATYPE(PopoverBehavior)

namespace {

// A popover that is a window of ours: shown is visible, closing hides it.
class WindowPopover final : public fennimar::Popover {
public:
    WindowPopover()
    {
        window.setWindowTitle(QStringLiteral("popover"));
        window.resize(240, 160);
    }
    bool isShown() const override { return window.isVisible(); }
    PopoverBehavior behavior() const override { return mode; }
    void performClose() override
    {
        ++closes;
        window.hide();
    }

    QWidget window;
    PopoverBehavior mode = PopoverBehavior::transient;
    int closes = 0;
};

RunningApplication ourselves()
{
    return {QStringLiteral("org.example.Popover"), qint32(QCoreApplication::applicationPid())};
}

bool showAndFocus(QWidget &w)
{
    w.show();
    w.raise();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

// Whether Qt has handled the window manager's focus-in on a window. Qt calls
// a window active as soon as it hears its own request to activate it, before
// the window manager has acted on it.
class FocusInHandled final : public QAbstractNativeEventFilter {
public:
    explicit FocusInHandled(const QWidget &window)
        : m_window(xcb_window_t(window.winId()))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~FocusInHandled() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    Q_DISABLE_COPY_MOVE(FocusInHandled)

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_focus_in_event_t *>(message);
        // Focus that only follows the pointer is no focus given.
        if (type == "xcb_generic_event_t" && (event->response_type & 0x7f) == XCB_FOCUS_IN &&
            event->event == m_window && event->detail != XCB_NOTIFY_DETAIL_POINTER)
            m_seen = true;
        return false;
    }
    bool operator()() const { return m_seen; }

private:
    xcb_window_t m_window;
    bool m_seen = false;
};

// A round trip on Qt's own connection: what Qt has sent so far is then in
// the window manager's queue, ahead of whatever the test sends next.
bool qtRequestsDelivered()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    return c && platform::xcbReply(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

} // namespace

class tst_PopoverFocusDismissal : public QObject {
    Q_OBJECT
private slots:
    void closesWhenTheUserTurnsElsewhere_data();
    void closesWhenTheUserTurnsElsewhere();
    void anotherWindowTakingTheFocusClosesIt();

private:
    testing::DesktopHarness m_desktop;
};

void tst_PopoverFocusDismissal::closesWhenTheUserTurnsElsewhere_data()
{
    QTest::addColumn<PopoverBehavior>("behavior");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("modal");
    // "resign": this application stops being active; otherwise the process
    // identifier of the application the workspace reports in front.
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("closed");
    const auto T = PopoverBehavior::transient;
    QTest::newRow("we resign active") << T << true << false << "resign" << true;
    QTest::newRow("another application in front") << T << true << false << "other" << true;
    QTest::newRow("our own application in front") << T << true << false << "own" << false;
    QTest::newRow("already closed") << T << false << false << "other" << false;
    QTest::newRow("modal window up, another in front") << T << true << true << "other" << false;
    QTest::newRow("application-defined (settling)")
        << PopoverBehavior::applicationDefined << true << false << "other" << false;
    QTest::newRow("semitransient")
        << PopoverBehavior::semitransient << true << false << "resign" << false;
}

void tst_PopoverFocusDismissal::closesWhenTheUserTurnsElsewhere()
{
    QFETCH(PopoverBehavior, behavior);
    QFETCH(bool, shown);
    QFETCH(bool, modal);
    QFETCH(QString, event);
    QFETCH(bool, closed);
    testing::FakeWorkspace workspace;
    auto popover = std::make_shared<WindowPopover>();
    popover->mode = behavior;
    popover->window.setVisible(shown);
    PopoverFocusDismissal dismissal(popover, workspace);
    QDialog dialog;
    if (modal) {
        dialog.setModal(true);
        dialog.show();
        QVERIFY(QGuiApplication::modalWindow());
    }

    if (event == u"resign")
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    else if (event == u"own")
        workspace.announceActivation(ourselves());
    else
        workspace.announceActivation({QStringLiteral("org.example.Other"), 4242});
    QCOMPARE(popover->closes, closed ? 1 : 0);
    QCOMPARE(popover->isShown(), shown && !closed);
}

// On a real desktop: our popover has the focus, another application's window
// takes it, and the popover goes; not while a modal dialog of ours is up.
void tst_PopoverFocusDismissal::anotherWindowTakingTheFocusClosesIt()
{
    const QString noWindowManager = m_desktop.startWindowManager();
    QVERIFY2(noWindowManager.isEmpty(), qPrintable(noWindowManager));
    const platform::DesktopEntryIndex index({m_desktop.applicationsPath()});
    const platform::ApplicationIdentity identity(index);
    platform::X11Workspace workspace(identity);
    QVERIFY(workspace.isConnected());
    QSignalSpy activations(&workspace, &platform::Workspace::applicationActivated);
    const auto inFront = [&](qint64 pid) {
        return !activations.isEmpty() &&
               activations.last().at(0).value<RunningApplication>().processIdentifier == pid;
    };

    const QProcess *other = m_desktop.startHelperWindow({.title = QStringLiteral("other")});
    QVERIFY(m_desktop.waitForWindow({.processIdentifier = other->processId()}));
    const auto listed = [&] {
        for (const RunningApplication &running : workspace.runningApplications()) {
            if (running.processIdentifier == other->processId())
                return running;
        }
        return RunningApplication{};
    };
    QTRY_VERIFY(listed().processIdentifier != 0);
    const RunningApplication helper = listed();
    // The other application in front first, so that ours coming back is news.
    QVERIFY(workspace.activate(helper));
    QTRY_VERIFY(inFront(other->processId()));

    auto popover = std::make_shared<WindowPopover>();
    PopoverFocusDismissal dismissal(popover, workspace);
    QVERIFY(showAndFocus(popover->window));
    QTRY_VERIFY(inFront(QCoreApplication::applicationPid()));
    QVERIFY(popover->isShown());

    {
        QDialog dialog;
        dialog.setWindowTitle(QStringLiteral("modal"));
        dialog.setModal(true);
        dialog.show();
        // Only once the window manager has moved the focus to the dialog and
        // Qt has handled it: the popover's focus-out before it makes Qt ask
        // the window manager to activate the dialog again, and that request
        // must be ahead of ours, or it takes the focus back from the other
        // application.
        const FocusInHandled focusIn(dialog);
        QTRY_VERIFY(focusIn());
        QVERIFY(qtRequestsDelivered());
        QVERIFY(workspace.activate(helper));
        QTRY_VERIFY(inFront(other->processId()));
        QTRY_COMPARE(QGuiApplication::applicationState(), Qt::ApplicationInactive);
        QVERIFY(popover->isShown());
        QCOMPARE(popover->closes, 0);
    }

    QVERIFY(showAndFocus(popover->window));
    QTRY_VERIFY(inFront(QCoreApplication::applicationPid()));
    QVERIFY(workspace.activate(helper));
    QTRY_VERIFY(!popover->isShown());
    QVERIFY(popover->closes >= 1);
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_PopoverFocusDismissal>(argc, argv);
}

#include "tst_PopoverFocusDismissal.moc"
