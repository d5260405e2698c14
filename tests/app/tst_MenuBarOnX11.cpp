// The real halvex binary, past onboarding, in a real tray (trayer): its icon
// is docked, a click of the real pointer opens the popover at it, below the
// tray's bar and out of the task bar and pager at each scale, and the next
// click closes it; the popover follows the desktop portal's colour scheme
// while it is open and when it opens next. Screenshots go under
// $HALVEX_SCREENSHOT_DIR.
#include <algorithm>
#include <memory>
#include <utility>

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <xcb/xcb.h>

#include "DesktopHarness.h"
#include "HalvexSteps.h"
#include "PortalSettingsStub.h"
#include "Screenshots.h"
#include "menubar/PopoverWindowController.h"
#include "platform/X11Connection.h"
#include "ui/Color.h"

using namespace halvex;
using Scheme = testing::PortalSettingsStub::Scheme;

namespace {

const QString binary = QStringLiteral(HALVEX_BINARY);
// How long a click on the icon is given to map the popover.
constexpr int clickAnswerMs = 10000;

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
    void thePopoverFollowsTheDesktopsSchemeOpenAndWhenOpenedNext();
    // A row that failed leaves no icon or popover for the next.
    void cleanup();

private:
    using Window = testing::DesktopHarness::Window;

    // Starts the binary at the scale (QT_SCALE_FACTOR) and waits until its
    // icon has settled in the tray; m_why says why not.
    bool launch(qreal scale);
    // Ends the binary and waits until its icon has left the tray.
    void quit();
    testing::DesktopHarness::WindowMatch popover() const
    {
        return {.title = QStringLiteral("Halvex"),
                .processIdentifier = m_halvex->processId(),
                .size = (QSizeF(PopoverWindowController::contentSize) * m_scale).toSize()};
    }
    // Clicks the icon where it is now and waits for the popover, up to
    // `clicks` times: the popover takes a click that comes right after the
    // focus change of its closing as the one that made it.
    std::optional<Window> openPopover(int clicks = 1);
    // The colour the popover's root paints where no control is (its
    // bottom-left corner), as "#rrggbb"; empty when it cannot be grabbed.
    QString backgroundOf(Window popover) const;

    testing::DesktopHarness m_desktop;
    std::unique_ptr<testing::PortalSettingsStub> m_portal;
    QProcess *m_halvex = nullptr;
    qreal m_scale = 1.0;
    Window m_icon = 0;
    QRect m_iconFrame;
    QString m_why;
};

void tst_MenuBarOnX11::initTestCase()
{
    QVERIFY2(QFile::exists(binary), qPrintable(binary));
    // The tray host first, so that the icon is docked once, when it is shown.
    for (const QString &why : {m_desktop.startWindowManager(), m_desktop.startTrayHost()})
        QVERIFY2(why.isEmpty(), qPrintable(why));

    // A home past onboarding, with one streak to name in the tooltip, and
    // the appearance left as it comes, following the desktop.
    QVERIFY(testing::halvexSteps::writeHomePastOnboarding(m_desktop.homePath()));
    // The desktop's portal, light when Halvex starts.
    m_portal =
        std::make_unique<testing::PortalSettingsStub>(m_desktop.bus()->address(), Scheme::light);
    QVERIFY(m_portal->isRegistered());
}

bool tst_MenuBarOnX11::launch(qreal scale)
{
    m_scale = scale;
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    // Quiet, as at a login: the popover waits for a click.
    m_halvex = m_desktop.launch(binary, {QStringLiteral("--ui-test")}, extra);
    if (!m_halvex) {
        m_why = QStringLiteral("halvex could not be started");
        return false;
    }
    // The only window it maps is its icon, docked in trayer's panel along the
    // top. Trayer may lay its panel out again once the icon is in it, and Qt
    // may dock the icon anew in a window of its own: each look finds it
    // afresh, and the click goes where it has stayed for a moment.
    const qint64 pid = m_halvex->processId();
    m_icon = 0;
    m_iconFrame = {};
    QElapsedTimer unmoved;
    const bool settled = QTest::qWaitFor(
        [&] {
            const auto tray = m_desktop.findWindow({.windowClass = QStringLiteral("trayer")});
            const auto icon = tray ? m_desktop.findWindow({.processIdentifier = pid,
                                                           .within = m_desktop.frame(*tray)})
                                   : std::nullopt;
            const QRect now = icon ? m_desktop.frame(*icon) : QRect();
            if (icon.value_or(0) != m_icon || now != m_iconFrame) {
                m_icon = icon.value_or(0);
                m_iconFrame = now;
                unmoved.start();
                return false;
            }
            return m_iconFrame.isValid() && m_iconFrame.bottom() < 32 &&
                   m_iconFrame.width() <= 64 && unmoved.elapsed() >= 500;
        },
        15000);
    if (!settled)
        m_why = QStringLiteral("the icon is at %1; the log says:\n%2")
                    .arg(testing::describe(m_iconFrame), m_desktop.logEndOf(m_halvex));
    return settled;
}

void tst_MenuBarOnX11::quit()
{
    QProcess *halvex = std::exchange(m_halvex, nullptr);
    QVERIFY(halvex);
    const qint64 pid = halvex->processId();
    halvex->terminate();
    QVERIFY2(halvex->waitForFinished(15000) && halvex->exitStatus() == QProcess::NormalExit &&
                 halvex->exitCode() == 0,
             qPrintable(m_desktop.logEndOf(halvex)));
    // Gone from the tray before the next row docks its own icon.
    QTRY_VERIFY_WITH_TIMEOUT(!m_desktop.findWindow({.processIdentifier = pid}), 10000);
}

std::optional<tst_MenuBarOnX11::Window> tst_MenuBarOnX11::openPopover(int clicks)
{
    QPoint at;
    for (int i = 0; i < clicks; ++i) {
        at = m_desktop.frame(m_icon).center();
        if (!m_desktop.click(at))
            return std::nullopt;
        if (const auto shown = m_desktop.waitForWindow(popover(), clickAnswerMs))
            return shown;
    }
    const QRect now = m_desktop.frame(m_icon);
    (void)m_desktop.screenshot(QStringLiteral("halvex-tray-click-unanswered"));
    qWarning("no popover; the icon, clicked at (%d, %d), is at %d,%d %dx%d now; the log says:\n%s",
             at.x(), at.y(), now.x(), now.y(), now.width(), now.height(),
             qPrintable(m_desktop.logEndOf(m_halvex)));
    return std::nullopt;
}

QString tst_MenuBarOnX11::backgroundOf(Window popover) const
{
    const QImage image = m_desktop.grab(popover);
    return image.isNull() ? QString() : image.pixelColor(2, image.height() - 3).name();
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
    QVERIFY2(launch(scale), qPrintable(m_why));
    QVERIFY(!m_desktop.screenshot(QStringLiteral("halvex-tray-docked-") + percent).isEmpty());

    const auto shown = openPopover();
    QVERIFY(shown);
    // Mapped right under the icon, where the placement puts it: at 100 %
    // Qt's coordinates are the X server's.
    if (scale == 1.0)
        QTRY_COMPARE(m_desktop.frame(*shown), PopoverWindowController::anchoredFrame(m_iconFrame));
    // Out of the task bar and pager, also once the window manager has it.
    QTRY_VERIFY(hasStates(*shown, {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}));
    const QRect frame = m_desktop.frame(*shown);
    QVERIFY2(frame.top() > m_iconFrame.bottom() && frame.top() - m_iconFrame.bottom() <= 8 * scale,
             qPrintable(QStringLiteral("the popover's top is at %1, the icon's bottom at %2")
                            .arg(frame.top())
                            .arg(m_iconFrame.bottom())));
    QVERIFY(frame.left() <= m_iconFrame.center().x() && m_iconFrame.center().x() <= frame.right());
    // Clear of the tray's bar.
    const auto tray = m_desktop.findWindow({.windowClass = QStringLiteral("trayer")});
    QVERIFY(tray);
    QVERIFY(!m_desktop.outerFrame(*shown).intersects(m_desktop.outerFrame(*tray)));
    // Drawn, not only mapped, before its picture is taken.
    QTRY_VERIFY_WITH_TIMEOUT(testing::screenshots::distinctColours(m_desktop.grab(*shown), 4) > 8,
                             10000);
    QVERIFY(!m_desktop.screenshot(QStringLiteral("halvex-popover-open-") + percent).isEmpty());
    QVERIFY(hasStates(*shown, {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}));

    QVERIFY(m_desktop.click(m_iconFrame.center()));
    QTRY_VERIFY_WITH_TIMEOUT(!m_desktop.findWindow(popover()), 10000);
    QVERIFY(!m_desktop.screenshot(QStringLiteral("halvex-popover-closed-") + percent).isEmpty());
    // Closed, not closed and opened again by the same click; the icon stays.
    QVERIFY(!m_desktop.findWindow(popover()));
    QVERIFY(m_desktop.findWindow(
        {.processIdentifier = m_halvex->processId(), .size = m_iconFrame.size()}));
    quit();
}

void tst_MenuBarOnX11::thePopoverFollowsTheDesktopsSchemeOpenAndWhenOpenedNext()
{
    testing::PortalSettingsStub &portal = *m_portal;
    const QString light = Color::background().light().name();
    const QString dark = Color::background().dark().name();
    QVERIFY(light != dark);
    QVERIFY(portal.setScheme(Scheme::light));
    QVERIFY2(launch(1.0), qPrintable(m_why));

    const auto shown = openPopover();
    QVERIFY(shown);
    // With the focus: what coming to the front reads again has been read.
    QTRY_COMPARE(m_desktop.activeWindow().value_or(0), *shown);
    QTRY_COMPARE(backgroundOf(*shown), light);
    const QImage lightIcon = m_desktop.grab(m_icon);

    // The user switches the desktop while the popover is open, one way and
    // the other; the tray icon is inked for the desktop too.
    QVERIFY(portal.setScheme(Scheme::dark));
    QTRY_COMPARE(backgroundOf(*shown), dark);
    QVERIFY(!m_desktop.screenshot(QStringLiteral("halvex-popover-dark-after-switch"), *shown)
                 .isEmpty());
    QTRY_VERIFY(m_desktop.grab(m_icon) != lightIcon);
    QVERIFY(portal.setScheme(Scheme::light));
    QTRY_COMPARE(backgroundOf(*shown), light);
    QVERIFY(!m_desktop.screenshot(QStringLiteral("halvex-popover-light-after-switch"), *shown)
                 .isEmpty());
    QTRY_COMPARE(m_desktop.grab(m_icon), lightIcon);

    // Switched while closed: the icon shows the change has been taken, and
    // the popover opened next comes up in it, not in the look it had.
    QVERIFY(m_desktop.click(m_desktop.frame(m_icon).center()));
    QTRY_VERIFY_WITH_TIMEOUT(!m_desktop.findWindow(popover()), 10000);
    QVERIFY(portal.setScheme(Scheme::dark));
    QTRY_VERIFY(m_desktop.grab(m_icon) != lightIcon);
    const auto next = openPopover(3);
    QVERIFY(next);
    QString first;
    const bool drawn = QTest::qWaitFor([&] {
        first = backgroundOf(*next);
        return first == light || first == dark;
    });
    if (!drawn)
        (void)m_desktop.screenshot(QStringLiteral("halvex-popover-opened-next-undrawn"));
    QVERIFY2(drawn,
             qPrintable(QStringLiteral("its corner shows '%1'; the popover is %2")
                            .arg(first, m_desktop.findWindow(popover()) ? QStringLiteral("mapped")
                                                                        : QStringLiteral("gone"))));
    QCOMPARE(first, dark);
    QVERIFY(
        !m_desktop.screenshot(QStringLiteral("halvex-popover-dark-opened-next"), *next).isEmpty());
    quit();
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
