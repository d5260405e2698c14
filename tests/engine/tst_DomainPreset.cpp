#include <QSet>
#include <QTest>

#include "engine/DomainMatching.h"
#include "engine/DomainPreset.h"

using namespace halvex;

class tst_DomainPreset : public QObject {
    Q_OBJECT
private slots:
    void presetsHaveTheirFixedShape();
    void merged_data();
    void merged();
};

void tst_DomainPreset::presetsHaveTheirFixedShape()
{
    const QList<int> counts{10, 6, 6, 5, 4};
    const QStringList raws{"social", "video", "news", "shopping", "games"};
    QCOMPARE(allDomainPresets().size(), size_t(5));
    for (int i = 0; i < 5; ++i) {
        const DomainPreset p = allDomainPresets()[size_t(i)];
        QCOMPARE(raw(p), raws[i]);
        QCOMPARE(domainPresetFromRaw(raws[i]), std::optional(p));
        QCOMPARE(labelKey(p), u"streakEditor.domains.set." + raws[i]);
        QCOMPARE(QSet<QString>(domains(p).begin(), domains(p).end()).size(), counts[i]);
        for (const QString &host : domains(p)) {
            QVERIFY2(host == host.toLower() && !host.startsWith(u"www.") && !host.contains(u'/'),
                     qPrintable(host));
            QVERIFY(matchesDomains(QUrl(u"https://www." + host + u"/"), {host}));
        }
    }
    QVERIFY(!domainPresetFromRaw(QStringLiteral("Social")));
}

void tst_DomainPreset::merged_data()
{
    const QStringList all = domains(DomainPreset::shopping);
    QTest::addColumn<QStringList>("entered");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty list") << QStringList{} << all;
    const QStringList spelled{" https://WWW.Amazon.com/ ", "http://ebay.com///",
                              "www.etsy.com?r=1#x", "aliexpress.com#top"};
    QTest::newRow("other spellings") << spelled << spelled + QStringList{"walmart.com"};
    QTest::newRow("path or subdomain is another site")
        << QStringList{"amazon.com/b", "smile.amazon.com"}
        << QStringList{"amazon.com/b", "smile.amazon.com"} + all;
    QTest::newRow("duplicates stay")
        << QStringList{"x.com", "x.com"} << QStringList{"x.com", "x.com"} + all;
}

void tst_DomainPreset::merged()
{
    QFETCH(QStringList, entered);
    QFETCH(QStringList, expected);
    QCOMPARE(halvex::merged(DomainPreset::shopping, entered), expected);
}

QTEST_GUILESS_MAIN(tst_DomainPreset)
#include "tst_DomainPreset.moc"
