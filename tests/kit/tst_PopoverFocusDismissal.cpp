#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "FakeWorkspace.h"
#include "WindowManagerSession.h"
#include "kit/PopoverFocusDismissal.h"
#include "platform/ApplicationIdentity.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/X11Workspace.h"

using fennimar::PopoverBehavior;
using fennimar::PopoverFocusDismissal;
using platform::RunningApplication;

Q_DECLARE_METATYPE(PopoverBehavior)

namespace {

const char *holdWindowArgument = "--hold-window";

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

} // namespace

class tst_PopoverFocusDismissal : public QObject {
    Q_OBJECT
private slots:
    void cleanupTestCase();
    void closesWhenTheUserTurnsElsewhere_data();
    void closesWhenTheUserTurnsElsewhere();
    void anotherWindowTakingTheFocusClosesIt();

private:
    QProcess m_helper;
    testing::WindowManagerSession m_windowManager;
};

void tst_PopoverFocusDismissal::cleanupTestCase()
{
    if (m_helper.state() != QProcess::NotRunning) {
        m_helper.kill();
        m_helper.waitForFinished(5000);
    }
}

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
    if (QGuiApplication::platformName() != u"xcb")
        QSKIP("needs an X server: run under xvfb-run");
    const QString noWindowManager = m_windowManager.ensureRunning();
    QVERIFY2(noWindowManager.isEmpty(), qPrintable(noWindowManager));
    QTemporaryDir applications;
    const platform::DesktopEntryIndex index({applications.path()});
    const platform::ApplicationIdentity identity(index);
    platform::X11Workspace workspace(identity);
    QVERIFY(workspace.isConnected());
    QSignalSpy activations(&workspace, &platform::Workspace::applicationActivated);
    const auto inFront = [&](qint64 pid) {
        return !activations.isEmpty() &&
               activations.last().at(0).value<RunningApplication>().processIdentifier == pid;
    };

    m_helper.start(QCoreApplication::applicationFilePath(),
                   {QString::fromLatin1(holdWindowArgument)});
    QVERIFY(m_helper.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(inFront(m_helper.processId()), 10000);
    RunningApplication helper = activations.last().at(0).value<RunningApplication>();

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
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(workspace.activate(helper));
        QTRY_VERIFY(inFront(m_helper.processId()));
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

// Run with --hold-window, the executable is the helper: another process that
// shows a window and keeps it until killed.
int main(int argc, char **argv)
{
    const bool helper = argc > 1 && qstrcmp(argv[1], holdWindowArgument) == 0;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (helper) {
        QWidget window;
        window.setWindowTitle(QStringLiteral("helper"));
        window.resize(240, 120);
        window.show();
        return app.exec();
    }
    tst_PopoverFocusDismissal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_PopoverFocusDismissal.moc"
