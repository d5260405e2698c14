// The real halvex binary on two monitors side by side, at the scales a user
// gives Qt per monitor or for all: the blocked application in front on the
// second monitor brings its panel up centred there, wherever the mouse is,
// with a backdrop over each monitor. Everything is measured in the X
// server's pixels. Screenshots go under $HALVEX_SCREENSHOT_DIR.
#include <utility>

#include <QFile>
#include <QTest>

#include "ForegroundScene.h"
#include "HalvexSteps.h"
#include "friction/FrictionPanel.h"

using namespace halvex;

namespace {

const testing::ForegroundScene::Application own{QStringLiteral("org.example.MonitorsProbe"),
                                                QStringLiteral("Monitors probe"),
                                                QStringLiteral("HalvexMonitorsProbe")};
const QString binary = QStringLiteral(HALVEX_BINARY);
// Large enough for the panel at 200 %.
const QSize monitorSize(1920, 1080);
constexpr int stepTimeoutMs = 20000;

// The row's name as a file name.
QString pictureName(const QString &prefix)
{
    QString row = QString::fromLatin1(QTest::currentDataTag());
    row.replace(u'%', QStringLiteral("pc")).replace(u' ', u'-');
    return prefix + row;
}

} // namespace

class tst_MonitorsOnX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void thePanelComesUpOnTheBlockedApplicationsMonitor_data();
    void thePanelComesUpOnTheBlockedApplicationsMonitor();
    // A row that failed leaves no panel up for the next.
    void cleanup();

private:
    static bool endsInOrder(QProcess *process)
    {
        process->terminate();
        return process->waitForFinished(15000) && process->exitStatus() == QProcess::NormalExit &&
               process->exitCode() == 0;
    }

    testing::DesktopHarness m_desktop;
    testing::ForegroundScene m_scene{m_desktop, own};
    QList<QRect> m_monitors;
    QProcess *m_halvex = nullptr;
};

void tst_MonitorsOnX11::initTestCase()
{
    QVERIFY2(QFile::exists(binary), qPrintable(binary));
    const QString laidOut = m_desktop.setMonitors({monitorSize, monitorSize});
    QVERIFY2(laidOut.isEmpty(), qPrintable(laidOut));
    m_monitors = m_desktop.monitors();
    QCOMPARE(m_monitors.size(), 2);
    const QString why = m_scene.setUp({.title = QStringLiteral("distraction"),
                                       .size = QSize(800, 500),
                                       .background = QColor(0x8a3b1f),
                                       .text = QStringLiteral("Endless feed")});
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QVERIFY(testing::halvexSteps::writeHomeBlockingApplication(
        m_desktop.homePath(), testing::ForegroundScene::distraction().id));

    // The blocked application's window goes to the second monitor, as the
    // user would drag it.
    const auto helper =
        m_desktop.findWindow({.windowClass = testing::ForegroundScene::distraction().windowClass});
    QVERIFY(helper);
    const QPoint place = m_monitors[1].topLeft() + QPoint(400, 200);
    QVERIFY(m_desktop.runTool(QStringLiteral("xdotool"),
                              {QStringLiteral("windowmove"), QString::number(*helper),
                               QString::number(place.x()), QString::number(place.y())}));
    QTRY_VERIFY_WITH_TIMEOUT(m_monitors[1].contains(m_desktop.outerFrame(*helper)), 10000);
}

void tst_MonitorsOnX11::thePanelComesUpOnTheBlockedApplicationsMonitor_data()
{
    // The variable given to the binary and each monitor's resulting scale.
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<qreal>("firstScale");
    QTest::addColumn<qreal>("secondScale");
    QTest::newRow("no factors") << QString() << QString() << 1.0 << 1.0;
    QTest::newRow("100 % and 200 %") << QStringLiteral("QT_SCREEN_SCALE_FACTORS")
                                     << QStringLiteral("DUMMY0=1;DUMMY1=2") << 1.0 << 2.0;
    QTest::newRow("200 % and 100 %") << QStringLiteral("QT_SCREEN_SCALE_FACTORS")
                                     << QStringLiteral("DUMMY0=2;DUMMY1=1") << 2.0 << 1.0;
    QTest::newRow("150 % on both") << QStringLiteral("QT_SCREEN_SCALE_FACTORS")
                                   << QStringLiteral("DUMMY0=1.5;DUMMY1=1.5") << 1.5 << 1.5;
    QTest::newRow("200 % for all")
        << QStringLiteral("QT_SCALE_FACTOR") << QStringLiteral("2") << 2.0 << 2.0;
}

void tst_MonitorsOnX11::thePanelComesUpOnTheBlockedApplicationsMonitor()
{
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(qreal, firstScale);
    QFETCH(qreal, secondScale);

    QVERIFY(m_scene.bringToFront(m_scene.helperApp()));
    // The mouse on the other monitor: the window decides, not the pointer.
    const QPoint mouse = m_monitors[0].center();
    QVERIFY(m_desktop.runTool(
        QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(mouse.x()), QString::number(mouse.y())}));

    QProcessEnvironment extra;
    if (!variable.isEmpty())
        extra.insert(variable, value);
    QProcess *halvex = m_halvex = m_desktop.launch(binary, {QStringLiteral("--ui-test")}, extra);
    QVERIFY(halvex);

    // The panel, at the size either monitor's scale gives it.
    const auto panelSizeAt = [](qreal scale) {
        return (QSizeF(FrictionPanel::panelSize) * scale).toSize();
    };
    std::optional<testing::DesktopHarness::Window> panel;
    const bool shown = QTest::qWaitFor(
        [&] {
            for (const qreal scale : {secondScale, firstScale}) {
                if ((panel = m_desktop.findWindow(
                         {.processIdentifier = halvex->processId(), .size = panelSizeAt(scale)})))
                    return true;
            }
            return false;
        },
        stepTimeoutMs);
    QVERIFY2(shown, qPrintable(m_desktop.logEndOf(halvex)));

    // Once it has risen into place: centred on the second monitor, at its scale.
    const auto centredThere = [&] {
        const QRect frame = m_desktop.frame(*panel);
        return m_monitors[1].contains(frame.center()) &&
               (frame.center() - m_monitors[1].center()).manhattanLength() <= 4;
    };
    if (!QTest::qWaitFor(centredThere, stepTimeoutMs)) {
        (void)m_desktop.screenshot(pictureName(QStringLiteral("monitors-panel-misplaced-")));
        const QRect frame = m_desktop.frame(*panel);
        QFAIL(qPrintable(QStringLiteral("the panel is at %1; the monitors are %2 and %3")
                             .arg(testing::describe(frame), testing::describe(m_monitors[0]),
                                  testing::describe(m_monitors[1]))));
    }
    QCOMPARE(m_desktop.frame(*panel).size(), panelSizeAt(secondScale));
    // A backdrop over each whole monitor.
    for (const QRect &monitor : std::as_const(m_monitors)) {
        QTRY_VERIFY_WITH_TIMEOUT(m_desktop.findWindow({.processIdentifier = halvex->processId(),
                                                       .size = monitor.size(),
                                                       .within = monitor}),
                                 stepTimeoutMs);
    }
    QVERIFY(!m_desktop.screenshot(pictureName(QStringLiteral("monitors-panel-"))).isEmpty());

    QVERIFY2(endsInOrder(std::exchange(m_halvex, nullptr)), qPrintable(m_desktop.logEndOf(halvex)));
}

void tst_MonitorsOnX11::cleanup()
{
    if (QProcess *halvex = std::exchange(m_halvex, nullptr); halvex && !endsInOrder(halvex))
        halvex->kill();
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_MonitorsOnX11>(
        argc, argv, {.applicationName = own.windowClass, .resizableDisplay = true});
}

#include "tst_MonitorsOnX11.moc"
