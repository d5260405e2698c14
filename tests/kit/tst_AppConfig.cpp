#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "kit/AppConfig.h"
#include "kit/AppVersion.h"

using fennimar::AppConfig;
using fennimar::AppVersion;
using fennimar::DistributionChannel;
using platform::Bundle;

namespace {
const QString slug = QStringLiteral("halvex");
const QString mail = QStringLiteral("support@fennimar.example");
} // namespace

// The configuration as the library reads it from the information list, with
// the distribution channel it rests on.
class tst_AppConfig : public QObject {
    Q_OBJECT
private slots:
    void init();
    void fromBundle_data();
    void fromBundle();
    void channelFollowsTheReceiptFile_data();
    void channelFollowsTheReceiptFile();
    void mainBundleIsTheCompiledInformationList();
    void backendAddresses();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_AppConfig::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void tst_AppConfig::fromBundle_data()
{
    QTest::addColumn<QVariant>("info");        // QJsonObject, or nothing: no information list
    QTest::addColumn<QStringList>("expected"); // bundleId, appName, version, build
    QTest::addColumn<QString>("feed");         // empty: none
    QTest::addColumn<QString>("key");          // empty: none
    QTest::addColumn<QString>("agent");
    QTest::addColumn<QString>("currentVersion");

    const QJsonObject full{
        {"CFBundleIdentifier", "com.fennimar.halvex"},
        {"CFBundleName", "Halvex"},
        {"CFBundleShortVersionString", "1.4"},
        {"CFBundleVersion", "57"},
        {"SUFeedURL", "https://fennimar.example/appcast.xml"},
        {"SUPublicEDKey", "pk="},
    };
    QTest::newRow("complete list")
        << QVariant(full) << QStringList{"com.fennimar.halvex", "Halvex", "1.4", "57"}
        << "https://fennimar.example/appcast.xml"
        << "pk="
        << "Halvex/1.4 (build 57; FennimarKit)"
        << "1.4.0";
    QTest::newRow("no information list")
        << QVariant() << QStringList{"unknown.bundle", "halvex", "0.0.0", "0"} << ""
        << ""
        << "halvex/0.0.0 (build 0; FennimarKit)"
        << "1.0.0";
    QTest::newRow("keys of the wrong type, a feed that does not parse")
        << QVariant(QJsonObject{{"CFBundleIdentifier", 7},
                                {"CFBundleName", 3},
                                {"CFBundleShortVersionString", true},
                                {"CFBundleVersion", QJsonArray{}},
                                {"SUFeedURL", "http://exa mple/%zz"},
                                {"SUPublicEDKey", QJsonObject{}}})
        << QStringList{"unknown.bundle", "halvex", "0.0.0", "0"} << ""
        << ""
        << "halvex/0.0.0 (build 0; FennimarKit)"
        << "1.0.0";
}

void tst_AppConfig::fromBundle()
{
    QFETCH(QVariant, info);
    QFETCH(QStringList, expected);
    QFETCH(QString, feed);
    QFETCH(QString, key);
    QFETCH(QString, agent);
    QFETCH(QString, currentVersion);

    const std::optional<QJsonObject> list =
        info.isValid() ? std::optional(info.toJsonObject()) : std::nullopt;
    const Bundle bundle(list, m_folder->path());
    const AppConfig config = AppConfig::fromBundle(bundle, slug, mail);

    QCOMPARE(config.slug, slug);
    QCOMPARE(config.supportEmail, mail);
    QCOMPARE((QStringList{config.bundleId, config.appName, config.version, config.build}),
             expected);
    QCOMPARE(config.feedURL, feed.isEmpty() ? std::nullopt : std::optional(QUrl(feed)));
    QCOMPARE(config.edDSAPublicKey, key.isEmpty() ? std::nullopt : std::optional(key));
    QCOMPARE(config.backendBaseURL, QUrl(QStringLiteral("https://fennimar.example")));
    QCOMPARE(config.channel, DistributionChannel::direct);
    QCOMPARE(config.userAgent(), agent);
    QCOMPARE(AppVersion::current(bundle), currentVersion);
}

void tst_AppConfig::channelFollowsTheReceiptFile_data()
{
    QTest::addColumn<bool>("receipt");
    QTest::addColumn<QVariant>("given"); // DistributionChannel, or nothing
    QTest::addColumn<DistributionChannel>("expected");

    using C = DistributionChannel;
    QTest::newRow("no receipt") << false << QVariant() << C::direct;
    QTest::newRow("receipt") << true << QVariant() << C::appStore;
    QTest::newRow("receipt, caller says direct")
        << true << QVariant::fromValue(C::direct) << C::direct;
}

void tst_AppConfig::channelFollowsTheReceiptFile()
{
    QFETCH(bool, receipt);
    QFETCH(QVariant, given);
    QFETCH(DistributionChannel, expected);

    if (receipt) {
        QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("Contents/_MASReceipt")));
        QFile file(m_folder->filePath(QStringLiteral("Contents/_MASReceipt/receipt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const Bundle bundle(QJsonObject{}, m_folder->path());
    const auto channel =
        given.isValid() ? std::optional(given.value<DistributionChannel>()) : std::nullopt;
    QCOMPARE(AppConfig::fromBundle(bundle, slug, mail, channel).channel, expected);
    QCOMPARE(fennimar::currentDistributionChannel(bundle),
             receipt ? DistributionChannel::appStore : DistributionChannel::direct);
    QCOMPARE(fennimar::distributionChannelFromRaw(fennimar::raw(expected)), expected);
    QCOMPARE(fennimar::distributionChannelFromRaw(QStringLiteral("AppStore")), std::nullopt);
}

void tst_AppConfig::mainBundleIsTheCompiledInformationList()
{
    const AppConfig config = AppConfig::fromMainBundle(slug, mail);
    QCOMPARE(config.bundleId, QStringLiteral("com.fennimar.halvex"));
    QCOMPARE(config.appName, QStringLiteral("Halvex"));
    QCOMPARE(AppVersion::current(), AppVersion::normalize(config.version));
    QCOMPARE(config.channel, DistributionChannel::direct);
}

void tst_AppConfig::backendAddresses()
{
    AppConfig config = AppConfig::fromBundle(Bundle(std::nullopt, QString()), slug, mail);
    QCOMPARE(config.backendURL(QStringLiteral("/api/telemetry")),
             QUrl(QStringLiteral("https://fennimar.example/api/telemetry")));
    config.backendBaseURL = QUrl(QStringLiteral("http://127.0.0.1:4711/"));
    QCOMPARE(config.backendURL(QStringLiteral("/api/config/halvex")),
             QUrl(QStringLiteral("http://127.0.0.1:4711/api/config/halvex")));
}

QTEST_GUILESS_MAIN(tst_AppConfig)
#include "tst_AppConfig.moc"
