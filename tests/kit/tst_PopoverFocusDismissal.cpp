#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "DesktopHarness.h"
#include "FakeWorkspace.h"
#include "kit/PopoverFocusDismissal.h"
#include "platform/ApplicationIdentity.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/X11Workspace.h"

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
        // Only once the dialog has the focus: a dialog still coming up
        // takes it back from the application activated meanwhile.
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
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
