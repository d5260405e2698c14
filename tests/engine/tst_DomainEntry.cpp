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
        // clang-format on
    }
    void typedEntryMeansWhatTheUserMeant()
    {
        QFETCH(QString, typed);
        QFETCH(QString, page);
        const QString entry = normalizedDomainEntry(typed);
        QTEST(entry, "entry");
        QVERIFY2(matchesDomains(QUrl(page), {entry}), qPrintable(entry + u" / " + page));
    }
};

QTEST_GUILESS_MAIN(tst_DomainEntry)
#include "tst_DomainEntry.moc"
