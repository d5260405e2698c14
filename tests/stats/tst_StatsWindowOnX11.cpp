// The statistics window on a real desktop: it comes up on the screen, in
// front and with the focus, makes the application show in the task bar
// while it is open, comes forward again when asked while another window
// covers it, and gives the task bar back when it closes.
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "FakeSystemAppearance.h"
#include "StatsFixture.h"
#include "WindowManagerSession.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/TaskbarActivationPolicy.h"
#include "model/AppSettings.h"
#include "stats/StatsWindow.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using fennimar::ActivationPolicy;

class tst_StatsWindowOnX11 : public QObject {
    Q_OBJECT

    testing::WindowManagerSession m_windowManager;

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("needs an X server: run under xvfb-run");
        const QString noWindowManager = m_windowManager.ensureRunning();
        QVERIFY2(noWindowManager.isEmpty(), qPrintable(noWindowManager));
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
        const StatsWindow::Services services{f.persistence, f.engine, theme, translations, policy};

        QPointer<StatsWindow> stats = new StatsWindow(services);
        StatsWindow::setShared(stats);
        stats->show();
        QWidget *window = stats->window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QTRY_VERIFY(!taskbar->isSkippingTaskbar(window->windowHandle()));
        QVERIFY(window->screen()->availableGeometry().contains(window->geometry()));

        // Another window in front; asking again brings the same window forward.
        QWidget other;
        other.setWindowTitle("Something else");
        other.resize(800, 700);
        other.show();
        other.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &other);
        StatsWindow::shared()->show();
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QCOMPARE(StatsWindow::shared(), stats.data());
        QCOMPARE(policy.refCount(), 1);

        other.close();
        window->close(); // the window goes with its controller
        QCOMPARE(taskbar->activationPolicy(), ActivationPolicy::accessory);
        QCOMPARE(StatsWindow::shared(), nullptr);
        QTRY_VERIFY(!stats);
    }
};

QTEST_MAIN(tst_StatsWindowOnX11)
#include "tst_StatsWindowOnX11.moc"
