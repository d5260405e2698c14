#include <QTest>
#include <QWidget>

#include "DesktopHarness.h"
#include "kit/TaskbarActivationPolicy.h"

using fennimar::ActivationPolicy;
using fennimar::TaskbarActivationPolicy;

// On a real desktop: the policy shows in whether the window manager is told
// to keep our windows out of the task bar.
class tst_TaskbarActivationPolicy : public QObject {
    Q_OBJECT

    testing::DesktopHarness m_desktop;

private slots:
    void initTestCase()
    {
        const QString noWindowManager = m_desktop.startWindowManager();
        QVERIFY2(noWindowManager.isEmpty(), qPrintable(noWindowManager));
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
