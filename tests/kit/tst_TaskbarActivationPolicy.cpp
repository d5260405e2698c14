#include <QTest>
#include <QWidget>

#include "DesktopHarness.h"
#include "FakeTaskbarPresence.h"
#include "kit/TaskbarActivationPolicy.h"

using fennimar::ActivationPolicy;
using fennimar::TaskbarActivationPolicy;

// Which windows the policy reaches, on a task bar of the test's; and on a
// real desktop, that the window manager is told to keep them out of its task bar.
class tst_TaskbarActivationPolicy : public QObject {
    Q_OBJECT

    testing::DesktopHarness m_desktop;

private slots:
    void initTestCase()
    {
        const QString noWindowManager = m_desktop.startWindowManager();
        QVERIFY2(noWindowManager.isEmpty(), qPrintable(noWindowManager));
    }

    void applicationWindowsFollowThePolicy_data()
    {
        QTest::addColumn<Qt::WindowType>("type");
        QTest::addColumn<bool>("follows");
        QTest::newRow("window") << Qt::Window << true;
        QTest::newRow("dialog") << Qt::Dialog << true;
        QTest::newRow("tool window") << Qt::Tool << false;
        QTest::newRow("tool tip") << Qt::ToolTip << false;
    }

    void applicationWindowsFollowThePolicy()
    {
        QFETCH(Qt::WindowType, type);
        QFETCH(bool, follows);
        auto presence = std::make_shared<testing::FakeTaskbarPresence>();
        TaskbarActivationPolicy policy(presence);
        QWidget shown(nullptr, type);
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        policy.setActivationPolicy(ActivationPolicy::accessory);
        QCOMPARE(presence->skipping.value(shown.windowHandle()), follows);
        // Shown later: told before it is mapped.
        QWidget later(nullptr, type);
        later.winId();
        presence->skipping.clear();
        later.show();
        QCOMPARE(presence->skipping.value(later.windowHandle()), follows);
        policy.setActivationPolicy(ActivationPolicy::regular);
        QVERIFY(!presence->skipping.value(shown.windowHandle()));
        QVERIFY(!presence->skipping.value(later.windowHandle()));
    }

    void withoutADesktopOnlyRemembers()
    {
        auto presence = std::make_shared<testing::FakeTaskbarPresence>();
        presence->available = false;
        TaskbarActivationPolicy policy(presence);
        QWidget window;
        window.show();
        policy.setActivationPolicy(ActivationPolicy::prohibited);
        QWidget later;
        later.show();
        QCOMPARE(policy.activationPolicy(), ActivationPolicy::prohibited);
        QCOMPARE(presence->requests, 0);
    }

    void taskbarFollowsThePolicy()
    {
        TaskbarActivationPolicy policy;
        QCOMPARE(policy.activationPolicy(), ActivationPolicy::regular);
        QWidget regular;
        regular.show();
        QVERIFY(QTest::qWaitForWindowExposed(&regular));
        QVERIFY(!policy.isSkippingTaskbar(regular.windowHandle()));

        // Mapped windows change through the window manager, and a window
        // shown later is mapped with the hint already set.
        policy.setActivationPolicy(ActivationPolicy::accessory);
        QTRY_VERIFY(policy.isSkippingTaskbar(regular.windowHandle()));
        QWidget later;
        later.show();
        QVERIFY(QTest::qWaitForWindowExposed(&later));
        QTRY_VERIFY(policy.isSkippingTaskbar(later.windowHandle()));

        policy.setActivationPolicy(ActivationPolicy::regular);
        QTRY_VERIFY(!policy.isSkippingTaskbar(regular.windowHandle()));
        QTRY_VERIFY(!policy.isSkippingTaskbar(later.windowHandle()));

        // Hidden and shown again as an accessory: still left out.
        later.hide();
        policy.setActivationPolicy(ActivationPolicy::accessory);
        later.show();
        QVERIFY(QTest::qWaitForWindowExposed(&later));
        QTRY_VERIFY(policy.isSkippingTaskbar(later.windowHandle()));
    }
};

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_TaskbarActivationPolicy>(argc, argv);
}

#include "tst_TaskbarActivationPolicy.moc"
