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
    void writeDeletesThenStores_data();
    void writeDeletesThenStores();
};

void tst_KeychainBox::writeDeletesThenStores_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<KeychainStatus>("removeStatus");
    QTest::addColumn<KeychainStatus>("writeStatus");
    QTest::addColumn<QVariant>("error"); // KeychainStatus, or nothing: success
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QByteArray>("readBack"); // empty: nothing readable

    using S = KeychainStatus;
    const QString r = u"remove "_qs + service + u' ' + account;
    const QString w = u"write "_qs + service + u' ' + account;
    QTest::newRow("over an existing item")
        << true << S::success << S::success << QVariant() << QStringList{r, w} << QByteArray("new");
    // Deleting an item that is not there counts as done.
    QTest::newRow("first item") << false << S::success << S::success << QVariant()
                                << QStringList{r, w} << QByteArray("new");
    QTest::newRow("delete refused: nothing written")
        << true << S::accessDenied << S::success << QVariant::fromValue(S::accessDenied)
        << QStringList{r} << QByteArray("old");
    QTest::newRow("store refused after delete")
        << true << S::success << S::failed << QVariant::fromValue(S::failed) << QStringList{r, w}
        << QByteArray();
}

void tst_KeychainBox::writeDeletesThenStores()
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

    const auto written = box.write("new", account);
    QCOMPARE(written.hasValue(), !error.isValid());
    if (error.isValid())
        QCOMPARE(written.error(), KeychainError{error.value<KeychainStatus>()});
    QCOMPARE(keychain.calls, calls);
    QCOMPARE(box.read(account),
             readBack.isEmpty() ? std::nullopt : std::optional<QByteArray>(readBack));
}

QTEST_GUILESS_MAIN(tst_KeychainBox)
#include "tst_KeychainBox.moc"
