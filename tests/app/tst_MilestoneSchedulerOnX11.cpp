#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "DesktopHarness.h"
#include "ManualScheduler.h"
#include "StoreFixture.h"
#include "app/MilestoneScheduler.h"
#include "app/NotificationManager.h"
#include "platform/DBusUserNotificationCenter.h"
#include "ui/TranslationLoader.h"

using halvex::MilestoneScheduler;

namespace {

struct Shown {
    QString application;
    QString summary;
    QString body;
};

// What dunst lists in its history: the notifications closed so far.
QList<Shown> history(const QByteArray &json)
{
    QList<Shown> shown;
    const QJsonArray groups = QJsonDocument::fromJson(json).object().value(u"data").toArray();
    for (const auto &group : groups) {
        for (const auto &entry : group.toArray()) {
            const QJsonObject o = entry.toObject();
            const auto field = [&](const char *name) {
                return o.value(QLatin1String(name)).toObject().value(u"data").toString();
            };
            shown.append({field("appname"), field("summary"), field("body")});
        }
    }
    return shown;
}

} // namespace

// The application's own road for a milestone, from planning to the desktop's
// notification server, with time moved on by hand.
class tst_MilestoneSchedulerOnX11 : public QObject {
    Q_OBJECT
private slots:
    void dueMilestoneReachesTheServer();

private:
    testing::DesktopHarness m_desktop;
};

void tst_MilestoneSchedulerOnX11::dueMilestoneReachesTheServer()
{
    const QString why = m_desktop.startNotificationServer();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    halvex::TranslationLoader texts;
    QVERIFY(texts.load(QStringLiteral("en")));

    testing::StoreFixture store;
    testing::ManualScheduler timers;
    const QDateTime start = store.now;
    const auto clock = [&] { return start.addMSecs(qint64(timers.now() * 1000)); };
    platform::DBusUserNotificationCenter center(
        {.clock = clock, .scheduler = &timers, .isApplicationActive = [] { return false; }});
    halvex::NotificationManager manager(center);
    MilestoneScheduler milestones(manager, clock, [] { return true; });

    // A week old in a minute.
    auto streak = store.addStreak();
    streak->setName(QStringLiteral("Social media"));
    streak->setStartedAt(start.addSecs(-7 * 86400 + 60));
    QVERIFY(store.save());
    const QFuture<void> planned = milestones.schedule(streak);
    QTRY_VERIFY_WITH_TIMEOUT(planned.isFinished(), 10000);

    timers.advance(59);
    QCOMPARE(m_desktop.runTool(QStringLiteral("dunstctl"),
                               {QStringLiteral("count"), QStringLiteral("displayed")}),
             std::optional<QByteArray>("0\n"));
    timers.advance(1);
    QTRY_COMPARE_WITH_TIMEOUT(
        m_desktop.runTool(QStringLiteral("dunstctl"),
                          {QStringLiteral("count"), QStringLiteral("displayed")}),
        std::optional<QByteArray>("1\n"), 10000);
    m_desktop.screenshot(QStringLiteral("milestone-notification"));

    QVERIFY(m_desktop.runTool(QStringLiteral("dunstctl"), {QStringLiteral("close-all")}));
    const auto listed = m_desktop.runTool(QStringLiteral("dunstctl"), {QStringLiteral("history")});
    QVERIFY(listed);
    const QList<Shown> shown = history(*listed);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].application, QStringLiteral("Halvex"));
    QCOMPARE(shown[0].summary, QStringLiteral("One week strong"));
    QCOMPARE(shown[0].body, QStringLiteral("Social media reached a new milestone. Keep going!"));
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_MilestoneSchedulerOnX11>(argc, argv);
}

#include "tst_MilestoneSchedulerOnX11.moc"
