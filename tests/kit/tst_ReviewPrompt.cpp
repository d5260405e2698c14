#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "LoopbackBackend.h"
#include "kit/ReviewPrompt.h"
#include "kit/Telemetry.h"
#include "platform/UserDefaults.h"

using fennimar::RemoteConfig;
using fennimar::ReviewPrompt;
using testing::LoopbackBackend;
using SubmitError = fennimar::ReviewPrompt::SubmitError;

namespace {

const QTimeZone berlin("Europe/Berlin");

// A review prompt over its own defaults file, a clock the test sets, and
// the loopback backend for the review endpoint and telemetry.
struct Fixture {
    Fixture()
        : defaults(dir.filePath(QStringLiteral("defaults.ini")))
        , telemetry([] { return RemoteConfig::Payload::defaults(); })
    {
        fennimar::AppConfig config;
        config.slug = QStringLiteral("halvex");
        config.bundleId = QStringLiteral("com.fennimar.halvex");
        config.appName = QStringLiteral("Halvex");
        config.version = QStringLiteral("1.4.0");
        config.build = QStringLiteral("57");
        config.backendBaseURL = backend.baseURL();
        telemetry.configure(config, QtFuture::makeReadyFuture(QStringLiteral("install-1")),
                            &session);
        prompt = std::make_unique<ReviewPrompt>(ReviewPrompt::Parts{
            config.slug,
            config.backendBaseURL,
            fennimar::HTTPClient(&session, config.userAgent()),
            defaults,
            berlin,
            [this] { return now; },
            [this] { return settings; },
            [] { return QStringLiteral("install-1"); },
            telemetry,
        });
    }

    // Whole days of 86400 s after the first use, around midday in Berlin
    // whatever its clocks do meanwhile.
    void setDay(int day)
    {
        now = QDateTime(QDate(2026, 3, 8), QTime(11, 0), QTimeZone::utc())
                  .addSecs(qint64(day) * 86400);
    }

    QList<QJsonObject> telemetryEvents() const
    {
        QList<QJsonObject> events;
        for (const auto &request : backend.requests("POST", "/api/telemetry"))
            events << QJsonDocument::fromJson(request.body).object();
        return events;
    }

    QTemporaryDir dir;
    LoopbackBackend backend;
    QNetworkAccessManager session;
    platform::UserDefaults defaults;
    fennimar::Telemetry telemetry;
    RemoteConfig::ReviewPrompt settings = RemoteConfig::ReviewPrompt::defaults();
    QDateTime now;
    std::unique_ptr<ReviewPrompt> prompt;
};

QList<int> range(int from, int to)
{
    QList<int> days;
    for (int day = from; day <= to; ++day)
        days << day;
    return days;
}

} // namespace

class tst_ReviewPrompt : public QObject {
    Q_OBJECT
private slots:
    void dayKeyIsUnpaddedInTheCalendar_data();
    void dayKeyIsUnpaddedInTheCalendar();
    void countsDistinctCalendarDays();
    void eligibilityOverSimulatedDays_data();
    void eligibilityOverSimulatedDays();
    void presentingCountsAndTells();
    void submitSendsTheReview_data();
    void submitSendsTheReview();
    void localeCodeKeepsKnownLanguages();
    void regularWindowHoldsThePromptBack_data();
    void regularWindowHoldsThePromptBack();
};

void tst_ReviewPrompt::dayKeyIsUnpaddedInTheCalendar_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("key");
    QTest::newRow("single digits")
        << QDateTime(QDate(2026, 3, 8), QTime(9, 0), berlin) << "2026-3-8";
    QTest::newRow("two digits") << QDateTime(QDate(2026, 11, 25), QTime(9, 0), berlin)
                                << "2026-11-25";
    QTest::newRow("the calendar's day, not UTC's")
        << QDateTime(QDate(2026, 12, 31), QTime(23, 30), QTimeZone::utc()) << "2027-1-1";
}

void tst_ReviewPrompt::dayKeyIsUnpaddedInTheCalendar()
{
    QFETCH(QDateTime, time);
    QFETCH(QString, key);
    QCOMPARE(ReviewPrompt::dayKey(time, berlin), key);
}

void tst_ReviewPrompt::countsDistinctCalendarDays()
{
    Fixture f;
    f.now = QDateTime(QDate(2026, 3, 8), QTime(10, 0), berlin);
    f.prompt->recordUse();
    const QDateTime first = f.now;
    f.now = QDateTime(QDate(2026, 3, 8), QTime(23, 58), berlin);
    f.prompt->recordUse();
    QCOMPARE(f.prompt->usage().useDays, 1);
    // Minutes later, across midnight: another day.
    f.now = f.now.addSecs(4 * 60);
    f.prompt->recordUse();
    QCOMPARE(f.prompt->usage().useDays, 2);
    QCOMPARE(f.prompt->usage().firstUseAt, std::optional(first));
    QCOMPARE(f.defaults.stringValue(ReviewPrompt::lastUseDayKey),
             std::optional<QString>("2026-3-9"));
}

void tst_ReviewPrompt::eligibilityOverSimulatedDays_data()
{
    QTest::addColumn<QList<int>>("useOn");
    QTest::addColumn<QList<int>>("presentOn");
    QTest::addColumn<int>("askOn");
    QTest::addColumn<bool>("expected");
    QTest::newRow("14 days, 9 use days") << range(0, 8) << QList<int>{} << 14 << false;
    QTest::newRow("15 days, 4 use days") << range(0, 3) << QList<int>{} << 15 << false;
    QTest::newRow("15 days, 5 use days") << range(0, 4) << QList<int>{} << 15 << true;
    // Presented on day 15 with 7 use days.
    QTest::newRow("repeat after 29 days, 13 more use days")
        << range(0, 6) + range(16, 28) << QList<int>{15} << 44 << false;
    QTest::newRow("repeat after 30 days, 4 more use days")
        << range(0, 6) + range(16, 19) << QList<int>{15} << 45 << false;
    QTest::newRow("repeat after 30 days, 5 more use days")
        << range(0, 6) + range(16, 20) << QList<int>{15} << 45 << true;
    QTest::newRow("third after 59 days")
        << range(0, 6) + range(16, 20) + range(46, 50) << QList<int>{15, 45} << 104 << false;
    QTest::newRow("third after 60 days")
        << range(0, 6) + range(16, 20) + range(46, 50) << QList<int>{15, 45} << 105 << true;
    QTest::newRow("never a fourth") << range(0, 200) << QList<int>{15, 45, 105} << 1000 << false;
}

void tst_ReviewPrompt::eligibilityOverSimulatedDays()
{
    QFETCH(QList<int>, useOn);
    QFETCH(QList<int>, presentOn);
    QFETCH(int, askOn);
    QFETCH(bool, expected);
    Fixture f;
    for (int day = 0; day <= askOn; ++day) {
        f.setDay(day);
        if (useOn.contains(day))
            f.prompt->recordUse();
        if (presentOn.contains(day))
            f.prompt->markPresented();
    }
    QCOMPARE(f.prompt->shouldPresent(), expected);
    // Switched off remotely, or once a review was sent: never.
    f.settings.enabled = false;
    QVERIFY(!f.prompt->shouldPresent());
    f.settings.enabled = true;
    f.defaults.setValue(ReviewPrompt::completedAtKey, 1.0);
    QVERIFY(!f.prompt->shouldPresent());
}

void tst_ReviewPrompt::presentingCountsAndTells()
{
    Fixture f;
    f.setDay(0);
    f.prompt->recordUse();
    f.prompt->recordUse();
    f.setDay(20);
    f.prompt->markPresented();
    f.prompt->requestSystemReview();
    const fennimar::ReviewPromptPolicy::Usage usage = f.prompt->usage();
    QCOMPARE(usage.presentations, 2);
    QCOMPARE(usage.lastPresentedAt, std::optional(f.now));
    QCOMPARE(usage.useDaysAtLastPresentation, 1);
    QTRY_COMPARE(f.telemetryEvents().size(), 2);
    QSet<qint64> counts;
    for (const QJsonObject &event : f.telemetryEvents()) {
        QCOMPARE(event.value("event").toString(), QStringLiteral("review_prompt.presented"));
        counts << event.value("props").toObject().value("count").toInteger();
    }
    QCOMPARE(counts, (QSet<qint64>{1, 2}));
}

void tst_ReviewPrompt::submitSendsTheReview_data()
{
    QTest::addColumn<LoopbackBackend::Answer>("answer");
    QTest::addColumn<std::optional<QString>>("body");
    QTest::addColumn<std::optional<QString>>("author");
    QTest::addColumn<QJsonObject>("expectedExtra");
    QTest::addColumn<std::optional<SubmitError>>("expectedError");
    QTest::newRow("201 with text")
        << LoopbackBackend::Answer::with(201) << std::optional<QString>("  Works well.\n")
        << std::optional<QString>(" Ada ")
        << QJsonObject{{"body", "Works well."}, {"authorName", "Ada"}}
        << std::optional<SubmitError>();
    QTest::newRow("201, blank text left out")
        << LoopbackBackend::Answer::with(201) << std::optional<QString>(" \n\t ")
        << std::optional<QString>("   ") << QJsonObject{} << std::optional<SubmitError>();
    QTest::newRow("400") << LoopbackBackend::Answer::with(400) << std::optional<QString>()
                         << std::optional<QString>() << QJsonObject{}
                         << std::optional(SubmitError::status(400));
    QTest::newRow("connection lost")
        << LoopbackBackend::Answer::dropping() << std::optional<QString>("text")
        << std::optional<QString>() << QJsonObject{{"body", "text"}}
        << std::optional(SubmitError::transport());
}

void tst_ReviewPrompt::submitSendsTheReview()
{
    QFETCH(LoopbackBackend::Answer, answer);
    QFETCH(std::optional<QString>, body);
    QFETCH(std::optional<QString>, author);
    QFETCH(QJsonObject, expectedExtra);
    QFETCH(std::optional<SubmitError>, expectedError);
    Fixture f;
    f.setDay(3);
    f.backend.script("POST", "/api/reviews/app", {answer});

    QFuture<ReviewPrompt::SubmitResult> result =
        f.prompt->submit(4, body, author, QStringLiteral("de_AT"));
    QTRY_VERIFY(result.isFinished());
    // A dropped connection may be tried twice by the network stack itself.
    const auto requests = f.backend.requests("POST", "/api/reviews/app");
    QVERIFY(!requests.isEmpty());
    QCOMPARE(requests.first().header("Content-Type"),
             std::optional<QByteArray>("application/json"));
    QCOMPARE(requests.first().header("User-Agent"),
             std::optional<QByteArray>("Halvex/1.4.0 (build 57; FennimarKit)"));
    QJsonObject expected{
        {"slug", "halvex"}, {"installId", "install-1"}, {"rating", 4}, {"locale", "de"}};
    for (auto it = expectedExtra.begin(); it != expectedExtra.end(); ++it)
        expected.insert(it.key(), it.value());
    QCOMPARE(QJsonDocument::fromJson(requests.first().body).object(), expected);

    if (expectedError) {
        QVERIFY(!result.result());
        QCOMPARE(result.result().error(), *expectedError);
        QVERIFY(!f.prompt->usage().completed);
        QVERIFY(f.telemetryEvents().isEmpty());
        return;
    }
    QVERIFY(result.result());
    QVERIFY(f.prompt->usage().completed);
    QCOMPARE(f.defaults.doubleValue(ReviewPrompt::completedAtKey),
             std::optional(double(f.now.toSecsSinceEpoch())));
    QTRY_COMPARE(f.telemetryEvents().size(), 1);
    const QJsonObject event = f.telemetryEvents().first();
    QCOMPARE(event.value("event").toString(), QStringLiteral("review_prompt.submitted"));
    QCOMPARE(event.value("props").toObject(),
             (QJsonObject{{"rating", 4}, {"written", expectedExtra.contains("body")}}));
}

void tst_ReviewPrompt::localeCodeKeepsKnownLanguages()
{
    QCOMPARE(ReviewPrompt::localeCode(QStringLiteral("de_AT")), QStringLiteral("de"));
    QCOMPARE(ReviewPrompt::localeCode(QStringLiteral("ja")), QStringLiteral("ja"));
    QCOMPARE(ReviewPrompt::localeCode(QStringLiteral("pt_BR")), QStringLiteral("en"));
    QCOMPARE(ReviewPrompt::localeCode(QStringLiteral("zz-unknown")), QStringLiteral("en"));
}

void tst_ReviewPrompt::regularWindowHoldsThePromptBack_data()
{
    QTest::addColumn<Qt::WindowFlags>("flags");
    QTest::addColumn<bool>("minimized");
    QTest::addColumn<bool>("counts");
    QTest::newRow("titled window") << Qt::WindowFlags(Qt::Window) << false << true;
    QTest::newRow("titled dialog") << Qt::WindowFlags(Qt::Dialog) << false << true;
    QTest::newRow("title and close button only")
        << (Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
        << false << true;
    QTest::newRow("minimised") << Qt::WindowFlags(Qt::Window) << true << false;
    QTest::newRow("frameless (the popover)")
        << (Qt::Tool | Qt::FramelessWindowHint) << false << false;
    QTest::newRow("overlay above everything")
        << (Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) << false << false;
    QTest::newRow("always on top") << (Qt::Window | Qt::WindowStaysOnTopHint) << false << false;
    QTest::newRow("decorated tool window") << Qt::WindowFlags(Qt::Tool) << false << false;
    QTest::newRow("customised without a title")
        << (Qt::Window | Qt::CustomizeWindowHint) << false << false;
    QTest::newRow("past the window manager")
        << (Qt::Window | Qt::X11BypassWindowManagerHint) << false << false;
}

void tst_ReviewPrompt::regularWindowHoldsThePromptBack()
{
    QFETCH(Qt::WindowFlags, flags);
    QFETCH(bool, minimized);
    QFETCH(bool, counts);
    QVERIFY(!ReviewPrompt::isRegularWindowVisible());
    QWidget window(nullptr, flags);
    if (minimized)
        window.showMinimized();
    else
        window.show();
    QCOMPARE(ReviewPrompt::isRegularWindowVisible(), counts);
    window.hide();
    QVERIFY(!ReviewPrompt::isRegularWindowVisible());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    tst_ReviewPrompt test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ReviewPrompt.moc"
