#include <QTest>

#include "browsers/BrowserCatalog.h"

using halvex::BrowserAccessKind;
using halvex::BrowserCatalog;

class tst_BrowserCatalog : public QObject {
    Q_OBJECT
private slots:
    void entriesInTableOrder();
    void appleEventsBrowsersLeaveOutFirefox();
    void displayName_data();
    void displayName();
};

void tst_BrowserCatalog::entriesInTableOrder()
{
    using E = BrowserCatalog::Entry;
    const QList<E> expected = {
        {"safari", "com.apple.Safari", "Safari", BrowserAccessKind::appleEvents},
        {"chrome", "com.google.Chrome", "Chrome", BrowserAccessKind::appleEvents},
        {"opera", "com.operasoftware.Opera", "Opera", BrowserAccessKind::appleEvents},
        {"brave", "com.brave.Browser", "Brave", BrowserAccessKind::appleEvents},
        {"edge", "com.microsoft.edgemac", "Microsoft Edge", BrowserAccessKind::appleEvents},
        {"vivaldi", "com.vivaldi.Vivaldi", "Vivaldi", BrowserAccessKind::appleEvents},
        {"arc", "company.thebrowser.Browser", "Arc", BrowserAccessKind::appleEvents},
        {"firefox", "org.mozilla.firefox", "Firefox", BrowserAccessKind::accessibility},
    };
    QCOMPARE(BrowserCatalog::entries().size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QVERIFY2(BrowserCatalog::entries()[i] == expected[i], qPrintable(expected[i].friendlyKey));
}

void tst_BrowserCatalog::appleEventsBrowsersLeaveOutFirefox()
{
    QCOMPARE(BrowserCatalog::appleEventsBundleIdentifiers(),
             (QStringList{"com.apple.Safari", "com.google.Chrome", "com.operasoftware.Opera",
                          "com.brave.Browser", "com.microsoft.edgemac", "com.vivaldi.Vivaldi",
                          "company.thebrowser.Browser"}));
}

void tst_BrowserCatalog::displayName_data()
{
    QTest::addColumn<QString>("bundleIdentifier");
    QTest::addColumn<QString>("expected");
    QTest::newRow("edge") << "com.microsoft.edgemac"
                          << "Microsoft Edge";
    QTest::newRow("chrome's entry, not its bridge name") << "com.google.Chrome"
                                                         << "Chrome";
    QTest::newRow("firefox") << "org.mozilla.firefox"
                             << "Firefox";
    QTest::newRow("unknown stays as given") << "org.example.Unknown"
                                            << "org.example.Unknown";
    QTest::newRow("case matters") << "com.apple.safari"
                                  << "com.apple.safari";
}

void tst_BrowserCatalog::displayName()
{
    QFETCH(QString, bundleIdentifier);
    QFETCH(QString, expected);
    QCOMPARE(BrowserCatalog::displayName(bundleIdentifier), expected);
}

QTEST_GUILESS_MAIN(tst_BrowserCatalog)
#include "tst_BrowserCatalog.moc"
