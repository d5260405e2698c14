#include <QTest>

#include "browsers/ProbeError.h"

using halvex::ProbeError;

class tst_ProbeError : public QObject {
    Q_OBJECT
private slots:
    void equality_data();
    void equality();
};

void tst_ProbeError::equality_data()
{
    QTest::addColumn<ProbeError>("a");
    QTest::addColumn<ProbeError>("b");
    QTest::addColumn<bool>("equal");
    const ProbeError timeout = ProbeError::scriptFailure("timeout");
    QTest::newRow("same text") << timeout << ProbeError::scriptFailure("timeout") << true;
    QTest::newRow("case differs") << timeout << ProbeError::scriptFailure("Timeout") << false;
    QTest::newRow("failure vs denied") << timeout << ProbeError::automationDenied() << false;
    QTest::newRow("empty failure vs denied")
        << ProbeError::scriptFailure("") << ProbeError::automationDenied() << false;
    QTest::newRow("denied") << ProbeError::automationDenied() << ProbeError::automationDenied()
                            << true;
    QTest::newRow("two denials differ")
        << ProbeError::automationDenied() << ProbeError::accessibilityDenied() << false;
    QTest::newRow("not running") << ProbeError::notRunning() << ProbeError::notRunning() << true;
}

void tst_ProbeError::equality()
{
    QFETCH(ProbeError, a);
    QFETCH(ProbeError, b);
    QFETCH(bool, equal);
    QCOMPARE(a == b, equal);
    QCOMPARE(b == a, equal);
}

QTEST_GUILESS_MAIN(tst_ProbeError)
#include "tst_ProbeError.moc"
