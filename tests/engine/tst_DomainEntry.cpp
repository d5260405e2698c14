#include <QTest>
#include <QUrl>

#include "engine/DomainEntry.h"
#include "engine/DomainMatching.h"

using namespace halvex;

class tst_DomainEntry : public QObject {
    Q_OBJECT
private slots:
    void typedEntryMeansWhatTheUserMeant_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("page"); // a page the entry is meant to block
        // clang-format off
        QTest::newRow("plain host") << "reddit.com" << "reddit.com" << "https://reddit.com/";
        QTest::newRow("pasted address")
            << " \tHTTPS://Reddit.com/r/Pics?sort=new#top " << "reddit.com/r/pics"
            << "https://www.reddit.com/r/pics/comments";
        QTest::newRow("wildcard subdomains") << "*.reddit.com" << "reddit.com"
                                             << "https://old.reddit.com/";
        QTest::newRow("leading dot") << ".reddit.com" << "reddit.com" << "https://reddit.com/";
        QTest::newRow("port") << "reddit.com:443" << "reddit.com" << "https://reddit.com/";
        QTest::newRow("bare name with port") << "localhost:8080" << "localhost"
                                             << "http://localhost:8080/admin";
        QTest::newRow("all at once") << "https://*.reddit.com:443/r/pics?x" << "reddit.com/r/pics"
                                     << "https://new.reddit.com/r/pics";
        QTest::newRow("colon in the path stays") << "example.com/a:1" << "example.com/a:1"
                                                 << "https://example.com/a:1";
        QTest::newRow("space in the path stays") << "example.com/my page" << "example.com/my page"
                                                 << "https://example.com/my%20page";
        QTest::newRow("second scheme") << "http://https://example.com/a" << "https://example.com/a"
                                       << "https://example.com/a";
        QTest::newRow("IPv6 address with port") << "[::1]:8080" << "[::1]"
                                                << "http://[::1]:8080/";
        QTest::newRow("IPv4 address") << "127.0.0.1:3000/app" << "127.0.0.1/app"
                                      << "http://127.0.0.1:3000/app/x";
        QTest::newRow("internationalised name") << "Bücher.example" << "bücher.example"
                                                << "https://xn--bcher-kva.example/";
        QTest::newRow("trailing dot") << "example.com." << "example.com."
                                      << "https://example.com/";
        // clang-format on
    }
    void typedEntryMeansWhatTheUserMeant()
    {
        QFETCH(QString, typed);
        QFETCH(QString, page);
        const QString entry = normalizedDomainEntry(typed);
        QTEST(entry, "entry");
        QVERIFY2(matchesDomains(QUrl(page), {entry}), qPrintable(entry + u" / " + page));
        QVERIFY(isSiteEntry(entry));
        QCOMPARE(storedDomainEntry(typed), entry);
    }

    // Text no page's host is ever written as blocks nothing: it is stored
    // as the empty entry, whatever normalising made of it. (The list input's
    // tests type the other such texts a user meets.)
    void textThatIsNoSiteStoresNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("star glued to the name") << "*reddit.com";
        QTest::newRow("port not typed yet") << "localhost:";
        QTest::newRow("scheme half typed") << "https:/";
        QTest::newRow("underscore") << "my_site.com";
        QTest::newRow("empty label") << "a..com/x";
        QTest::newRow("leading hyphen") << "-site.com";
        QTest::newRow("open bracket") << "[::1";
        QTest::newRow("no IPv6 address") << "[example]";
        QTest::newRow("only a path") << "/r/all";
    }
    void textThatIsNoSiteStoresNothing()
    {
        QFETCH(QString, typed);
        QVERIFY(!isSiteEntry(normalizedDomainEntry(typed)));
        QCOMPARE(storedDomainEntry(typed), QString());
    }
};

QTEST_GUILESS_MAIN(tst_DomainEntry)
#include "tst_DomainEntry.moc"
