// The status item in a real tray: trayer docks the icon through XEmbed, and
// clicks of the real pointer open the popover at it and close it again.
#include <QSignalSpy>
#include <QTimer>
#include <QTest>

#include "DesktopHarness.h"
#include "FakeSystemAppearance.h"
#include "StoreFixture.h"
#include "editor/ApplicationChooser.h"
#include "engine/StreakEngine.h"
#include "menubar/PopoverWindowController.h"
#include "menubar/StatusItemController.h"
#include "platform/ApplicationIdentity.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/X11Workspace.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

class tst_StatusItemOnX11 : public QObject {
    Q_OBJECT

    testing::DesktopHarness m_desktop;
    TranslationLoader m_translations;

private slots:
    void initTestCase();
    void clicksOnTheDockedIconOpenAndCloseThePopoverAtIt();
};

void tst_StatusItemOnX11::initTestCase()
{
    QVERIFY(m_translations.load(QStringLiteral("en")));
    // The tray host first, so that the icon is docked once, when it is shown.
    for (const QString &why : {m_desktop.startWindowManager(), m_desktop.startTrayHost()})
        QVERIFY2(why.isEmpty(), qPrintable(why));
}

void tst_StatusItemOnX11::clicksOnTheDockedIconOpenAndCloseThePopoverAtIt()
{
    testing::StoreFixture store;
    auto streak = store.addStreak();
    streak->setName(QStringLiteral("Work"));
    streak->setStartedAt(store.now.addDays(-3));
    streak->setIsPrimary(true);
    QVERIFY(store.save());
    StreakEngine engine(store.persistence, store.dayClock, nullptr, store.scheduler);

    QVERIFY(m_desktop.writeDesktopFile(QStringLiteral("org.example.Notes"), QStringLiteral("Notes"),
                                       QStringLiteral("Notes")));
    const platform::DesktopEntryIndex index({m_desktop.applicationsPath()});
    const InstalledApplications installed(index);
    const platform::ApplicationIdentity identity(index);
    platform::X11Workspace workspace(identity);
    QVERIFY(workspace.isConnected());
    testing::FakeSystemAppearance appearance;
    PopoverWindowController popover({.workspace = workspace});
    // The icon's red states run on the store's scheduler, which only the test moves.
    StatusItemController status({.streakEngine = engine,
                                 .popoverController = popover,
                                 .systemAppearance = appearance,
                                 .scheduler = store.scheduler});
    QCOMPARE(status.trayPresence(), StatusItemController::TrayPresence::present);
    QCOMPARE(status.accessibilityLabel(), QStringLiteral("3\u00a0days, Work"));

    const testing::DesktopHarness::WindowMatch ours{
        .windowClass = QCoreApplication::applicationName(),
        .processIdentifier = QCoreApplication::applicationPid()};
    const auto icon = m_desktop.waitForWindow(ours);
    QVERIFY(icon);
    QRect iconFrame;
    // Docked in trayer's panel along the top of the screen.
    QTRY_VERIFY((iconFrame = m_desktop.frame(*icon)).isValid() && iconFrame.bottom() < 32);
    QTRY_COMPARE(status.button()->windowFrame(), std::optional(iconFrame));
    QVERIFY(!m_desktop.screenshot(QStringLiteral("menubar-tray-docked")).isEmpty());

    // The tray shows the frame the icon is in, red from a reset until its
    // break ends: counted as the icon's pixels in the mark's ink and in red.
    const auto inked = [&](const QString &name) {
        // The whole screen: a grab of the embedded window alone now and then fails.
        const QImage shot = QImage(m_desktop.screenshot(name)).copy(iconFrame);
        const QColor ink = Color::ink().resolve(Appearance::light);
        const QColor red = Color::destructive().resolve(Appearance::light);
        QPair<int, int> counts;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                counts.first += shot.pixelColor(x, y) == ink;
                counts.second += shot.pixelColor(x, y) == red;
            }
        }
        return counts;
    };
    const auto isMark = [](QPair<int, int> counts) {
        return counts.first > 20 && counts.second == 0;
    };
    const auto isRed = [](QPair<int, int> counts) {
        return counts.first == 0 && counts.second > 20;
    };
    QTRY_VERIFY(isMark(inked(QStringLiteral("menubar-tray-mark"))));
    engine.resetStreak(streak->id());
    QTRY_VERIFY(isRed(inked(QStringLiteral("menubar-tray-breaking"))));
    QCOMPARE(status.accessibilityLabel(), QStringLiteral("0\u00a0days, Work"));
    store.scheduler.advance(MenuBarIconView::breakingSeconds);
    QTRY_VERIFY(isMark(inked(QStringLiteral("menubar-tray-mark"))));

    QSignalSpy openState(&popover, &PopoverWindowController::didChangeOpenState);
    QVERIFY(m_desktop.click(iconFrame.center()));
    QTRY_VERIFY(popover.isShown());
    auto shownWindow =
        m_desktop.waitForWindow({.title = QStringLiteral("Halvex"),
                                 .processIdentifier = QCoreApplication::applicationPid()});
    QVERIFY(shownWindow);
    // Mapped right under the icon, where the placement puts it.
    QTRY_COMPARE(m_desktop.frame(*shownWindow), PopoverWindowController::anchoredFrame(iconFrame));
    const QRect shown = m_desktop.frame(*shownWindow);
    QVERIFY(shown.top() > iconFrame.bottom() && shown.top() - iconFrame.bottom() <= 8);
    QVERIFY(shown.left() <= iconFrame.center().x() && iconFrame.center().x() <= shown.right());
    QTRY_VERIFY(popover.window()->isActiveWindow());
    QVERIFY(!m_desktop.screenshot(QStringLiteral("menubar-popover-open")).isEmpty());

    // Our own modal dialog from the popover takes the focus and a click;
    // the popover stays open under it.
    QString chooserSeen = QStringLiteral("the chooser never ran");
    Environment::modalPanelPresenter(popover.contentWidget())([&] {
        ApplicationChooser chooser(installed, popover.contentWidget());
        QTimer::singleShot(0, &chooser, [&] {
            const auto dialog =
                m_desktop.waitForWindow({.title = chooser.windowTitle(),
                                         .processIdentifier = QCoreApplication::applicationPid()});
            if (!dialog || !m_desktop.click(m_desktop.frame(*dialog).center()))
                chooserSeen = QStringLiteral("the chooser was not mapped or not clicked");
            else if (!QTest::qWaitFor([&] { return chooser.isActiveWindow(); }, 10000))
                chooserSeen = QStringLiteral("the chooser did not take the focus");
            else if (!popover.isShown())
                chooserSeen = QStringLiteral("the popover closed under the chooser");
            else
                chooserSeen.clear();
            m_desktop.screenshot(QStringLiteral("menubar-popover-chooser"));
            chooser.reject();
        });
        chooser.exec();
    });
    QVERIFY2(chooserSeen.isEmpty(), qPrintable(chooserSeen));
    QVERIFY(popover.isShown());

    QVERIFY(m_desktop.click(iconFrame.center()));
    QTRY_VERIFY(!popover.isShown());
    QTRY_VERIFY(!m_desktop.findWindow({.title = QStringLiteral("Halvex"),
                                       .processIdentifier = QCoreApplication::applicationPid()}));
    QVERIFY(!m_desktop.screenshot(QStringLiteral("menubar-popover-closed")).isEmpty());
    // Opened once and closed once: the closing click did not open it again.
    QCOMPARE(openState.size(), 2);
    QCOMPARE(openState.at(0).at(0).toBool(), true);
    QCOMPARE(openState.at(1).at(0).toBool(), false);
    QVERIFY(m_desktop.findWindow(ours));
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_StatusItemOnX11>(argc, argv,
                                                             {QStringLiteral("HalvexTrayProbe")});
}

#include "tst_StatusItemOnX11.moc"
