// The statistics window on a real desktop: opened while another application
// has the focus, it comes up on the screen in front with the focus and puts
// the application in the task bar; asked again while the other application
// is in front, the same window comes forward; closed, it gives the task bar
// back and its controller goes.
#include <QApplication>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include "DesktopHarness.h"
#include "FakeSystemAppearance.h"
#include "StatsFixture.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/TaskbarActivationPolicy.h"
#include "kit/WindowFronting.h"
#include "model/AppSettings.h"
#include "platform/ApplicationIdentity.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/X11Workspace.h"
#include "stats/StatsWindow.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using fennimar::ActivationPolicy;

class tst_StatsWindowOnX11 : public QObject {
    Q_OBJECT

    testing::DesktopHarness m_desktop;
    platform::DesktopEntryIndex m_index{QStringList()};
    platform::ApplicationIdentity m_identity{m_index};
    std::unique_ptr<platform::X11Workspace> m_workspace;
    QProcess *m_other = nullptr;

    bool otherInFront() const
    {
        const auto front = m_workspace->frontmostApplication();
        return front && front->processIdentifier == qint32(m_other->processId());
    }
    void putOtherInFront()
    {
        for (const auto &application : m_workspace->runningApplications())
            if (application.processIdentifier == qint32(m_other->processId()))
                QVERIFY(m_workspace->activate(application));
        QTRY_VERIFY_WITH_TIMEOUT(otherInFront(), 10000);
    }

private slots:
    void initTestCase()
    {
        const QString noWindowManager = m_desktop.startWindowManager();
        QVERIFY2(noWindowManager.isEmpty(), qPrintable(noWindowManager));
        m_workspace = std::make_unique<platform::X11Workspace>(m_identity);
        m_other = m_desktop.startHelperWindow({.title = QStringLiteral("other")});
        QVERIFY(m_desktop.waitForWindow({.processIdentifier = m_other->processId()}));
    }

    void comesForwardAndHoldsTheTaskbarWhileOpen()
    {
        testing::StatsFixture f;
        f.streak("Social media", 9 * 86400);
        AppSettings::fetchOrCreate(f.context())->setLanguageRaw("en");
        f.commit();
        testing::FakeSystemAppearance desktop;
        ThemeController theme(desktop);
        TranslationLoader translations;
        auto taskbar = std::make_shared<fennimar::TaskbarActivationPolicy>();
        taskbar->setActivationPolicy(ActivationPolicy::accessory);
        fennimar::ActivationPolicyCoordinator policy(taskbar);
        const fennimar::WindowFronting fronting(*m_workspace);
        const StatsWindow::Services services{f.persistence, f.engine, theme,
                                             translations,  policy,   &fronting};

        putOtherInFront();
        QPointer<StatsWindow> stats = new StatsWindow(services);
        StatsWindow::setShared(stats);
        stats->show();
        QWidget *window = stats->window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_VERIFY(window->isActiveWindow());
        QTRY_VERIFY(!otherInFront());
        QTRY_VERIFY(!taskbar->isSkippingTaskbar(window->windowHandle()));
        QVERIFY(window->screen()->availableGeometry().contains(window->geometry()));
        m_desktop.screenshot(QStringLiteral("stats-window-x11"));

        // The other application in front again: asking brings the same window forward.
        putOtherInFront();
        StatsWindow::shared()->show();
        QTRY_VERIFY(!otherInFront());
        QTRY_VERIFY(window->isActiveWindow());
        QCOMPARE(StatsWindow::shared(), stats.data());
        QCOMPARE(policy.refCount(), 1);

        window->close(); // the window goes with its controller
        QCOMPARE(taskbar->activationPolicy(), ActivationPolicy::accessory);
        QCOMPARE(StatsWindow::shared(), nullptr);
        QTRY_VERIFY(!stats);
    }
};

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_StatsWindowOnX11>(argc, argv);
}

#include "tst_StatsWindowOnX11.moc"
