// The settings window on a real X server with a window manager: it comes
// back where the user left it, decorations and all, and the real pointer
// drives its sidebar.
#include <QTest>

#include "DesktopHarness.h"
#include "SettingsFixture.h"
#include "settings/HalvexSettingsSidebar.h"
#include "settings/SettingsRootView.h"
#include "settings/SettingsWindow.h"

using namespace halvex;

class tst_SettingsWindowOnX11 : public QObject {
    Q_OBJECT

    testing::DesktopHarness m_desktop;
    std::unique_ptr<settingstest::SettingsFixture> f;

    // Opens the window on `tab` and waits until the window manager shows it.
    std::optional<testing::DesktopHarness::Window> open(SettingsTab tab)
    {
        SettingsWindow::show(tab);
        return m_desktop.waitForWindow(
            {.title = "Settings", .processIdentifier = QCoreApplication::applicationPid()});
    }

    bool close()
    {
        QPointer<SettingsWindow> controller = SettingsWindow::shared();
        controller->window()->close();
        return QTest::qWaitFor([&] { return !controller; }, 5000);
    }

private slots:
    void initTestCase()
    {
        const QString why = m_desktop.startWindowManager();
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }
    void init()
    {
        f = std::make_unique<settingstest::SettingsFixture>();
        SettingsWindow::setDependencies(f->dependencies());
    }
    void cleanup()
    {
        if (SettingsWindow::shared())
            QVERIFY(close());
        SettingsWindow::clearDependencies();
        f.reset();
    }

    void reopensWhereItWasLeft()
    {
        auto shown = open(SettingsTab::general);
        QVERIFY(shown);
        QWidget *window = SettingsWindow::shared()->window();
        // Moved by the user once it is up: its placement is made again as
        // soon as the window manager has framed it.
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect before = m_desktop.frame(*shown);
        window->move(window->pos() + QPoint(-70, 40));
        window->resize(820, 560);
        // Closed only once the window manager has answered both requests and
        // this process has taken its last configure: what the server shows
        // is what the window holds, so no frame on the way is saved last.
        const auto seen = [&] {
            return QStringLiteral("first at %1; the server has %2, the window %3")
                .arg(testing::describe(before), testing::describe(m_desktop.frame(*shown)),
                     testing::describe(window->geometry()));
        };
        QTRY_VERIFY2(m_desktop.frame(*shown).topLeft() != before.topLeft() &&
                         window->size() == QSize(820, 560) &&
                         window->geometry() == m_desktop.frame(*shown),
                     qPrintable(seen()));
        const QRect left = m_desktop.frame(*shown);
        // Twice: a frame that crept by the decorations would show by then.
        for (int round = 0; round < 2; ++round) {
            QVERIFY(close());
            auto again = open(SettingsTab::about);
            QVERIFY(again);
            QTRY_COMPARE(m_desktop.frame(*again), left);
        }
    }

    void pointerDrivesTheSidebar()
    {
        auto shown = open(SettingsTab::general);
        QVERIFY(shown);
        SettingsWindow *controller = SettingsWindow::shared();
        SidebarRow *about = controller->rootView()->sidebar()->row(SettingsTab::about);
        QTRY_VERIFY(about->isVisible() && controller->window()->isActiveWindow());
        QVERIFY(m_desktop.click(about->mapToGlobal(about->rect().center())));
        QTRY_COMPARE(controller->router().selectedTab(), SettingsTab::about);
        QTRY_COMPARE(controller->rootView()->page()->objectName(), QString("settings.about"));
        controller->window()->repaint(); // on screen before the picture is taken
        QVERIFY(!m_desktop.screenshot("settings-x11-about", *shown).isEmpty());
    }
};

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_SettingsWindowOnX11>(argc, argv,
                                                                 {"HalvexSettingsTest"});
}

#include "tst_SettingsWindowOnX11.moc"
