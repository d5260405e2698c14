#include <QRandomGenerator>
#include <QTest>

#include "engine/DomainMatching.h"

using namespace halvex;

class tst_DomainMatching : public QObject {
    Q_OBJECT
private slots:
    void matchesDomains_data();
    void matchesDomains();
    void randomInputNeverCrashesOrContradicts();
};

void tst_DomainMatching::matchesDomains_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QStringList>("rules");
    QTest::addColumn<bool>("expected");
    auto row = [](const char *name, const QString &url, const QStringList &rules, bool expected) {
        QTest::newRow(name) << url << rules << expected;
    };
    const QStringList fb{"facebook.com"};
    const QStringList gaming{"reddit.com/r/gaming"};
    row("own host", "https://facebook.com/", fb, true);
    row("subdomain", "https://m.facebook.com/x", fb, true);
    row("same ending, no dot", "https://notfacebook.com/", fb, false);
    row("rule host as prefix", "https://facebook.com.evil.example/", fb, false);
    row("case and blanks of rule", "https://facebook.com/", {"  FaceBook.COM \n"}, true);
    row("www and scheme on rule", "https://m.youtube.com/", {"https://www.youtube.com"}, true);
    row("bare name as label", "https://old.reddit.co.uk/", {"reddit"}, true);
    row("bare name inside label", "https://myreddit.com/", {"reddit"}, false);
    row("path trailing slash", "https://reddit.com/r/gaming/", gaming, true);
    row("path longer", "https://www.reddit.com/r/gaming/comments/1?x=2", gaming, true);
    row("path shorter", "https://reddit.com/r", gaming, false);
    row("segment only starts alike", "https://reddit.com/r/gamingx", gaming, false);
    row("path case, subdomain", "https://old.reddit.com/R/Gaming", gaming, true);
    row("rule empty segments", "https://reddit.com/r/gaming", {"reddit.com//r///gaming/"}, true);
    row("encoded url path", "https://reddit.com/r/g%61ming", gaming, true);
    row("encoded slash splits", "https://reddit.com/r%2Fgaming", gaming, true);
    row("rule path as written", "https://reddit.com/r/gaming", {"reddit.com/r/g%61ming"}, false);
    row("empty list", "https://facebook.com/", {}, false);
    row("later rule matches", "https://x.com/", {" ", "/", "https://", "y.com", "x.com"}, true);
    row("only blank rules", "https://x.com/", {"  ", "/", "\t\n", "www."}, false);
    row("file url", "file:///etc/hosts", {"etc"}, false);
    row("empty host", "https:///facebook.com", fb, false);
    row("invalid url", "http://face book.com/", {"book.com"}, false);
    // Hostile input: the host is what the URL's host says.
    row("user info is no host", "https://facebook.com@evil.example/", fb, false);
    row("host after user info", "https://facebook.com@evil.example/", {"evil.example"}, true);
    row("encoded slash in user info", "https://facebook.com%2F@evil.example/", fb, false);
    row("port", "https://facebook.com:8443/x", fb, true);
    row("host in query", "https://evil.example/?u=facebook.com", fb, false);
    row("host in path", "https://evil.example/facebook.com", fb, false);
    row("trailing dot", "https://www.facebook.com./", fb, true);
    row("trailing dot on rule", "https://facebook.com/", {"facebook.com."}, true);
    row("encoded host", "https://faceb%6Fok.com/", fb, true);
    row("idn rule, ascii url", "https://xn--bcher-kva.de/", {"bücher.de"}, true);
    row("ascii rule, idn url", "https://bücher.de/", {"xn--bcher-kva.de"}, true);
    row("look-alike letter", "https://f\u0430cebook.com/", fb, false);
}

void tst_DomainMatching::matchesDomains()
{
    QFETCH(QString, url);
    QFETCH(QStringList, rules);
    QFETCH(bool, expected);
    QCOMPARE(halvex::matchesDomains(QUrl(url), rules), expected);
}

namespace {

QString pick(QRandomGenerator &random, const QStringList &from)
{
    return from.at(random.bounded(int(from.size())));
}

QString junk(QRandomGenerator &random, const QStringList &alphabet, int most)
{
    QString text;
    for (int i = random.bounded(0, most); i > 0; --i)
        text += pick(random, alphabet);
    return text;
}

// Mostly real hosts in odd spellings, so that matches are common; otherwise junk.
QString randomHost(QRandomGenerator &random)
{
    static const QStringList real{"facebook.com", "m.facebook.com",   "reddit.com", "x.com",
                                  "bücher.de",    "xn--bcher-kva.de", "localhost",  "127.0.0.1"};
    static const QStringList alphabet{"a",   "www", "com",    "-",    "0", "%41", "%",
                                      "%2e", "ü",   "\u0430", "xn--", ".", "..",  "@",
                                      ":",   "[",   "]",      "\\",   " "};
    if (random.bounded(5) < 2)
        return junk(random, alphabet, 8);
    QString host = (random.bounded(3) ? "" : "www.") + pick(random, real);
    host = random.bounded(4) ? host : host.toUpper();
    return random.bounded(5) ? host : host + u'.';
}

QString randomPath(QRandomGenerator &random)
{
    static const QStringList alphabet{"/", "r", "Gaming", "%2F", "%", "%zz", "?", "#", "@", "ü"};
    return junk(random, alphabet, 6);
}

} // namespace

// Random URLs and rules never crash the matcher, and its answers hang
// together: a list matches exactly when one of its rules does, a URL's own
// host always matches it, and user info or a port never change the answer.
void tst_DomainMatching::randomInputNeverCrashesOrContradicts()
{
    static const QStringList schemes{"https://", "https://", "http://", "file://", "", "about:"};
    static const QStringList rulePrefixes{"", "", "https://", "www.", " ", "/"};
    QRandomGenerator random(20260306u);
    int ownHostChecks = 0;
    int matches = 0;
    for (int i = 0; i < 150000; ++i) {
        QString text = pick(random, schemes);
        if (random.bounded(4) == 0)
            text += randomHost(random) + u'@';
        text += randomHost(random);
        if (random.bounded(4) == 0)
            text += u':' + QString::number(random.bounded(0, 99999));
        const QUrl url(text + randomPath(random));
        QStringList rules;
        for (int r = random.bounded(0, 5); r > 0; --r)
            rules << pick(random, rulePrefixes) + randomHost(random) +
                         (random.bounded(3) ? QString() : randomPath(random));

        const bool any = halvex::matchesDomains(url, rules);
        const bool single = std::any_of(rules.begin(), rules.end(), [&](const QString &rule) {
            return halvex::matchesDomains(url, {rule});
        });
        QCOMPARE(any, single);
        matches += any ? 1 : 0;

        QString host = url.host();
        while (host.endsWith(u'.'))
            host.chop(1);
        if (!host.isEmpty()) {
            QVERIFY2(halvex::matchesDomains(url, {host}), qPrintable(url.toString()));
            ++ownHostChecks;
        }
        if (url.isValid() && !url.host().isEmpty() && url.scheme() == u"https") {
            QUrl disguised = url;
            disguised.setUserInfo(QStringLiteral("facebook.com"));
            disguised.setPort(8443);
            QCOMPARE(halvex::matchesDomains(disguised, rules), any);
        }
    }
    // The generator must reach the interesting branches, or the checks are idle.
    QVERIFY2(
        ownHostChecks > 35000 && matches > 3500,
        qPrintable(QStringLiteral("%1 own hosts, %2 matches").arg(ownHostChecks).arg(matches)));
}

QTEST_GUILESS_MAIN(tst_DomainMatching)
#include "tst_DomainMatching.moc"
