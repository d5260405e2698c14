#include <QTest>

#include "kit/LegalLinks.h"

using fennimar::DistributionChannel;
using fennimar::LegalLinks;

class tst_LegalLinks : public QObject {
    Q_OBJECT
private slots:
    void links_data();
    void links();
    void feedback_data();
    void feedback();
};

void tst_LegalLinks::links_data()
{
    QTest::addColumn<QUrl>("link");
    QTest::addColumn<QString>("expected");

    QTest::newRow("website") << LegalLinks::website() << "https://fennimar.example";
    QTest::newRow("privacy") << LegalLinks::privacy() << "https://fennimar.example/legal/privacy";
    QTest::newRow("terms") << LegalLinks::terms() << "https://fennimar.example/legal/terms";
    QTest::newRow("more apps") << LegalLinks::moreApps() << "https://fennimar.example/apps";
    QTest::newRow("developer") << LegalLinks::developerPage()
                               << "https://fennimar.example/developer";
    QTest::newRow("support mail") << LegalLinks::supportMail() << "mailto:support@fennimar.example";
    QTest::newRow("app page") << LegalLinks::appPage(QStringLiteral("halvex"))
                              << "https://fennimar.example/apps/halvex";
    QTest::newRow("app subpage") << LegalLinks::appSubpage(QStringLiteral("halvex"),
                                                           QStringLiteral("changelog"))
                                 << "https://fennimar.example/apps/halvex/changelog";
}

void tst_LegalLinks::links()
{
    QFETCH(QUrl, link);
    QFETCH(QString, expected);
    QVERIFY(link.isValid());
    QCOMPARE(link.toString(QUrl::FullyEncoded), expected);
}

void tst_LegalLinks::feedback_data()
{
    QTest::addColumn<QVariant>("version"); // QString, or nothing
    QTest::addColumn<DistributionChannel>("channel");
    QTest::addColumn<QString>("query");

    QTest::newRow("no version, direct")
        << QVariant() << DistributionChannel::direct << "app=halvex&ch=direct";
    QTest::newRow("version, store")
        << QVariant(QStringLiteral("1.4.0")) << DistributionChannel::appStore
        << "app=halvex&v=1.4.0&ch=appStore";
    QTest::newRow("version needing escapes")
        << QVariant(QStringLiteral("1.4 beta&x=1")) << DistributionChannel::direct
        << "app=halvex&v=1.4%20beta%26x%3D1&ch=direct";
}

void tst_LegalLinks::feedback()
{
    QFETCH(QVariant, version);
    QFETCH(DistributionChannel, channel);
    QFETCH(QString, query);

    const auto v = version.isValid() ? std::optional(version.toString()) : std::nullopt;
    const QUrl link = LegalLinks::feedback(QStringLiteral("halvex"), v, channel);
    QCOMPARE(link.toString(QUrl::FullyEncoded | QUrl::RemoveQuery),
             QStringLiteral("https://fennimar.example/feedback"));
    QCOMPARE(link.query(QUrl::FullyEncoded), query);
}

QTEST_GUILESS_MAIN(tst_LegalLinks)
#include "tst_LegalLinks.moc"
