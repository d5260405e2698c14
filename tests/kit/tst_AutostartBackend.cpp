#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include "kit/AutostartBackend.h"
#include "kit/LaunchAtLogin.h"
#include "platform/XdgAutostartEntry.h"
#include "ui/TranslationLoader.h"

using fennimar::AutostartBackend;
using fennimar::LaunchAtLoginError;
using fennimar::LaunchAtLoginStatus;
using platform::LoginItemError;
using platform::LoginItemStatus;

Q_DECLARE_METATYPE(LaunchAtLoginStatus)
Q_DECLARE_METATYPE(LoginItemStatus)
Q_DECLARE_METATYPE(LaunchAtLoginError)

namespace {

// A login item that answers as told and records what was asked of it.
class FakeLoginItem final : public platform::LoginItem {
public:
    LoginItemStatus status() const override { return current; }
    platform::Expected<void, LoginItemError> registerItem() override
    {
        calls << QStringLiteral("register");
        return answer();
    }
    platform::Expected<void, LoginItemError> unregisterItem() override
    {
        calls << QStringLiteral("unregister");
        return answer();
    }

    LoginItemStatus current = LoginItemStatus::notRegistered;
    std::optional<LoginItemError> failure;
    QStringList calls;

private:
    platform::Expected<void, LoginItemError> answer()
    {
        if (failure)
            return platform::unexpected(*failure);
        return {};
    }
};

} // namespace

class tst_AutostartBackend : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void mapsTheSessionsStatus_data();
    void mapsTheSessionsStatus();
    void turnsFailuresIntoOurErrors_data();
    void turnsFailuresIntoOurErrors();
    void switchesTheAutostartEntry();
};

void tst_AutostartBackend::mapsTheSessionsStatus_data()
{
    QTest::addColumn<LoginItemStatus>("platformStatus");
    QTest::addColumn<LaunchAtLoginStatus>("status");
    QTest::addColumn<bool>("requested");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("enabled") << LoginItemStatus::enabled << LaunchAtLoginStatus::enabled << true
                             << true;
    QTest::newRow("waiting for approval") << LoginItemStatus::requiresApproval
                                          << LaunchAtLoginStatus::requiresApproval << true << false;
    QTest::newRow("not registered")
        << LoginItemStatus::notRegistered << LaunchAtLoginStatus::notRegistered << false << false;
    QTest::newRow("a value we do not know")
        << LoginItemStatus(42) << LaunchAtLoginStatus::unknown << false << false;
}

void tst_AutostartBackend::mapsTheSessionsStatus()
{
    QFETCH(LoginItemStatus, platformStatus);
    QFETCH(LaunchAtLoginStatus, status);
    QFETCH(bool, requested);
    QFETCH(bool, enabled);
    auto item = std::make_shared<FakeLoginItem>();
    item->current = platformStatus;
    const AutostartBackend backend(item);
    QCOMPARE(backend.status(), status);
    QCOMPARE(backend.isRequested(), requested);
    QCOMPARE(backend.isEnabled(), enabled);
}

void tst_AutostartBackend::turnsFailuresIntoOurErrors_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<LaunchAtLoginError>("expected");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    const QString systemText = QStringLiteral("Permission denied");
    QTest::newRow("waits for approval")
        << LoginItemError::requiresApprovalCode << LaunchAtLoginError::requiresApproval()
        << "Open your desktop's Startup Applications settings to enable launch at login."
        << "Öffne die Einstellungen für Autostart-Anwendungen deiner Arbeitsumgebung, um den "
           "Start bei der Anmeldung zu aktivieren.";
    QTest::newRow("application not found")
        << LoginItemError::notFoundCode << LaunchAtLoginError::notFound()
        << "The app's program file could not be found. Reinstall the app to launch it at login."
        << "Die Programmdatei der App wurde nicht gefunden. Installiere die App neu, um sie bei "
           "der Anmeldung zu starten.";
    QTest::newRow("anything else keeps the system's text")
        << LoginItemError::writeFailedCode << LaunchAtLoginError::failed(systemText) << systemText
        << systemText;
}

void tst_AutostartBackend::turnsFailuresIntoOurErrors()
{
    QFETCH(int, code);
    QFETCH(LaunchAtLoginError, expected);
    QFETCH(QString, english);
    QFETCH(QString, german);
    auto item = std::make_shared<FakeLoginItem>();
    item->failure = LoginItemError{code, QStringLiteral("Permission denied")};
    AutostartBackend backend(item);
    for (const bool enable : {true, false}) {
        const auto done = backend.setEnabled(enable);
        QVERIFY(!done);
        QCOMPARE(done.error(), expected);
    }
    halvex::TranslationLoader translations;
    QVERIFY(translations.load(QStringLiteral("en")));
    QCOMPARE(expected.errorDescription(), english);
    QVERIFY(translations.load(QStringLiteral("de")));
    QCOMPARE(expected.errorDescription(), german);
    QCOMPARE(item->calls, (QStringList{QStringLiteral("register"), QStringLiteral("unregister")}));
    QVERIFY(LaunchAtLoginError::failed(QStringLiteral("a")) !=
            LaunchAtLoginError::failed(QStringLiteral("b")));
}

// The process-wide backend is this application's autostart entry.
void tst_AutostartBackend::switchesTheAutostartEntry()
{
    const QString entry = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                          QStringLiteral("/autostart/") + QCoreApplication::applicationName() +
                          QStringLiteral(".desktop");
    QFile::remove(entry);
    QCOMPARE(fennimar::LaunchAtLogin::status(), LaunchAtLoginStatus::notRegistered);
    QVERIFY(fennimar::LaunchAtLogin::enable());
    QVERIFY(QFile::exists(entry));
    QVERIFY(fennimar::LaunchAtLogin::isEnabled());
    QVERIFY(fennimar::LaunchAtLogin::disable());
    QVERIFY(!QFile::exists(entry));
    QVERIFY(!fennimar::LaunchAtLogin::isRequested());
}

QTEST_GUILESS_MAIN(tst_AutostartBackend)
#include "tst_AutostartBackend.moc"
