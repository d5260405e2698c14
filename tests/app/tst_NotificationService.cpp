#include <QTest>

#include "FakeUserNotificationCenter.h"
#include "app/NotificationService.h"
#include "kit/NotificationAuthorizationCenter.h"

using halvex::NotificationService;
using platform::NotificationPresentationOption;
using Options = platform::NotificationPresentationOptions;

class tst_NotificationService : public QObject {
    Q_OBJECT
private slots:
    void soundIsReadAtEachDelivery();
    void answersBannerOnlyOnceGone();
    void ownAuthorizationAndDelegateRole();
};

void tst_NotificationService::soundIsReadAtEachDelivery()
{
    testing::FakeUserNotificationCenter center;
    fennimar::NotificationAuthorizationCenter::Configuration quiet;
    quiet.refreshOnForeground = false;
    quiet.refreshNow = false;
    fennimar::NotificationAuthorizationCenter authorization(std::move(quiet));
    bool soundEnabled = true;
    NotificationService service(center, &authorization, [&] { return soundEnabled; });

    QList<Options> answers;
    const auto deliver = [&] {
        service.willPresent({}, [&](Options options) { answers << options; });
    };
    deliver();
    QVERIFY(answers.isEmpty()); // never inside the call
    QTRY_COMPARE(answers.size(), 1);
    soundEnabled = false;
    deliver();
    QTRY_COMPARE(answers.size(), 2);

    QCOMPARE(answers, (QList<Options>{NotificationPresentationOption::banner |
                                          NotificationPresentationOption::sound,
                                      NotificationPresentationOption::banner}));
}

void tst_NotificationService::answersBannerOnlyOnceGone()
{
    testing::FakeUserNotificationCenter center;
    auto service = std::make_unique<NotificationService>(center, nullptr, [] { return true; });
    QList<Options> answers;
    service->willPresent({}, [&](Options options) { answers << options; });
    service.reset();
    QTRY_COMPARE(answers, QList<Options>{NotificationPresentationOption::banner});
}

void tst_NotificationService::ownAuthorizationAndDelegateRole()
{
    testing::FakeUserNotificationCenter center;
    center.status = platform::NotificationAuthorizationStatus::authorized;
    {
        NotificationService service(center, nullptr, [] { return true; });
        QTRY_COMPARE(service.authorization().status(), center.status);
        QCOMPARE(center.delegate(), nullptr);
        service.installAsDelegate();
        QCOMPARE(center.delegate(), &service);
    }
    QCOMPARE(center.delegate(), nullptr);
}

QTEST_GUILESS_MAIN(tst_NotificationService)
#include "tst_NotificationService.moc"
