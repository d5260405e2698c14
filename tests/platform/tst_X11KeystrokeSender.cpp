#include <QKeyEvent>
#include <QKeySequence>
#include <QTest>
#include <QWidget>

#include "DesktopHarness.h"
#include "LogCapture.h"
#include "platform/X11Connection.h"
#include "platform/X11KeystrokeSender.h"

using platform::X11Connection;
using platform::X11KeystrokeSender;

namespace {

// Records the shortcuts that reach it, modifier presses left out.
class KeyRecorder final : public QWidget {
public:
    QStringList keys;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Alt:
        case Qt::Key_Control:
        case Qt::Key_Shift:
        case Qt::Key_Meta:
            return;
        default:
            keys << QKeySequence(event->keyCombination()).toString();
        }
    }
};

qint32 ownPid()
{
    return qint32(QCoreApplication::applicationPid());
}

} // namespace

class tst_X11KeystrokeSender : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void postsChordsToAWindowOfTheTargetProcess_data();
    void postsChordsToAWindowOfTheTargetProcess();
    void refusesWhileAnotherProcessOwnsTheActiveWindow();
    void refusesWithoutTrust();
    void unknownKeyCodeMakesNoEvent();

private:
    std::optional<qint32> activeOwner() const
    {
        const auto window = m_connection->activeWindow();
        return window ? m_connection->processIdentifier(*window) : std::nullopt;
    }
    void activate(QWidget &w);

    std::unique_ptr<X11Connection> m_connection;
    testing::DesktopHarness m_desktop;
    bool m_trusted = true;
    std::unique_ptr<X11KeystrokeSender> m_sender;
};

void tst_X11KeystrokeSender::initTestCase()
{
    m_connection = std::make_unique<X11Connection>();
    QVERIFY(m_connection->isValid());
    const QString why = m_desktop.startWindowManager();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    m_sender = std::make_unique<X11KeystrokeSender>([this] { return m_trusted; }, *m_connection);
}

void tst_X11KeystrokeSender::cleanupTestCase() {}

void tst_X11KeystrokeSender::activate(QWidget &w)
{
    w.resize(240, 120);
    w.show();
    w.raise();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTRY_COMPARE(activeOwner(), std::optional<qint32>(ownPid()));
}

void tst_X11KeystrokeSender::postsChordsToAWindowOfTheTargetProcess_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("back") << int(platform::keycode::leftBracket) << "Alt+Left";
    QTest::newRow("close tab") << int(platform::keycode::w) << "Ctrl+W";
    QTest::newRow("new tab") << int(platform::keycode::t) << "Ctrl+T";
}

void tst_X11KeystrokeSender::postsChordsToAWindowOfTheTargetProcess()
{
    QFETCH(int, keyCode);
    QFETCH(QString, expected);
    KeyRecorder w;
    activate(w);
    QVERIFY(m_sender->send(quint16(keyCode), ownPid()));
    QTRY_COMPARE(w.keys, QStringList{expected});
}

void tst_X11KeystrokeSender::refusesWhileAnotherProcessOwnsTheActiveWindow()
{
    testing::LogCapture log;
    KeyRecorder w;
    activate(w);

    QProcess *other = m_desktop.startHelperWindow({.title = QStringLiteral("other process")});
    QVERIFY(other);
    const qint32 otherPid = qint32(other->processId());
    QTRY_COMPARE_WITH_TIMEOUT(activeOwner(), std::optional<qint32>(otherPid), 10000);

    QVERIFY(!m_sender->send(platform::keycode::w, ownPid()));
    QVERIFY(
        log.contains(QStringLiteral("com.fennimar.halvex.triggers"),
                     QStringLiteral("keystroke skipped: process %1 does not own the active window")
                         .arg(ownPid())));
    other->kill();
    other->waitForFinished(5000);
    QVERIFY(w.keys.isEmpty());
}

void tst_X11KeystrokeSender::refusesWithoutTrust()
{
    testing::LogCapture log;
    KeyRecorder w;
    activate(w);
    m_trusted = false;
    const bool sent = m_sender->send(platform::keycode::w, ownPid());
    m_trusted = true;
    QVERIFY(!sent);
    QCOMPARE(log.messages(QStringLiteral("com.fennimar.halvex.triggers")),
             QStringList{QStringLiteral("keystroke skipped: Accessibility not granted")});
}

void tst_X11KeystrokeSender::unknownKeyCodeMakesNoEvent()
{
    testing::LogCapture log;
    KeyRecorder w;
    activate(w);
    QVERIFY(!m_sender->send(quint16(0), ownPid()));
    QCOMPARE(log.messages(QStringLiteral("com.fennimar.halvex.triggers")),
             QStringList{QStringLiteral("keystroke failed: CGEvent could not be created")});
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_X11KeystrokeSender>(argc, argv);
}

#include "tst_X11KeystrokeSender.moc"
