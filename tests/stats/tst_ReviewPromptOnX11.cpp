// The review prompt on a real X server with a window manager, while another
// application has the focus: the window comes up decorated without taking
// the focus, and the very first click on it already picks a star.
#include <QTest>

#include "DesktopHarness.h"
#include "ReviewFixture.h"
#include "platform/ApplicationIdentity.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/X11Workspace.h"
#include "stats/ReviewPromptCoordinator.h"

using halvex::ReviewPromptCoordinator;

class tst_ReviewPromptOnX11 : public QObject {
    Q_OBJECT

    testing::DesktopHarness m_desktop;
    platform::DesktopEntryIndex m_index{QStringList()};
    platform::ApplicationIdentity m_identity{m_index};
    std::unique_ptr<platform::X11Workspace> m_live;

    bool helperInFront(const QProcess *helper) const
    {
        const auto front = m_live->frontmostApplication();
        return front && front->processIdentifier == qint32(helper->processId());
    }

private slots:
    void initTestCase()
    {
        const QString why = m_desktop.startWindowManager();
        QVERIFY2(why.isEmpty(), qPrintable(why));
        m_live = std::make_unique<platform::X11Workspace>(m_identity);
    }

    void promptsOverAnotherApplication()
    {
        reviewtest::ReviewFixture f;
        f.makePromptDue();
        ReviewPromptCoordinator coordinator({f.store.persistence.container(), [] { return false; },
                                             [] { return false; }, f.window, f.store.scheduler,
                                             [&f] { return f.prompt.get(); }});

        // The popover had the focus; then the user turned to another
        // application, which took it, and the popover closed.
        QWidget popover(nullptr, Qt::Tool | Qt::FramelessWindowHint);
        popover.resize(340, 520);
        popover.show();
        popover.activateWindow();
        QTRY_VERIFY(popover.isActiveWindow());
        QProcess *helper = m_desktop.startHelperWindow(
            {.title = QStringLiteral("elsewhere"), .size = QSize(900, 700)});
        QVERIFY(m_desktop.waitForWindow({.processIdentifier = helper->processId()}));
        for (const auto &application : m_live->runningApplications()) {
            if (application.processIdentifier == qint32(helper->processId()))
                QVERIFY(m_live->activate(application));
        }
        QTRY_VERIFY_WITH_TIMEOUT(helperInFront(helper), 10000);
        QTRY_VERIFY(QGuiApplication::applicationState() != Qt::ApplicationActive);
        popover.hide();

        coordinator.popoverOpenStateChanged(true);
        coordinator.popoverOpenStateChanged(false);
        f.store.scheduler.advance(ReviewPromptCoordinator::checkDelaySeconds);
        const auto shown =
            m_desktop.waitForWindow({.title = QStringLiteral("Rate Halvex"),
                                     .processIdentifier = QCoreApplication::applicationPid()});
        QVERIFY(shown);
        QCOMPARE(f.presentations(), 1);
        QCOMPARE(m_desktop.frame(*shown).size(), halvex::ReviewPromptWindowController::contentSize);
        // Decorated by the window manager, and still counted as a titled window.
        QWidget *window = f.window.window();
        QTRY_VERIFY(window->frameGeometry().height() > window->geometry().height());
        QVERIFY(fennimar::ReviewPrompt::isRegularWindowVisible());
        // The other application keeps the focus.
        QVERIFY(helperInFront(helper));
        QVERIFY(!window->isActiveWindow());

        QAbstractButton *star = reviewtest::find(window, "review_prompt.star.3");
        window->repaint();
        m_desktop.screenshot(QStringLiteral("review-x11-over-another-application"));
        QVERIFY(m_desktop.click(star->mapToGlobal(star->rect().center())));
        QTRY_COMPARE(f.window.view()->rating(), 3);
    }
};

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_ReviewPromptOnX11>(argc, argv, {"HalvexReviewTest"});
}

#include "tst_ReviewPromptOnX11.moc"
