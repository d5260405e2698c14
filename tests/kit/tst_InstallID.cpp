#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "FakeKeychain.h"
#include "kit/InstallID.h"
#include "platform/UserDefaults.h"

using fennimar::InstallID;
using platform::KeychainStatus;
using testing::FakeKeychain;

namespace {
const QString bundleId = QStringLiteral("com.fennimar.halvex");
const FakeKeychain::Key item{QStringLiteral("com.fennimar.halvex.identity"),
                             QStringLiteral("installId")};
const QString readCall = u"read "_qs + item.first + u' ' + item.second;
const QString writeCall = u"write "_qs + item.first + u' ' + item.second;

bool isFreshIdentity(const QString &id)
{
    static const QRegularExpression form(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    return form.match(id).hasMatch();
}
} // namespace

class tst_InstallID : public QObject {
    Q_OBJECT
private slots:
    void init();
    void asksTheKeychainOnceAndKeepsWhatItCan_data();
    void asksTheKeychainOnceAndKeepsWhatItCan();
    void waitsForTheKeychainWithoutBlocking();
    void bundlesHaveTheirOwnIdentity();

private:
    QString current() { return InstallID::current(bundleId, m_keychain, *m_defaults).result(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<platform::UserDefaults> m_defaults;
    FakeKeychain m_keychain;
};

void tst_InstallID::init()
{
    // Before its folder goes: its last write would make the folder again.
    m_defaults.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_defaults = std::make_unique<platform::UserDefaults>(m_dir->filePath("defaults.ini"));
    m_keychain = {};
}

void tst_InstallID::asksTheKeychainOnceAndKeepsWhatItCan_data()
{
    QTest::addColumn<QVariant>("stored"); // keychain item (QByteArray), or none
    QTest::addColumn<KeychainStatus>("readStatus");
    QTest::addColumn<KeychainStatus>("writeStatus");
    QTest::addColumn<QVariant>("copy");    // the defaults' copy (QString), or none
    QTest::addColumn<QString>("expected"); // null: a new identity
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("itemAfter");   // "stored", "new" or "none"
    QTest::addColumn<bool>("copyOfNewAfter"); // the defaults keep the new identity

    using S = KeychainStatus;
    const QVariant none;
    const QString upper = QStringLiteral("0F8FAD5B-D9CB-469F-A165-70867728950E");
    const QVariant old = QByteArray("6f1c2a9e-0d4b-4c8e-9a57-1b2c3d4e5f60");
    const QString fresh;
    const QStringList justRead{readCall};
    const QStringList readThenWrite{readCall, writeCall};

    QTest::newRow("upper case kept as stored")
        << QVariant(upper.toUtf8()) << S::success << S::success << none << upper << justRead
        << "stored" << false;
    QTest::newRow("empty text is an identity")
        << QVariant(QByteArray("")) << S::success << S::success << none << "" << justRead
        << "stored" << false;
    QTest::newRow("the keychain's item wins over a copy")
        << old << S::success << S::success << QVariant(u"kept"_qs)
        << QString::fromLatin1(old.toByteArray()) << justRead << "stored" << false;
    QTest::newRow("nothing stored: a new one, kept in the keychain")
        << none << S::success << S::success << none << fresh << readThenWrite << "new" << false;
    QTest::newRow("not UTF-8: replaced")
        << QVariant(QByteArray("\xff\xfe\x80", 3)) << S::success << S::success << none << fresh
        << readThenWrite << "new" << false;
    QTest::newRow("keyring prompt cancelled: the copy keeps it")
        << none << S::success << S::accessDenied << none << fresh << readThenWrite << "none"
        << true;
    QTest::newRow("keyring prompt left open: the copy keeps it")
        << none << S::success << S::timedOut << none << fresh << readThenWrite << "none" << true;
    QTest::newRow("a copy from an earlier run: the keychain is not asked to store again")
        << none << S::success << S::success << QVariant(u"kept"_qs) << "kept" << justRead << "none"
        << false;
    QTest::newRow("no keyring on the desktop: the copy is its home")
        << none << S::unavailable << S::unavailable << none << fresh << justRead << "none" << true;
    // A locked or slow keyring may hold the identity: it is never replaced.
    QTest::newRow("keyring too slow: this run's own")
        << old << S::timedOut << S::success << none << fresh << justRead << "stored" << false;
    QTest::newRow("keyring locked: this run's own")
        << old << S::accessDenied << S::success << none << fresh << justRead << "stored" << false;
    QTest::newRow("keyring failing, a copy from an earlier run")
        << old << S::failed << S::success << QVariant(u"kept"_qs) << "kept" << justRead << "stored"
        << false;
}

void tst_InstallID::asksTheKeychainOnceAndKeepsWhatItCan()
{
    QFETCH(QVariant, stored);
    QFETCH(KeychainStatus, readStatus);
    QFETCH(KeychainStatus, writeStatus);
    QFETCH(QVariant, copy);
    QFETCH(QString, expected);
    QFETCH(QStringList, calls);
    QFETCH(QString, itemAfter);
    QFETCH(bool, copyOfNewAfter);

    if (stored.isValid())
        m_keychain.items.insert(item, stored.toByteArray());
    if (copy.isValid())
        m_defaults->setValue(InstallID::defaultsKey(bundleId), copy.toString());
    m_keychain.readStatus = readStatus;
    m_keychain.writeStatus = writeStatus;

    const QString first = current();
    if (expected.isNull())
        QVERIFY2(isFreshIdentity(first), qPrintable(first));
    else
        QCOMPARE(first, expected);
    QCOMPARE(m_keychain.calls, calls);

    const std::optional<QByteArray> after = m_keychain.items.contains(item)
                                                ? std::optional(m_keychain.items.value(item))
                                                : std::nullopt;
    if (itemAfter == u"stored")
        QCOMPARE(after, std::optional(stored.toByteArray()));
    else if (itemAfter == u"new")
        QCOMPARE(after, std::optional(first.toUtf8()));
    else
        QCOMPARE(after, std::nullopt);
    const std::optional<QString> copyAfter =
        m_defaults->stringValue(InstallID::defaultsKey(bundleId));
    QCOMPARE(copyAfter, copyOfNewAfter   ? std::optional(first)
                        : copy.isValid() ? std::optional(copy.toString())
                                         : std::nullopt);

    // The next run finds the same identity wherever it was kept.
    const bool kept = after == first.toUtf8() || copyAfter == first;
    QCOMPARE(current() == first, kept);
}

void tst_InstallID::waitsForTheKeychainWithoutBlocking()
{
    m_keychain.holdAnswers = true;
    const QFuture<QString> identity = InstallID::current(bundleId, m_keychain, *m_defaults);
    QVERIFY(!identity.isFinished());
    // The read; the new identity waits until the keychain took it or not.
    QCOMPARE(m_keychain.answerHeld(), 1);
    QVERIFY(!identity.isFinished());
    m_keychain.writeStatus = KeychainStatus::timedOut;
    QCOMPARE(m_keychain.answerHeld(), 1);
    QVERIFY(identity.isFinished());
    QVERIFY(isFreshIdentity(identity.result()));
    QCOMPARE(m_defaults->stringValue(InstallID::defaultsKey(bundleId)), identity.result());
}

void tst_InstallID::bundlesHaveTheirOwnIdentity()
{
    const QString ours = current();
    const QString theirs =
        InstallID::current(u"com.fennimar.other"_qs, m_keychain, *m_defaults).result();
    QVERIFY(ours != theirs);
    QCOMPARE(m_keychain.items.size(), 2);
    QCOMPARE(m_keychain.items.value(
                 {QStringLiteral("com.fennimar.other.identity"), QStringLiteral("installId")}),
             theirs.toUtf8());
    QCOMPARE(current(), ours);
}

QTEST_GUILESS_MAIN(tst_InstallID)
#include "tst_InstallID.moc"
