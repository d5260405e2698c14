#include <QTest>

#include "UiTestSupport.h"
#include "permissions/PermissionStatusCard.h"
#include "ui/ActivityIndicator.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/SecondaryButton.h"
#include "ui/Symbol.h"
#include "ui/TranslationLoader.h"

using halvex::Color;
using halvex::PermissionStatus;
using halvex::PermissionStatusCard;
using OptionalText = std::optional<QString>;

Q_DECLARE_METATYPE(OptionalText)

class tst_PermissionStatusCard : public QObject {
    Q_OBJECT
    halvex::TranslationLoader m_texts;

private slots:
    void initTestCase() { QVERIFY(m_texts.load("en")); }

    void showsEachState_data()
    {
        QTest::addColumn<PermissionStatus>("status");
        QTest::addColumn<bool>("requesting");
        QTest::addColumn<OptionalText>("statusText");
        // What the status area shows: "check", "spinner", "text" and "button"
        // ("button-off" when disabled), in order.
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("readOut");
        using S = PermissionStatus;
        const OptionalText none;
        QTest::newRow("granted, whatever the request")
            << S::granted << true << OptionalText("On") << QStringList{"check", "text"}
            << "Alerts, On";
        QTest::newRow("granted, default text")
            << S::granted << false << none << QStringList{"check", "text"} << "Alerts, Allowed";
        QTest::newRow("unchecked: only the button")
            << S::unchecked << false << none << QStringList{"button"} << "Alerts, Not enabled";
        QTest::newRow("denied with its text") << S::denied << false << OptionalText("Blocked")
                                              << QStringList{"text", "button"} << "Alerts, Blocked";
        QTest::newRow("denied while asking")
            << S::denied << true << OptionalText("Blocked") << QStringList{"spinner", "button-off"}
            << "Alerts, Blocked";
    }
    void showsEachState()
    {
        QFETCH(PermissionStatus, status);
        QFETCH(bool, requesting);
        QFETCH(OptionalText, statusText);
        QFETCH(QStringList, shown);
        QFETCH(QString, readOut);
        int fixes = 0;
        testing::Backdrop backdrop(new PermissionStatusCard(
            {.icon = "bell.fill", .name = "Alerts", .detail = "Why", .fixTitle = "Fix"},
            [&] { ++fixes; }));
        backdrop.show();
        auto *card = backdrop.findChild<PermissionStatusCard *>();
        // From another state, as the owner changes it.
        card->setModel({.icon = "bell.fill",
                        .name = "Alerts",
                        .status = status,
                        .statusText = statusText,
                        .isRequesting = requesting,
                        .fixTitle = "Fix"});

        QStringList seen;
        if (card->checkMark()->isVisible())
            seen << "check";
        if (card->spinner()->isVisible())
            seen << "spinner";
        if (card->statusLabel()->isVisible())
            seen << "text";
        if (card->fixButton()->isVisible())
            seen << (card->fixButton()->isEnabled() ? "button" : "button-off");
        QCOMPARE(seen, shown);
        QCOMPARE(card->accessibleName(), readOut);
        // No detail given: no second line; no identifier given: none on the button.
        QVERIFY(!card->detailLabel()->isVisible());
        QVERIFY(card->fixButton()->objectName().isEmpty());
        const bool granted = status == PermissionStatus::granted;
        QCOMPARE(card->statusLabel()->color(), granted || status == PermissionStatus::unchecked
                                                   ? Color::inkMuted()
                                                   : Color::destructive());
        if (card->fixButton()->isEnabled()) {
            QTest::mouseClick(card->fixButton(), Qt::LeftButton);
            QCOMPARE(fixes, 1);
        }
    }
};

QTEST_MAIN(tst_PermissionStatusCard)
#include "tst_PermissionStatusCard.moc"
