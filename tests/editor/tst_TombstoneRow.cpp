#include <QLabel>
#include <QTest>
#include <QTranslator>

#include "StoreFixture.h"
#include "editor/TombstoneRow.h"
#include "model/Tombstone.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

// A table that gives the gentle mode a title with a hyphen, and none for brutal.
class ModeTitles final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        if (qstrcmp(source, "onboarding.mode.gentle.title") == 0)
            return QStringLiteral("Gentle - a calm pause");
        if (qstrcmp(source, "onboarding.mode.firm.title") == 0)
            return QStringLiteral("\tFirm\u00A0-");
        return {};
    }
};

} // namespace

class tst_TombstoneRow : public QObject {
    Q_OBJECT

private slots:
    // The onboarding title before its first hyphen, trimmed; the raw value
    // capitalised word by word when there is no title.
    void modeLabel_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("label");
        QTest::newRow("hyphenated title") << "gentle"
                                          << "Gentle";
        QTest::newRow("blanks around") << "firm"
                                       << "Firm";
        QTest::newRow("no title") << "brutal"
                                  << "Brutal";
        QTest::newRow("unknown, two words") << "very STRICT"
                                            << "Very Strict";
    }
    void modeLabel()
    {
        QFETCH(QString, raw);
        QFETCH(QString, label);
        ModeTitles titles;
        QCoreApplication::installTranslator(&titles);
        QCOMPARE(TombstoneRow::modeLabel(raw), label);
        QCoreApplication::removeTranslator(&titles);
    }

    // Abbreviated month and day, no year, in the locale's order and the
    // calendar's zone; a run within one day shows the same date twice.
    void datesLine_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDateTime>("broken");
        QTest::addColumn<QString>("text");
        const QDateTime start = testing::local(3, 5, 0, 30); // still Mar 4 in UTC
        QTest::newRow("en") << QLocale(QLocale::English, QLocale::UnitedStates)
                            << testing::local(3, 9, 22, 0) << "Mar 5 \u2192 Mar 9";
        QTest::newRow("same day") << QLocale(QLocale::English, QLocale::UnitedStates)
                                  << testing::local(3, 5, 23, 0) << "Mar 5 \u2192 Mar 5";
        QTest::newRow("de") << QLocale(QLocale::German, QLocale::Germany)
                            << testing::local(4, 1, 8, 0) << "5. März \u2192 1. Apr.";
        Q_UNUSED(start);
    }
    void datesLine()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDateTime, broken);
        QFETCH(QString, text);
        QCOMPARE(
            TombstoneRow::datesLine(testing::local(3, 5, 0, 30), broken, testing::berlin, locale),
            text);
    }

    // The row: days (0 too), the unit, and a why-answer only when there is one.
    void row_data()
    {
        QTest::addColumn<qint64>("days");
        QTest::addColumn<std::optional<QString>>("why");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no answer") << qint64(0) << std::optional<QString>() << "0";
        QTest::newRow("empty answer") << qint64(4) << std::optional<QString>("") << "4";
        QTest::newRow("answer") << qint64(12) << std::optional<QString>("Just checking") << "12";
        QTest::newRow("stored below 0") << qint64(-1) << std::optional<QString>() << "0";
    }
    void row()
    {
        QFETCH(qint64, days);
        QFETCH(std::optional<QString>, why);
        QFETCH(QString, shown);
        TranslationLoader translations;
        QVERIFY(translations.load("en"));
        auto tombstone =
            std::make_shared<Tombstone>(QUuid::createUuid(), days, testing::local(3, 1, 9, 0),
                                        testing::local(3, 2, 9, 0), why, "firm");
        TombstoneRow row(tombstone, testing::berlin);
        QCOMPARE(row.findChild<QLabel *>("streakEditor.tombstone.count")->text(), shown);
        auto *answer = row.findChild<QLabel *>("streakEditor.tombstone.why");
        QCOMPARE(answer ? answer->text() : QString(), why.value_or(QString()));
    }
};

QTEST_MAIN(tst_TombstoneRow)
#include "tst_TombstoneRow.moc"
