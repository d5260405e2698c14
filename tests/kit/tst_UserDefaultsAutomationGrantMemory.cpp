#include <QTemporaryDir>
#include <QTest>

#include "kit/UserDefaultsAutomationGrantMemory.h"

using fennimar::AutomationStatus;
using fennimar::UserDefaultsAutomationGrantMemory;

namespace {
const QString key = QStringLiteral("fennimar.automationGrants");
} // namespace

class tst_UserDefaultsAutomationGrantMemory : public QObject {
    Q_OBJECT
private slots:
    void recall_data();
    void recall();
    void rememberKeepsOtherEntriesAndSurvivesReopening();
    void rememberReplacesAnUnreadableDictionary_data();
    void rememberReplacesAnUnreadableDictionary();
};

void tst_UserDefaultsAutomationGrantMemory::recall_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: nothing stored under the key
    QTest::addColumn<std::optional<AutomationStatus>>("expected");

    const QString safari = QStringLiteral("com.apple.Safari");
    QTest::newRow("nothing stored") << QVariant() << std::optional<AutomationStatus>();
    QTest::newRow("granted") << QVariant(QVariantMap{{safari, "granted"}})
                             << std::optional<AutomationStatus>(AutomationStatus::granted);
    QTest::newRow("denied") << QVariant(QVariantMap{{safari, "denied"}})
                            << std::optional<AutomationStatus>(AutomationStatus::denied);
    QTest::newRow("notDetermined")
        << QVariant(QVariantMap{{safari, "notDetermined"}})
        << std::optional<AutomationStatus>(AutomationStatus::notDetermined);
    QTest::newRow("other browser only") << QVariant(QVariantMap{{"com.google.Chrome", "granted"}})
                                        << std::optional<AutomationStatus>();
    QTest::newRow("case differs") << QVariant(QVariantMap{{safari, "GRANTED"}})
                                  << std::optional<AutomationStatus>();
    QTest::newRow("a number elsewhere") << QVariant(QVariantMap{{safari, "granted"}, {"x", 1}})
                                        << std::optional<AutomationStatus>();
    QTest::newRow("not a dictionary")
        << QVariant(QStringLiteral("granted")) << std::optional<AutomationStatus>();
}

void tst_UserDefaultsAutomationGrantMemory::recall()
{
    QFETCH(QVariant, stored);
    QFETCH(std::optional<AutomationStatus>, expected);
    QTemporaryDir dir;
    platform::UserDefaults defaults(dir.filePath(QStringLiteral("d.ini")));
    if (stored.typeId() == QMetaType::QVariantMap)
        defaults.setValue(key, stored.toMap());
    else if (stored.isValid())
        defaults.setValue(key, stored.toString());

    QCOMPARE(
        UserDefaultsAutomationGrantMemory(defaults, key).recall(QStringLiteral("com.apple.Safari")),
        expected);
}

void tst_UserDefaultsAutomationGrantMemory::rememberKeepsOtherEntriesAndSurvivesReopening()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d.ini"));
    {
        platform::UserDefaults defaults(path);
        UserDefaultsAutomationGrantMemory memory(defaults, key);
        memory.remember(AutomationStatus::granted, QStringLiteral("com.apple.Safari"));
        memory.remember(AutomationStatus::denied, QStringLiteral("com.google.Chrome"));
        memory.remember(AutomationStatus::notDetermined, QStringLiteral("com.apple.Safari"));
        defaults.synchronize();
    }
    platform::UserDefaults reopened(path);
    QCOMPARE(reopened.dictionaryValue(key),
             (QVariantMap{{QStringLiteral("com.apple.Safari"), QStringLiteral("notDetermined")},
                          {QStringLiteral("com.google.Chrome"), QStringLiteral("denied")}}));
}

void tst_UserDefaultsAutomationGrantMemory::rememberReplacesAnUnreadableDictionary_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("a number among the values")
        << QVariant(QVariantMap{{"com.apple.Safari", "granted"}, {"n", 7}});
    QTest::newRow("a text instead of a dictionary") << QVariant(QStringLiteral("granted"));
}

void tst_UserDefaultsAutomationGrantMemory::rememberReplacesAnUnreadableDictionary()
{
    QFETCH(QVariant, stored);
    QTemporaryDir dir;
    platform::UserDefaults defaults(dir.filePath(QStringLiteral("d.ini")));
    if (stored.typeId() == QMetaType::QVariantMap)
        defaults.setValue(key, stored.toMap());
    else
        defaults.setValue(key, stored.toString());

    UserDefaultsAutomationGrantMemory(defaults, key)
        .remember(AutomationStatus::granted, QStringLiteral("b"));
    QCOMPARE(defaults.dictionaryValue(key),
             (QVariantMap{{QStringLiteral("b"), QStringLiteral("granted")}}));
}

QTEST_GUILESS_MAIN(tst_UserDefaultsAutomationGrantMemory)
#include "tst_UserDefaultsAutomationGrantMemory.moc"
