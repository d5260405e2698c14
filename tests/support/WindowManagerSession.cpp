#include "WindowManagerSession.h"

#include <QTest>
#include <QWidget>

#include "platform/X11Connection.h"

namespace testing {

namespace {
constexpr int startTimeoutMs = 10000;
}

WindowManagerSession::~WindowManagerSession()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
}

QString WindowManagerSession::ensureRunning(bool untilManaging)
{
    platform::X11Connection connection;
    if (!connection.isValid())
        return QStringLiteral("no X server: run under xvfb-run");
    if (!connection.hasWindowManager()) {
        m_process.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (!m_process.waitForStarted(startTimeoutMs))
            return QStringLiteral("openbox could not be started");
        if (!QTest::qWaitFor([&] { return connection.hasWindowManager(); }, startTimeoutMs))
            return QStringLiteral("openbox did not take the screen");
    }
    if (!untilManaging)
        return {};
    QWidget sentinel;
    const auto sentinelId = platform::X11Connection::Window(sentinel.winId());
    bool managed = false;
    for (int attempt = 0; attempt < 10 && !managed; ++attempt) {
        sentinel.show();
        managed = QTest::qWaitFor([&] { return connection.clientWindows().contains(sentinelId); }, 1000);
        sentinel.hide();
    }
    if (!managed)
        return QStringLiteral("the window manager manages no window");
    // Leave with nothing of ours in front, so that showing a window is news.
    if (!QTest::qWaitFor([&] { return !connection.clientWindows().contains(sentinelId); }, 5000))
        return QStringLiteral("the window manager kept a hidden window");
    return {};
}

} // namespace testing
