#include <QLabel>
#include <QTest>

#include "stats/BlockSuggestionCard.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

class tst_BlockSuggestionCard : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase() { QVERIFY(m_translations.load("en")); }

    // The time past the panel (not the total) and the name, in the range's words.
    void headline()
    {
        const auto headline = [](const QString &name, UsageReportRange range) {
            BlockSuggestionCard card({QUuid::createUuid(), name, 9000, 2700, 3, true}, range, {},
                                     {});
            return card.findChild<QLabel *>("usage.suggestion.headline")->text();
        };
        QCOMPARE(headline("Social", UsageReportRange::today), QString("45m on Social today"));
        QCOMPARE(headline("Social", UsageReportRange::sevenDays),
                 QString("45m on Social in the last 7\u00a0days"));
        // Filled in one pass: a placeholder in the name stays as typed.
        QCOMPARE(headline("100% %2 %1", UsageReportRange::today),
                 QString("45m on 100% %2 %1 today"));
    }
};

QTEST_MAIN(tst_BlockSuggestionCard)
#include "tst_BlockSuggestionCard.moc"
