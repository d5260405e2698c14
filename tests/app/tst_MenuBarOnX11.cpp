// The real halvex binary, past onboarding, in a real tray (trayer): its icon
// is docked, a click of the real pointer opens the popover at it, below the
// tray's bar and out of the task bar and pager at each scale, and the next
// click closes it. Screenshots go under $HALVEX_SCREENSHOT_DIR.
#include <algorithm>
#include <utility>

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <xcb/xcb.h>

#include "DesktopHarness.h"
#include "HalvexSteps.h"
#include "Screenshots.h"
#include "menubar/PopoverWindowController.h"
#include "platform/X11Connection.h"

using namespace halvex;

namespace {

const QString binary = QStringLiteral(HALVEX_BINARY);

// The window's EWMH states, as the X server has them.
bool hasStates(quint32 window, const QList<const char *> &names)
{
    const platform::X11Connection x;
    const QList<quint32> states =
        x.cardinalProperty(window, x.atom("_NET_WM_STATE"), XCB_ATOM_ATOM);
    return std::all_of(names.cbegin(), names.cend(),
                       [&](const char *name) { return states.contains(x.atom(name)); });
}

} // namespace

class tst_MenuBarOnX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void aClickOnTheTrayIconOpensThePopoverAtItAndTheNextClosesIt_data();
    void aClickOnTheTrayIconOpensThePopoverAtItAndTheNextClosesIt();
    // A row that failed leaves no icon or popover for the next.
    void cleanup();

private:
    testing::DesktopHarness m_desktop;
    QProcess *m_halvex = nullptr;
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

void tst_MenuBarOnX11::aClickOnTheTrayIconOpensThePopoverAtItAndTheNextClosesIt_data()
{
    // Given to the binary as QT_SCALE_FACTOR.
    QTest::addColumn<qreal>("scale");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("200 %") << 2.0;
}

void tst_MenuBarOnX11::aClickOnTheTrayIconOpensThePopoverAtItAndTheNextClosesIt()
{
    QFETCH(qreal, scale);
    const QString percent = QString::number(qRound(scale * 100));
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    // Quiet, as at a login: the popover waits for a click.
    QProcess *halvex = m_halvex = m_desktop.launch(binary, {QStringLiteral("--ui-test")}, extra);
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
    QVERIFY(!m_desktop.screenshot(QStringLiteral("halvex-tray-docked-") + percent).isEmpty());

    const testing::DesktopHarness::WindowMatch popover{
        .title = QStringLiteral("Halvex"),
        .processIdentifier = pid,
        .size = (QSizeF(PopoverWindowController::contentSize) * scale).toSize()};
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
    // Mapped right under the icon, where the placement puts it: at 100 %
    // Qt's coordinates are the X server's.
    if (scale == 1.0)
        QTRY_COMPARE(m_desktop.frame(*shown), PopoverWindowController::anchoredFrame(iconFrame));
    // Out of the task bar and pager, also once the window manager has it.
    QTRY_VERIFY(hasStates(*shown, {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}));
    const QRect frame = m_desktop.frame(*shown);
    QVERIFY2(frame.top() > iconFrame.bottom() && frame.top() - iconFrame.bottom() <= 8 * scale,
             qPrintable(QStringLiteral("the popover's top is at %1, the icon's bottom at %2")
                            .arg(frame.top())
                            .arg(iconFrame.bottom())));
    QVERIFY(frame.left() <= iconFrame.center().x() && iconFrame.center().x() <= frame.right());
    // Clear of the tray's bar.
    const auto tray = m_desktop.findWindow({.windowClass = QStringLiteral("trayer")});
    QVERIFY(tray);
    QVERIFY(!m_desktop.outerFrame(*shown).intersects(m_desktop.outerFrame(*tray)));
    // Drawn, not only mapped, before its picture is taken.
    QTRY_VERIFY_WITH_TIMEOUT(
        testing::screenshots::distinctColours(
            QGuiApplication::primaryScreen()->grabWindow(*shown).toImage(), 4) > 8,
        10000);
    QVERIFY(!m_desktop.screenshot(QStringLiteral("halvex-popover-open-") + percent).isEmpty());
    QVERIFY(hasStates(*shown, {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}));

    QVERIFY(m_desktop.click(iconFrame.center()));
    QTRY_VERIFY_WITH_TIMEOUT(!m_desktop.findWindow(popover), 10000);
    QVERIFY(!m_desktop.screenshot(QStringLiteral("halvex-popover-closed-") + percent).isEmpty());
    // Closed, not closed and opened again by the same click; the icon stays.
    QVERIFY(!m_desktop.findWindow(popover));
    QVERIFY(m_desktop.findWindow({.processIdentifier = pid, .size = iconFrame.size()}));

    m_halvex = nullptr;
    halvex->terminate();
    QVERIFY2(halvex->waitForFinished(15000) && halvex->exitStatus() == QProcess::NormalExit &&
                 halvex->exitCode() == 0,
             qPrintable(m_desktop.logOf(halvex)));
    // Gone from the tray before the next row docks its own icon.
    QTRY_VERIFY_WITH_TIMEOUT(!m_desktop.findWindow({.processIdentifier = pid}), 10000);
}

void tst_MenuBarOnX11::cleanup()
{
    if (QProcess *halvex = std::exchange(m_halvex, nullptr)) {
        halvex->kill();
        halvex->waitForFinished(15000);
    }
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_MenuBarOnX11>(argc, argv);
}

#include "tst_MenuBarOnX11.moc"
