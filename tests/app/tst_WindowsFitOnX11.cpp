// Every window of the real halvex binary comes up wholly on its monitor, the
// window manager's frame and title bar included, on the screens people have:
// a netbook's 1024x600, a laptop's 1366x768, 1920x1080 at 150 % (through
// Qt's scale factor and through Xft.dpi) and 2560x1440 at 200 %. Each row
// lays out the monitor, starts the binary once in a home of its own and
// saves a picture of each window under $HALVEX_SCREENSHOT_DIR (else
// $TMPDIR/halvex-screenshots), in the row's light or dark appearance.
#include <memory>

#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QLocalSocket>
#include <QScreen>
#include <QTest>

#include "AccessibleUi.h"
#include "DesktopHarness.h"
#include "ForegroundScene.h"
#include "HalvexSteps.h"
#include "app/SingleInstance.h"
#include "friction/FrictionPanel.h"
#include "kit/ReviewPrompt.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"

using namespace halvex;
using testing::AccessibleUi;
using testing::DesktopHarness;

namespace {

const QString binary = QStringLiteral(HALVEX_BINARY);
// Long enough for a window to come up on a loaded machine.
constexpr int stepTimeoutMs = 20000;
const QString button = QStringLiteral("push button");
constexpr int settledGrabs = 3;
const testing::ForegroundScene::Application own{QStringLiteral("org.example.WindowsFitProbe"),
                                                QStringLiteral("Windows fit probe"),
                                                QStringLiteral("HalvexWindowsFitProbe")};

// The screens of the rows: a monitor, the scale it is given through Qt's
// factor or the X resources' dpi, and the appearance pictures are taken in.
void addScreenColumns()
{
    QTest::addColumn<QSize>("monitor");
    QTest::addColumn<QString>("scaleFactor");
    QTest::addColumn<int>("xftDpi");
    QTest::addColumn<QString>("theme");
}

} // namespace

class tst_WindowsFitOnX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void firstLaunchWindowsFit_data();
    void firstLaunchWindowsFit();
    void everydayWindowsFit_data();
    void everydayWindowsFit();
    void cleanupTestCase();

private:
    using Match = AccessibleUi::Match;

    // A desktop of its own with the row's monitor and scale, the binary
    // started there once `writeHome` has written its home. Empty when it
    // runs, else why not.
    QString startRow(const std::function<bool(const QString &home)> &writeHome,
                     const QStringList &arguments, const QProcessEnvironment &extra = {});
    // Waits until the binary's window of this title is mapped, framed by the
    // window manager and, frame and all, inside the monitor. Empty then,
    // else where it was.
    QString waitUntilFits(const QString &title);
    // The same for a frameless window of the binary's, found by its size in
    // the binary's logical pixels.
    QString waitUntilFits(const QSize &frameless);
    QString waitUntilFits(const DesktopHarness::WindowMatch &match, bool framed,
                          const QString &what);
    bool clickOn(const Match &match);
    // The row's scale: how many of the monitor's pixels the binary's logical pixel takes.
    static qreal rowScale();
    std::optional<AccessibleUi::Element> waitFor(const Match &match);
    bool isGone(const QString &title);
    // The binary's windows opened as its test runs allow: "stats",
    // "settings", "popover", "close".
    bool request(const QString &window) const;
    bool press(const QString &keys) const;
    // The whole screen once it has stopped changing, named for the row.
    void picture(const QString &window) const;
    QString said() const;

    std::unique_ptr<DesktopHarness> m_desktop;
    // This process's window and the blocked application's.
    std::unique_ptr<testing::ForegroundScene> m_scene;
    QProcess *m_halvex = nullptr;
    std::unique_ptr<AccessibleUi> m_ui;
};

void tst_WindowsFitOnX11::initTestCase()
{
    QVERIFY2(QFile::exists(binary), qPrintable(binary));
}

QString tst_WindowsFitOnX11::startRow(const std::function<bool(const QString &home)> &writeHome,
                                      const QStringList &arguments,
                                      const QProcessEnvironment &extra)
{
    QFETCH(QSize, monitor);
    QFETCH(QString, scaleFactor);
    QFETCH(int, xftDpi);
    // The last row's binary and services go with its desktop.
    m_ui.reset();
    m_halvex = nullptr;
    m_scene.reset();
    m_desktop.reset();
    m_desktop = std::make_unique<DesktopHarness>();
    m_scene = std::make_unique<testing::ForegroundScene>(*m_desktop, own);
    for (const QString &why : {m_desktop->startWindowManager(), m_desktop->startAccessibilityBus(),
                               m_desktop->setMonitors({monitor})}) {
        if (!why.isEmpty())
            return why;
    }
    // On the row's monitor; the binary starts with this process in front.
    if (const QString why = m_scene->setUp({.title = QStringLiteral("distraction"),
                                            .size = QSize(400, 300),
                                            .background = QColor(0x8a3b1f),
                                            .text = QStringLiteral("Feed")});
        !why.isEmpty())
        return why;
    if (!m_scene->bringToFront(m_scene->ownApp()))
        return QStringLiteral("this process's window did not come to the front");
    // The X resources outlive a row: each row says what it wants of them.
    const bool resources =
        xftDpi > 0
            ? m_desktop
                  ->runTool(QStringLiteral("xrdb"), {QStringLiteral("-merge")},
                            QByteArrayLiteral("Xft.dpi: ") + QByteArray::number(xftDpi) + '\n')
                  .has_value()
            : m_desktop->runTool(QStringLiteral("xrdb"), {QStringLiteral("-remove")}).has_value();
    if (!resources)
        return QStringLiteral("xrdb could not set the X resources");
    if (!writeHome(m_desktop->homePath()))
        return QStringLiteral("the home could not be written");

    QProcessEnvironment environment = extra;
    // Qt's bridge exposes the widgets whatever the desktop's accessibility switch says.
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    if (!scaleFactor.isEmpty())
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scaleFactor);
    m_halvex = m_desktop->launch(binary, arguments, environment);
    if (!m_halvex)
        return QStringLiteral("cannot start ") + binary;
    m_ui =
        std::make_unique<AccessibleUi>(m_desktop->accessibilityBusAddress(), m_halvex->processId());
    if (!QTest::qWaitFor([this] { return m_ui->application().has_value(); }, stepTimeoutMs))
        return QStringLiteral("the binary never joined the accessibility bus") + said();
    return {};
}

QString tst_WindowsFitOnX11::waitUntilFits(const QString &title)
{
    return waitUntilFits({.title = title, .processIdentifier = m_halvex->processId()}, true, title);
}

QString tst_WindowsFitOnX11::waitUntilFits(const QSize &frameless)
{
    return waitUntilFits({.processIdentifier = m_halvex->processId(),
                          .size = (QSizeF(frameless) * rowScale()).toSize()},
                         false, QStringLiteral("the frameless window"));
}

QString tst_WindowsFitOnX11::waitUntilFits(const DesktopHarness::WindowMatch &match, bool framed,
                                           const QString &what)
{
    const QRect monitor = m_desktop->monitors().value(0);
    QRect outer;
    QRect content;
    const auto fits = [&] {
        const auto window = m_desktop->findWindow(match);
        outer = window ? m_desktop->outerFrame(*window) : QRect();
        content = window ? m_desktop->frame(*window) : QRect();
        return window && (outer != content) == framed && monitor.contains(outer);
    };
    // Once it fits, it stays so after the window manager has caught up.
    if (QTest::qWaitFor(fits, stepTimeoutMs) && m_desktop->waitForWindowManager().isEmpty() &&
        fits())
        return {};
    return QStringLiteral("'%1' is framed at %2 (its content at %3) on the monitor %4")
               .arg(what, testing::describe(outer), testing::describe(content),
                    testing::describe(monitor)) +
           said();
}

bool tst_WindowsFitOnX11::clickOn(const Match &match)
{
    return testing::halvexSteps::clickOn(*m_desktop, *m_ui, match, stepTimeoutMs, rowScale());
}

qreal tst_WindowsFitOnX11::rowScale()
{
    QFETCH(QString, scaleFactor);
    QFETCH(int, xftDpi);
    return !scaleFactor.isEmpty() ? scaleFactor.toDouble() : xftDpi > 0 ? xftDpi / 96.0 : 1.0;
}

std::optional<AccessibleUi::Element> tst_WindowsFitOnX11::waitFor(const Match &match)
{
    std::optional<AccessibleUi::Element> found;
    (void)QTest::qWaitFor([&] { return (found = m_ui->find(match)).has_value(); }, stepTimeoutMs);
    return found;
}

bool tst_WindowsFitOnX11::isGone(const QString &title)
{
    return QTest::qWaitFor(
        [&] {
            return !m_desktop->findWindow(
                {.title = title, .processIdentifier = m_halvex->processId()});
        },
        stepTimeoutMs);
}

bool tst_WindowsFitOnX11::request(const QString &window) const
{
    // Where the running binary listens, as it works that out itself.
    const SingleInstance instance(m_desktop->homePath() + QStringLiteral("/runtime"),
                                  QString::fromLatin1(platform::log::appSubsystem));
    QLocalSocket socket;
    socket.connectToServer(instance.socketPath());
    if (!socket.waitForConnected(stepTimeoutMs))
        return false;
    socket.write(SingleInstance::windowRequestPrefix + window.toUtf8() + '\n');
    return socket.waitForBytesWritten(stepTimeoutMs);
}

bool tst_WindowsFitOnX11::press(const QString &keys) const
{
    return testing::halvexSteps::press(*m_desktop, keys);
}

void tst_WindowsFitOnX11::picture(const QString &window) const
{
    const QString row = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
    QVERIFY(
        !testing::halvexSteps::screenshotOnceSettled(
             *m_desktop, QStringLiteral("fit-%1-%2").arg(row, window), settledGrabs, stepTimeoutMs)
             .isEmpty());
}

QString tst_WindowsFitOnX11::said() const
{
    if (!m_halvex)
        return {};
    // Longer than a failure message may be: what was on screen goes to the output.
    qWarning().noquote() << "on screen:\n" << m_ui->dump();
    return QStringLiteral("; halvex said:\n") + m_desktop->logEndOf(m_halvex);
}

void tst_WindowsFitOnX11::firstLaunchWindowsFit_data()
{
    addScreenColumns();
    QTest::newRow("1024x600 light")
        << QSize(1024, 600) << QString() << 0 << QStringLiteral("light");
    QTest::newRow("1024x600 dark") << QSize(1024, 600) << QString() << 0 << QStringLiteral("dark");
    QTest::newRow("1920x1080 QT_SCALE_FACTOR 1.5 light")
        << QSize(1920, 1080) << QStringLiteral("1.5") << 0 << QStringLiteral("light");
    QTest::newRow("1920x1080 Xft.dpi 144 dark")
        << QSize(1920, 1080) << QString() << 144 << QStringLiteral("dark");
}

void tst_WindowsFitOnX11::firstLaunchWindowsFit()
{
    QFETCH(QString, theme);
    // A first launch in a session that says it is Wayland: the notice about
    // it comes first, then onboarding, both in the appearance chosen.
    QProcessEnvironment wayland;
    wayland.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    const QString why = startRow(
        [&](const QString &home) {
            PersistenceController store(false, {home + QStringLiteral("/.local/share"), home, {}});
            if (store.degraded())
                return false;
            AppSettings::fetchOrCreate(store.mainContext())->setThemeRaw(theme);
            return store.mainContext().save().hasValue();
        },
        {}, wayland);
    QVERIFY2(why.isEmpty(), qPrintable(why));

    const QString product = QStringLiteral("Halvex");
    QVERIFY2(waitFor({.role = button, .name = QStringLiteral("Continue")}), qPrintable(said()));
    QString fits = waitUntilFits(product);
    QVERIFY2(fits.isEmpty(), qPrintable(fits));
    picture(QStringLiteral("startup-notice"));
    QVERIFY2(clickOn({.role = button, .name = QStringLiteral("Continue")}), qPrintable(said()));

    QVERIFY2(waitFor({.role = button, .name = QStringLiteral("Get started")}), qPrintable(said()));
    fits = waitUntilFits(product);
    QVERIFY2(fits.isEmpty(), qPrintable(fits));
    picture(QStringLiteral("onboarding"));
}

void tst_WindowsFitOnX11::everydayWindowsFit_data()
{
    addScreenColumns();
    QTest::newRow("1024x600 light")
        << QSize(1024, 600) << QString() << 0 << QStringLiteral("light");
    QTest::newRow("1024x600 dark") << QSize(1024, 600) << QString() << 0 << QStringLiteral("dark");
    QTest::newRow("1366x768") << QSize(1366, 768) << QString() << 0 << QStringLiteral("light");
    QTest::newRow("1920x1080 QT_SCALE_FACTOR 1.5 light")
        << QSize(1920, 1080) << QStringLiteral("1.5") << 0 << QStringLiteral("light");
    QTest::newRow("1920x1080 Xft.dpi 144 dark")
        << QSize(1920, 1080) << QString() << 144 << QStringLiteral("dark");
    QTest::newRow("2560x1440 QT_SCALE_FACTOR 2 dark")
        << QSize(2560, 1440) << QStringLiteral("2") << 0 << QStringLiteral("dark");
}

void tst_WindowsFitOnX11::everydayWindowsFit()
{
    QFETCH(QString, theme);
    // Past onboarding, used for long enough to be asked for a rating, with
    // no tray: the popover opens as a window of its own.
    const QString why = startRow(
        [&](const QString &home) {
            platform::UserDefaults defaults(home + QStringLiteral("/.config/fennimar/halvex.ini"));
            defaults.setValue(fennimar::ReviewPrompt::firstUseAtKey,
                              double(QDateTime::currentSecsSinceEpoch() - 60 * 86400));
            defaults.setValue(fennimar::ReviewPrompt::useDaysKey, 30);
            if (!testing::halvexSteps::writeHomePastOnboarding(
                    home, {}, {QStringLiteral("example.com")}, theme))
                return false;
            // And one on the application the panel comes up for.
            PersistenceController store(false, {home + QStringLiteral("/.local/share"), home, {}});
            store.mainContext().insert(std::make_shared<Streak>(
                QUuid::createUuid(), testing::ForegroundScene::distraction().name, StreakType::app,
                StrictnessMode::gentle, QStringList{}, QStringList{},
                QStringList{testing::ForegroundScene::distraction().id},
                QDateTime::currentDateTimeUtc().addDays(-1)));
            return !store.degraded() && store.mainContext().save().hasValue();
        },
        {QStringLiteral("--ui-test")});
    QVERIFY2(why.isEmpty(), qPrintable(why));

    // The popover, closed by its key; the rating prompt follows it.
    QVERIFY(request(QStringLiteral("popover")));
    QVERIFY2(waitFor({.role = button, .name = QStringLiteral("Quit Halvex")}), qPrintable(said()));
    QString fits = waitUntilFits(QStringLiteral("Halvex"));
    QVERIFY2(fits.isEmpty(), qPrintable(fits));
    picture(QStringLiteral("popover-window"));
    QVERIFY(press(QStringLiteral("Escape")));
    const QString rate = QStringLiteral("Rate Halvex");
    fits = waitUntilFits(rate);
    QVERIFY2(fits.isEmpty(), qPrintable(fits));
    picture(QStringLiteral("review-prompt"));
    QVERIFY(press(QStringLiteral("Escape")));
    QVERIFY2(isGone(rate), qPrintable(said()));

    // Statistics, then the streak's editor from its row.
    QVERIFY(request(QStringLiteral("stats")));
    fits = waitUntilFits(QStringLiteral("Stats"));
    QVERIFY2(fits.isEmpty(), qPrintable(fits));
    QVERIFY2(waitFor({.role = button, .name = QStringLiteral("Feeds"), .partialName = true}),
             qPrintable(said()));
    picture(QStringLiteral("statistics"));
    QVERIFY2(clickOn({.role = button, .name = QStringLiteral("Feeds"), .partialName = true}),
             qPrintable(said()));
    const QString streak = QStringLiteral("Streak");
    fits = waitUntilFits(streak);
    QVERIFY2(fits.isEmpty(), qPrintable(fits));
    const auto editor = waitFor({.role = QStringLiteral("filler"), .name = streak});
    QVERIFY2(editor, qPrintable(said()));
    const Match close{.role = button, .name = QStringLiteral("Close"), .within = editor};
    const auto closeButton = waitFor(close);
    QVERIFY2(closeButton, qPrintable(said()));
    // In the binary's logical pixels, as Qt tells the accessibility bus.
    const QRect monitor = m_desktop->monitors().value(0);
    const QRect shown = m_ui->visibleExtents(*closeButton);
    const QRect inPixels(shown.topLeft() * rowScale(), shown.size() * rowScale());
    QVERIFY2(shown == m_ui->extents(*closeButton) && monitor.contains(inPixels),
             qPrintable(QStringLiteral("Close shown at %1").arg(testing::describe(inPixels))));
    picture(QStringLiteral("streak-editor"));
    QVERIFY2(clickOn(close), qPrintable(said()));
    QVERIFY2(isGone(streak), qPrintable(said()));
    QVERIFY(request(QStringLiteral("close")));
    QVERIFY2(isGone(QStringLiteral("Stats")), qPrintable(said()));

    QVERIFY(request(QStringLiteral("settings")));
    fits = waitUntilFits(QStringLiteral("Settings"));
    QVERIFY2(fits.isEmpty(), qPrintable(fits));
    QVERIFY2(waitFor({.role = button, .name = QStringLiteral("Language")}), qPrintable(said()));
    picture(QStringLiteral("settings"));

    // The blocked application comes to the front: the panel, frameless, in
    // front of it. Whether the application is still in front by the time
    // the look comes is the panel's matter, not this step's.
    (void)m_scene->bringToFront(m_scene->helperApp());
    const Match stepBack{.role = button, .name = QStringLiteral("Step back")};
    QVERIFY2(waitFor(stepBack), qPrintable(said()));
    fits = waitUntilFits(FrictionPanel::panelSize);
    QVERIFY2(fits.isEmpty(), qPrintable(fits));
    picture(QStringLiteral("friction-panel"));
    QVERIFY2(clickOn(stepBack), qPrintable(said()));
    QTRY_VERIFY_WITH_TIMEOUT(!m_ui->find(stepBack), stepTimeoutMs);
}

void tst_WindowsFitOnX11::cleanupTestCase()
{
    m_ui.reset();
    m_scene.reset();
    m_desktop.reset();
}

int main(int argc, char **argv)
{
    return DesktopHarness::run<tst_WindowsFitOnX11>(
        argc, argv, {.applicationName = own.windowClass, .resizableDisplay = true});
}

#include "tst_WindowsFitOnX11.moc"
