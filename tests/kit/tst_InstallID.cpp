#include <QRegularExpression>
#include <QTest>

#include "FakeKeychain.h"
#include "kit/InstallID.h"

using fennimar::InstallID;
using platform::KeychainStatus;
using testing::FakeKeychain;

namespace {
const QString bundleId = QStringLiteral("com.fennimar.halvex");
const FakeKeychain::Key item{QStringLiteral("com.fennimar.halvex.identity"),
                             QStringLiteral("installId")};

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
    void storedItem_data();
    void storedItem();
    void keychainFailures_data();
    void keychainFailures();
    void bundlesHaveTheirOwnIdentity();
};

void tst_InstallID::storedItem_data()
{
    QTest::addColumn<QVariant>("stored");  // QByteArray, or nothing: no item
    QTest::addColumn<QString>("expected"); // empty with `fresh`: a new identity

    QTest::newRow("nothing stored") << QVariant() << QString();
    QTest::newRow("upper case kept as stored")
        << QVariant(QByteArray("0F8FAD5B-D9CB-469F-A165-70867728950E"))
        << "0F8FAD5B-D9CB-469F-A165-70867728950E";
    QTest::newRow("empty text is an identity") << QVariant(QByteArray("")) << "";
    QTest::newRow("not UTF-8 is replaced") << QVariant(QByteArray("\xff\xfe\x80", 3)) << QString();
}

void tst_InstallID::storedItem()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);

    FakeKeychain keychain;
    if (stored.isValid())
        keychain.items.insert(item, stored.toByteArray());
    const bool fresh = expected.isNull();

    const QString first = InstallID::current(bundleId, keychain);
    if (fresh) {
        QVERIFY2(isFreshIdentity(first), qPrintable(first));
        QCOMPARE(keychain.items.value(item), first.toUtf8());
    } else {
        QCOMPARE(first, expected);
        QCOMPARE(keychain.items.value(item), stored.toByteArray());
    }
    QCOMPARE(InstallID::current(bundleId, keychain), first);
}

void tst_InstallID::keychainFailures_data()
{
    QTest::addColumn<KeychainStatus>("readStatus");
    QTest::addColumn<KeychainStatus>("writeStatus");
    QTest::addColumn<bool>("kept"); // the second call finds the first identity

    using S = KeychainStatus;
    QTest::newRow("no keyring answers") << S::unavailable << S::unavailable << false;
    QTest::newRow("keyring too slow") << S::timedOut << S::timedOut << false;
    QTest::newRow("read refused, write works") << S::accessDenied << S::success << false;
    QTest::newRow("write refused") << S::success << S::failed << false;
}

void tst_InstallID::keychainFailures()
{
    QFETCH(KeychainStatus, readStatus);
    QFETCH(KeychainStatus, writeStatus);
    QFETCH(bool, kept);

    FakeKeychain keychain;
    keychain.readStatus = readStatus;
    keychain.writeStatus = writeStatus;

    const QString first = InstallID::current(bundleId, keychain);
    const QString second = InstallID::current(bundleId, keychain);
    QVERIFY(isFreshIdentity(first));
    QVERIFY(isFreshIdentity(second));
    QCOMPARE(first == second, kept);
    // Each call tried to keep what it made.
    QCOMPARE(keychain.calls.filter(QStringLiteral("write ")).size(), 2);
}

void tst_InstallID::bundlesHaveTheirOwnIdentity()
{
    FakeKeychain keychain;
    const QString ours = InstallID::current(bundleId, keychain);
    const QString theirs = InstallID::current(QStringLiteral("com.fennimar.other"), keychain);
    QVERIFY(ours != theirs);
    QCOMPARE(keychain.items.size(), 2);
    QCOMPARE(keychain.items.value(
                 {QStringLiteral("com.fennimar.other.identity"), QStringLiteral("installId")}),
             theirs.toUtf8());
    QCOMPARE(InstallID::current(bundleId, keychain), ours);
}

QTEST_GUILESS_MAIN(tst_InstallID)
#include "tst_InstallID.moc"
