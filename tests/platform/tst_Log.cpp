#include <QTest>

#include "LogCapture.h"
#include "platform/Log.h"

using platform::Logger;

class tst_Log : public QObject {
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void categoriesAreNamedBySubsystem();
};

void tst_Log::format_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one string") << "emitTrigger save failed: %s" << QStringList{"disk is full"}
                                << "emitTrigger save failed: disk is full";
    QTest::newRow("in order") << "requestAccess: %s -> %s" << QStringList{"com.apple.Safari", "granted"}
                              << "requestAccess: com.apple.Safari -> granted";
    QTest::newRow("long integers") << "milestone prune: %ld pending, %ld orphaned" << QStringList{"3", "1"}
                                   << "milestone prune: 3 pending, 1 orphaned";
    QTest::newRow("percent sign") << "100%% of %s" << QStringList{"it"} << "100% of it";
    QTest::newRow("missing argument stays") << "a %s b %s" << QStringList{"1"} << "a 1 b %s";
    QTest::newRow("argument with placeholder text is not expanded")
        << "x %s y %s" << QStringList{"%s", "z"} << "x %s y z";
    QTest::newRow("trailing percent") << "50%" << QStringList{} << "50%";
}

void tst_Log::format()
{
    QFETCH(QString, format);
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    const QByteArray fmt = format.toUtf8();
    QString actual;
    switch (args.size()) {
    case 0:
        actual = Logger::format(fmt.constData(), {});
        break;
    case 1:
        actual = Logger::format(fmt.constData(), {args[0]});
        break;
    default:
        actual = Logger::format(fmt.constData(), {args[0], args[1]});
        break;
    }
    QCOMPARE(actual, expected);
}

void tst_Log::categoriesAreNamedBySubsystem()
{
    testing::LogCapture capture;
    platform::log::usage().error("usage session save failed: %s", {QStringLiteral("boom")});
    platform::log::kit("Telemetry").info("sent %d events", {3});
    QCOMPARE(capture.messages(QStringLiteral("com.fennimar.halvex.usage")),
             QStringList{QStringLiteral("usage session save failed: boom")});
    QCOMPARE(capture.messages(QStringLiteral("fennimarkit.Telemetry")), QStringList{QStringLiteral("sent 3 events")});
    QCOMPARE(&platform::log::kit("Telemetry"), &platform::log::kit("Telemetry"));
    for (const auto *logger : {&platform::log::app(), &platform::log::persistence(), &platform::log::onboarding(),
                               &platform::log::settings(), &platform::log::triggers(), &platform::log::permissions()})
        QVERIFY(QByteArray(logger->category().categoryName()).startsWith("com.fennimar.halvex."));
}

QTEST_GUILESS_MAIN(tst_Log)
#include "tst_Log.moc"
