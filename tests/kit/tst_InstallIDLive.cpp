#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>

#include "DesktopHarness.h"
#include "kit/InstallID.h"
#include "platform/SecretServiceKeychain.h"

using fennimar::InstallID;

namespace {

const QString bundleId = QStringLiteral("com.fennimar.test.live");
const char *const identityOption = "--identity";

// Run as a child: asks for the identity `calls` times through the desktop's
// keychain and prints "id <identity>" for each, then "read <status>" for a
// plain read of the item.
int identityChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int calls = QCoreApplication::arguments().value(2).toInt();
    platform::SecretServiceKeychain keychain;
    QTextStream out(stdout);
    for (int i = 0; i < calls; ++i)
        out << "id " << InstallID::current(bundleId, keychain) << '\n';
    const auto read = keychain.read(InstallID::service(bundleId), InstallID::account);
    out << "read " << (read ? 0 : int(read.error())) << '\n';
    return 0;
}

bool isFreshIdentity(const QString &id)
{
    static const QRegularExpression form(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    return form.match(id).hasMatch();
}

} // namespace

// The install identity against the desktop's own keychain service. Each run
// is a child process of its own (a process makes its D-Bus connection once)
// on the harness's private session bus, which activates nothing on demand.
// The cases run in order: without the service first, then with it started.
class tst_InstallIDLive : public QObject {
    Q_OBJECT
private slots:
    void withoutASecretServiceEachCallMakesANewOne();
    void survivesARestartWithASecretService();

private:
    struct Child {
        QStringList ids;
        int readStatus = -1;
    };
    Child runChild(int calls) const;

    testing::DesktopHarness m_desktop;
};

tst_InstallIDLive::Child tst_InstallIDLive::runChild(int calls) const
{
    Child child;
    const auto output =
        m_desktop.runTool(QCoreApplication::applicationFilePath(),
                          {QString::fromLatin1(identityOption), QString::number(calls)});
    for (const QString &line : QString::fromUtf8(output.value_or(QByteArray())).split(u'\n')) {
        if (line.startsWith(u"id "))
            child.ids << line.mid(3);
        else if (line.startsWith(u"read "))
            child.readStatus = line.mid(5).toInt();
    }
    return child;
}

void tst_InstallIDLive::withoutASecretServiceEachCallMakesANewOne()
{
    QVERIFY(m_desktop.bus());
    QVERIFY(!m_desktop.bus()->hasOwner(QStringLiteral("org.freedesktop.secrets")));

    const Child child = runChild(2);
    QCOMPARE(child.ids.size(), 2);
    QVERIFY(isFreshIdentity(child.ids.at(0)));
    QVERIFY(isFreshIdentity(child.ids.at(1)));
    QVERIFY(child.ids.at(0) != child.ids.at(1));
    // Refused at once, not given up on after the keychain's wait.
    QVERIFY(child.readStatus > int(platform::KeychainStatus::success));
    QVERIFY(child.readStatus != int(platform::KeychainStatus::timedOut));
}

void tst_InstallIDLive::survivesARestartWithASecretService()
{
    const QString why = m_desktop.startSecretService();
    QVERIFY2(why.isEmpty(), qPrintable(why));

    const Child first = runChild(2);
    QCOMPARE(first.ids.size(), 2);
    QVERIFY2(isFreshIdentity(first.ids.at(0)), qPrintable(first.ids.at(0)));
    QCOMPARE(first.ids.at(1), first.ids.at(0));
    QCOMPARE(first.readStatus, int(platform::KeychainStatus::success));

    const Child second = runChild(1);
    QCOMPARE(second.ids, QStringList{first.ids.at(0)});
}

int main(int argc, char **argv)
{
    if (argc > 2 && qstrcmp(argv[1], identityOption) == 0)
        return identityChild(argc, argv);
    return testing::DesktopHarness::run<tst_InstallIDLive>(argc, argv);
}

#include "tst_InstallIDLive.moc"
