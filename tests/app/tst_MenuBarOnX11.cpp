// The real halvex binary, past onboarding, in a real tray (trayer): its icon
// is docked, a click of the real pointer opens the popover at it, and the
// next click closes it. Screenshots go under $HALVEX_SCREENSHOT_DIR.
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "DesktopHarness.h"
#include "HalvexSteps.h"
#include "menubar/PopoverWindowController.h"

using namespace halvex;

namespace {

const QString binary = QStringLiteral(HALVEX_BINARY);

} // namespace

class tst_MenuBarOnX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void aClickOnTheTrayIconOpensThePopoverAtItAndTheNextClosesIt();

private:
    testing::DesktopHarness m_desktop;
};

void tst_MenuBarOnX11::initTestCase()
{
    QVERIFY2(QFile::exists(binary), qPrintable(binary));
    // The tray host first, so that the icon is docked once, when it is shown.
    for (const QString &why : {m_desktop.startWindowManager(), m_desktop.startTrayHost()})
        QVERIFY2(why.isEmpty(), qPrintable(why));

    // A home past onboarding, with one streak to name in the tooltip.
    QVERIFY(testing::halvexSteps::writeHomePastOnboarding(m_desktop.homePath()));
}

void tst_MenuBarOnX11::aClickOnTheTrayIconOpensThePopoverAtItAndTheNextClosesIt()
{
    // Quiet, as at a login: the popover waits for a click.
    QProcess *halvex = m_desktop.launch(binary, {QStringLiteral("--ui-test")});
    QVERIFY(halvex);
    const qint64 pid = halvex->processId();

    // The only window it maps is its icon, docked in trayer's panel along the top.
    const auto icon = m_desktop.waitForWindow({.processIdentifier = pid}, 15000);
    QVERIFY2(icon, qPrintable(m_desktop.logOf(halvex)));
    // Trayer may lay its panel out again once the icon is in it: the click
    // goes where the icon has stayed for a moment.
    QRect iconFrame;
    QElapsedTimer unmoved;
    QVERIFY(QTest::qWaitFor(
        [&] {
            const QRect now = m_desktop.frame(*icon);
            if (now != iconFrame) {
                iconFrame = now;
                unmoved.start();
                return false;
            }
            return iconFrame.isValid() && iconFrame.bottom() < 32 && iconFrame.width() <= 64 &&
                   unmoved.elapsed() >= 500;
        },
        15000));
    QVERIFY(!m_desktop.screenshot(QStringLiteral("halvex-tray-docked")).isEmpty());

    const testing::DesktopHarness::WindowMatch popover{.title = QStringLiteral("Halvex"),
                                                       .processIdentifier = pid,
                                                       .size =
                                                           PopoverWindowController::contentSize};
    QVERIFY(m_desktop.click(iconFrame.center()));
    const auto shown = m_desktop.waitForWindow(popover);
    if (!shown) {
        const QRect now = m_desktop.frame(*icon);
        (void)m_desktop.screenshot(QStringLiteral("halvex-tray-click-unanswered"));
        QFAIL(qPrintable(
            QStringLiteral("no popover; the icon, clicked at (%1, %2), is at %3,%4 %5x%6 "
                           "now; the log says:\n%7")
                .arg(iconFrame.center().x())
                .arg(iconFrame.center().y())
                .arg(now.x())
                .arg(now.y())
                .arg(now.width())
                .arg(now.height())
                .arg(m_desktop.logEndOf(halvex))));
    }
    // Mapped right under the icon, where the placement puts it.
    QTRY_COMPARE(m_desktop.frame(*shown), PopoverWindowController::anchoredFrame(iconFrame));
    const QRect frame = m_desktop.frame(*shown);
    QVERIFY(frame.top() > iconFrame.bottom() && frame.top() - iconFrame.bottom() <= 8);
    QVERIFY(frame.left() <= iconFrame.center().x() && iconFrame.center().x() <= frame.right());
    QVERIFY(!m_desktop.screenshot(QStringLiteral("halvex-popover-open")).isEmpty());

    QVERIFY(m_desktop.click(iconFrame.center()));
    QTRY_VERIFY_WITH_TIMEOUT(!m_desktop.findWindow(popover), 10000);
    QVERIFY(!m_desktop.screenshot(QStringLiteral("halvex-popover-closed")).isEmpty());
    // Closed, not closed and opened again by the same click; the icon stays.
    QVERIFY(!m_desktop.findWindow(popover));
    QVERIFY(m_desktop.findWindow({.processIdentifier = pid, .size = iconFrame.size()}));

    halvex->terminate();
    QVERIFY2(halvex->waitForFinished(15000) && halvex->exitStatus() == QProcess::NormalExit &&
                 halvex->exitCode() == 0,
             qPrintable(m_desktop.logOf(halvex)));
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_MenuBarOnX11>(argc, argv);
}

#include "tst_MenuBarOnX11.moc"
