#include <QTemporaryDir>
#include <QTest>

#include "platform/UserDefaults.h"

using platform::UserDefaults;

class tst_UserDefaults : public QObject {
    Q_OBJECT
private slots:
    void typedValuesSurviveReopening();
    void wrongTypesReadAsAbsent();
    void dictionaryKeysMayContainDots();
};

void tst_UserDefaults::typedValuesSurviveReopening()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.ini"));
    const QDateTime when = QDateTime::fromString(QStringLiteral("2026-05-01T10:20:30.400Z"), Qt::ISODateWithMs);
    {
        UserDefaults d(path);
        d.setValue(QStringLiteral("halvex.accessibilityRequested"), true);
        d.setValue(QStringLiteral("fennimarkit.count"), qint64(42));
        d.setValue(QStringLiteral("fennimarkit.ratio"), 0.25);
        d.setValue(QStringLiteral("name/with/slashes"), QStringLiteral("kept"));
        d.setValue(QStringLiteral("list"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
        d.setValue(QStringLiteral("when"), when);
        d.setValue(QStringLiteral("AppleLanguages"), QStringLiteral("de"));
        d.remove(QStringLiteral("AppleLanguages"));
        d.synchronize();
    }
    UserDefaults d(path);
    QCOMPARE(d.boolValue(QStringLiteral("halvex.accessibilityRequested")), true);
    QCOMPARE(d.integerValue(QStringLiteral("fennimarkit.count")), 42);
    QCOMPARE(d.doubleValue(QStringLiteral("fennimarkit.ratio")), 0.25);
    QCOMPARE(d.stringValue(QStringLiteral("name/with/slashes")), QStringLiteral("kept"));
    QCOMPARE(d.stringListValue(QStringLiteral("list")), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QCOMPARE(d.dateValue(QStringLiteral("when")), when);
    QVERIFY(!d.contains(QStringLiteral("AppleLanguages")));
    QCOMPARE(d.boolValue(QStringLiteral("missing"), true), true);
}

void tst_UserDefaults::wrongTypesReadAsAbsent()
{
    QTemporaryDir dir;
    UserDefaults d(dir.filePath(QStringLiteral("defaults.ini")));
    d.setValue(QStringLiteral("text"), QStringLiteral("not a number"));
    QCOMPARE(d.integerValue(QStringLiteral("text")), std::nullopt);
    QCOMPARE(d.boolValue(QStringLiteral("text")), std::nullopt);
    QCOMPARE(d.dateValue(QStringLiteral("text")), std::nullopt);
    QCOMPARE(d.dictionaryValue(QStringLiteral("text")), std::nullopt);
}

void tst_UserDefaults::dictionaryKeysMayContainDots()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.ini"));
    {
        UserDefaults d(path);
        d.setValue(QStringLiteral("fennimar.automationGrants"),
                   QVariantMap{{QStringLiteral("com.apple.Safari"), QStringLiteral("granted")},
                               {QStringLiteral("org.mozilla.firefox"), QStringLiteral("denied")}});
        d.synchronize();
    }
    UserDefaults d(path);
    const auto grants = d.dictionaryValue(QStringLiteral("fennimar.automationGrants"));
    QVERIFY(grants);
    QCOMPARE(grants->value(QStringLiteral("com.apple.Safari")).toString(), QStringLiteral("granted"));
    QCOMPARE(grants->value(QStringLiteral("org.mozilla.firefox")).toString(), QStringLiteral("denied"));
    QCOMPARE(d.stringValue(QStringLiteral("fennimar.automationGrants")), std::nullopt);
}

QTEST_GUILESS_MAIN(tst_UserDefaults)
#include "tst_UserDefaults.moc"
