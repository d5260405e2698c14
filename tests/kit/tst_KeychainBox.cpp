#include <QTest>

#include "FakeKeychain.h"
#include "kit/KeychainBox.h"

using fennimar::KeychainBox;
using fennimar::KeychainError;
using platform::KeychainStatus;
using testing::FakeKeychain;

namespace {
const QString service = QStringLiteral("com.fennimar.halvex.identity");
const QString account = QStringLiteral("installId");
} // namespace

class tst_KeychainBox : public QObject {
    Q_OBJECT
private slots:
    void writeReplacesInOneStep_data();
    void writeReplacesInOneStep();
};

void tst_KeychainBox::writeReplacesInOneStep_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<KeychainStatus>("removeStatus");
    QTest::addColumn<KeychainStatus>("writeStatus");
    QTest::addColumn<QVariant>("error"); // KeychainStatus, or nothing: success
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QByteArray>("readBack"); // empty: nothing readable

    using S = KeychainStatus;
    const QStringList w{u"write "_qs + service + u' ' + account};
    QTest::newRow("over an existing item")
        << true << S::success << S::success << QVariant() << w << QByteArray("new");
    QTest::newRow("first item") << false << S::success << S::success << QVariant() << w
                                << QByteArray("new");
    // No delete goes first: one that reached a slow keyring late would
    // take away what was stored meanwhile.
    QTest::newRow("a keyring that refuses deletes is no obstacle")
        << true << S::accessDenied << S::success << QVariant() << w << QByteArray("new");
    QTest::newRow("store refused: the old item stays")
        << true << S::success << S::failed << QVariant::fromValue(S::failed) << w
        << QByteArray("old");
}

void tst_KeychainBox::writeReplacesInOneStep()
{
    QFETCH(bool, existing);
    QFETCH(KeychainStatus, removeStatus);
    QFETCH(KeychainStatus, writeStatus);
    QFETCH(QVariant, error);
    QFETCH(QStringList, calls);
    QFETCH(QByteArray, readBack);

    FakeKeychain keychain;
    if (existing)
        keychain.items.insert({service, account}, "old");
    keychain.removeStatus = removeStatus;
    keychain.writeStatus = writeStatus;
    KeychainBox box(service, keychain);

    const KeychainBox::Done written = box.write("new", account).result();
    QCOMPARE(written.hasValue(), !error.isValid());
    if (error.isValid())
        QCOMPARE(written.error(), KeychainError{error.value<KeychainStatus>()});
    QCOMPARE(keychain.calls, calls);
    QCOMPARE(box.read(account).result(),
             readBack.isEmpty() ? std::nullopt : std::optional<QByteArray>(readBack));
}

QTEST_GUILESS_MAIN(tst_KeychainBox)
#include "tst_KeychainBox.moc"
