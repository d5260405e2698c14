#include <QKeyEvent>
#include <QKeySequence>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "DesktopHarness.h"
#include "platform/X11FrontWindowSource.h"
#include "platform/X11KeystrokeSender.h"
#include "platform/X11Workspace.h"

using platform::RunningApplication;
using platform::X11Workspace;

namespace {

// The WM_CLASS classes of this process's windows and of the helper's.
const QString probeClass = QStringLiteral("HalvexProbe");
const QString helperClass = QStringLiteral("HalvexHelper");

RunningApplication probeApp()
{
    return {QStringLiteral("org.example.Probe"), qint32(QCoreApplication::applicationPid())};
}

RunningApplication lastActivation(const QSignalSpy &spy)
{
    return spy.isEmpty() ? RunningApplication{} : spy.last().at(0).value<RunningApplication>();
}

// Records the shortcuts that reach it, modifier presses left out.
class KeyRecorder final : public QWidget {
public:
    QStringList keys;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() != Qt::Key_Control)
            keys << QKeySequence(event->keyCombination()).toString();
    }
};

QList<RunningApplication> activations(const QSignalSpy &spy)
{
    QList<RunningApplication> apps;
    for (const QList<QVariant> &args : spy)
        apps << args.at(0).value<RunningApplication>();
    return apps;
}

} // namespace

class tst_X11Workspace : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void withoutDisplayReportsNothing();
    void reportsOwnWindowThroughActivation();
    void reportsAnotherProcessByItsDesktopFile();
    void focusAmongOneApplicationsWindowsNamesOnlyIt();
    void activateBringsApplicationBack();
    void hideIconifiesEveryWindowAndActivateRestoresTheMostRecent();
    void keysAfterActivationReachTheWindowNamedInFront_data();
    void keysAfterActivationReachTheWindowNamedInFront();
    void requestsForAbsentApplicationsFail_data();
    void requestsForAbsentApplicationsFail();

private:
    bool showAndFocus(QWidget &w);
    RunningApplication helperApp() const
    {
        return {QStringLiteral("org.example.Helper"), m_helper ? qint32(m_helper->processId()) : 0};
    }

    testing::DesktopHarness m_desktop;
    std::unique_ptr<platform::DesktopEntryIndex> m_index;
    std::unique_ptr<platform::ApplicationIdentity> m_identity;
    std::unique_ptr<X11Workspace> m_workspace;
    std::unique_ptr<QSignalSpy> m_activations;
    QProcess *m_helper = nullptr;
    QWidget m_first;
    QWidget m_second;
};

void tst_X11Workspace::initTestCase()
{
    QVERIFY(m_desktop.writeDesktopFile(QStringLiteral("org.example.Probe"), QStringLiteral("Probe"),
                                       probeClass));
    // Matched whatever the letter case of the window's class.
    QVERIFY(m_desktop.writeDesktopFile(QStringLiteral("org.example.Helper"),
                                       QStringLiteral("Helper"), helperClass.toLower()));
    m_index =
        std::make_unique<platform::DesktopEntryIndex>(QStringList{m_desktop.applicationsPath()});
    m_identity = std::make_unique<platform::ApplicationIdentity>(*m_index);
    const QString why = m_desktop.startWindowManager();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    m_workspace = std::make_unique<X11Workspace>(*m_identity);
    QVERIFY(m_workspace->isConnected());
    m_activations =
        std::make_unique<QSignalSpy>(m_workspace.get(), &X11Workspace::applicationActivated);
    m_first.setWindowTitle(QStringLiteral("first"));
    m_second.setWindowTitle(QStringLiteral("second"));
}

void tst_X11Workspace::cleanupTestCase()
{
    m_workspace.reset();
}

// The window manager lets a window take the focus from another window of the
// same application, or when it is new; not from another application.
bool tst_X11Workspace::showAndFocus(QWidget &w)
{
    w.resize(240, 120);
    w.show();
    w.raise();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

void tst_X11Workspace::withoutDisplayReportsNothing()
{
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    auto workspace = std::make_unique<X11Workspace>(*m_identity);
    if (!display.isEmpty())
        qputenv("DISPLAY", display);

    QVERIFY(!workspace->isConnected());
    QVERIFY(workspace->runningApplications().isEmpty());
    QVERIFY(!workspace->frontmostApplication());
    QVERIFY(!workspace->hide(probeApp()));
    QVERIFY(!workspace->isHidden(probeApp()));
    QVERIFY(!workspace->activate(probeApp()));
    QVERIFY(!workspace->isRunning(probeApp()));
    QCoreApplication::processEvents();
}

void tst_X11Workspace::reportsOwnWindowThroughActivation()
{
    // The window manager may still name the withdrawn sentinel as active.
    QVERIFY(!m_workspace->frontmostApplication());
    QVERIFY(showAndFocus(m_first));
    QTRY_COMPARE(lastActivation(*m_activations), probeApp());
    QCOMPARE(m_workspace->frontmostApplication(), std::optional<RunningApplication>(probeApp()));
    QVERIFY(m_workspace->runningApplications().contains(probeApp()));
    QCOMPARE(m_workspace->runningApplications(probeApp().bundleIdentifier), QList{probeApp()});
}

void tst_X11Workspace::reportsAnotherProcessByItsDesktopFile()
{
    m_helper = m_desktop.startHelperWindow({helperClass, QStringLiteral("helper")});
    QVERIFY(m_helper);
    const RunningApplication helper = helperApp();

    QTRY_VERIFY_WITH_TIMEOUT(m_workspace->isRunning(helper), 10000);
    QVERIFY(m_workspace->activate(helper));
    QTRY_COMPARE(lastActivation(*m_activations), helper);
    QCOMPARE(m_workspace->frontmostApplication(), std::optional<RunningApplication>(helper));
    const QList<RunningApplication> running = m_workspace->runningApplications();
    QVERIFY(running.indexOf(probeApp()) >= 0);
    QVERIFY2(running.indexOf(helper) > running.indexOf(probeApp()), "listed in order of mapping");
}

void tst_X11Workspace::focusAmongOneApplicationsWindowsNamesOnlyIt()
{
    QVERIFY(m_workspace->activate(probeApp()));
    QTRY_COMPARE(lastActivation(*m_activations), probeApp());
    QTRY_VERIFY(m_first.isActiveWindow());
    m_activations->clear();
    QVERIFY(showAndFocus(m_second));
    QVERIFY(showAndFocus(m_first));
    // Events arrive in order: once the helper's activation is in, whatever
    // the focus changes among the probe's windows announced is in before it.
    const RunningApplication helper = helperApp();
    QVERIFY(m_workspace->activate(helper));
    QTRY_COMPARE(lastActivation(*m_activations), helper);
    // A moment with no window focused between two of ours may repeat the
    // probe; nothing else may be named.
    QList<RunningApplication> seen = activations(*m_activations);
    QCOMPARE(seen.takeLast(), helper);
    QCOMPARE(seen.count(probeApp()), seen.size());
}

void tst_X11Workspace::activateBringsApplicationBack()
{
    QTRY_VERIFY(!m_first.isActiveWindow());
    m_activations->clear();
    QVERIFY(m_workspace->activate(probeApp()));
    QTRY_COMPARE(lastActivation(*m_activations), probeApp());
    QTRY_VERIFY(m_first.isActiveWindow() || m_second.isActiveWindow());
}

void tst_X11Workspace::hideIconifiesEveryWindowAndActivateRestoresTheMostRecent()
{
    QVERIFY(showAndFocus(m_first));
    QVERIFY(showAndFocus(m_second));
    QVERIFY(!m_workspace->isHidden(probeApp()));

    QVERIFY(m_workspace->hide(probeApp()));
    // Qt learns of the iconified state through its own connection.
    QTRY_VERIFY(m_first.isMinimized() && m_second.isMinimized());
    QTRY_VERIFY(m_workspace->isHidden(probeApp()));
    const RunningApplication helper = helperApp();
    QVERIFY(!m_workspace->isHidden(helper));

    QVERIFY(m_workspace->activate(probeApp()));
    // The second window was raised last: it is the one brought back.
    QTRY_VERIFY(m_second.isActiveWindow() && !m_second.isMinimized());
    QVERIFY(m_first.isMinimized());
    QTRY_COMPARE(m_workspace->frontmostApplication(),
                 std::optional<RunningApplication>(probeApp()));
    QVERIFY(!m_workspace->isHidden(probeApp()));
}

void tst_X11Workspace::keysAfterActivationReachTheWindowNamedInFront_data()
{
    QTest::addColumn<bool>("secondRaisedLast");
    QTest::newRow("the second raised last") << true;
    QTest::newRow("the first raised last") << false;
}

void tst_X11Workspace::keysAfterActivationReachTheWindowNamedInFront()
{
    QFETCH(bool, secondRaisedLast);
    KeyRecorder first;
    KeyRecorder second;
    first.setWindowTitle(QStringLiteral("keys one"));
    second.setWindowTitle(QStringLiteral("keys two"));
    KeyRecorder &raised = secondRaisedLast ? second : first;
    KeyRecorder &other = secondRaisedLast ? first : second;
    QVERIFY(showAndFocus(other));
    QVERIFY(showAndFocus(raised));
    const RunningApplication helper = helperApp();
    QVERIFY(m_workspace->activate(helper));
    QTRY_COMPARE(m_workspace->frontmostApplication(), std::optional(helper));

    // With another application in front, the window named is the one
    // activation brings forward, and the one the keys then reach.
    const platform::X11FrontWindowSource frontWindows;
    const std::optional<platform::FrontWindow> front =
        frontWindows.frontWindowOf(probeApp().processIdentifier);
    QVERIFY(front);
    QCOMPARE(front->title, raised.windowTitle());
    QCOMPARE(front->clientArea, raised.geometry());
    QVERIFY(!front->minimised);
    QVERIFY(m_workspace->activate(probeApp()));
    QTRY_COMPARE(m_workspace->frontmostApplication(), std::optional(probeApp()));
    QTRY_VERIFY(raised.isActiveWindow());
    QCOMPARE(frontWindows.frontWindowOf(probeApp().processIdentifier), front);
    platform::X11Connection connection;
    platform::X11KeystrokeSender keystrokes([] { return true; }, connection);
    QVERIFY(keystrokes.send(platform::keycode::t, probeApp().processIdentifier));
    QTRY_COMPARE(raised.keys, QStringList{QStringLiteral("Ctrl+T")});
    QVERIFY(other.keys.isEmpty());
}

void tst_X11Workspace::requestsForAbsentApplicationsFail_data()
{
    QTest::addColumn<QString>("bundleIdentifier");
    QTest::addColumn<qint32>("pid");
    QTest::newRow("unknown identifier")
        << "org.example.None" << qint32(QCoreApplication::applicationPid());
    QTest::newRow("known identifier, other process") << "org.example.Probe" << qint32(1);
    QTest::newRow("no identifier") << "" << qint32(0);
}

void tst_X11Workspace::requestsForAbsentApplicationsFail()
{
    QFETCH(QString, bundleIdentifier);
    QFETCH(qint32, pid);
    const RunningApplication absent{bundleIdentifier, pid};
    QVERIFY(!m_workspace->hide(absent));
    QVERIFY(!m_workspace->isHidden(absent));
    QVERIFY(!m_workspace->activate(absent));
    QVERIFY(!m_workspace->isRunning(absent));
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_X11Workspace>(argc, argv, {probeClass});
}

#include "tst_X11Workspace.moc"
