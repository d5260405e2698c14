#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "UiTestSupport.h"
#include "stats/StreakSummaryRow.h"
#include "ui/Color.h"
#include "ui/ProgressTrack.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

class tst_StreakSummaryRow : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase() { QVERIFY(m_translations.load("en")); }

    void showsTheRunAgainstTheScale_data()
    {
        QTest::addColumn<qint64>("days");
        QTest::addColumn<qint64>("scale");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<double>("share");
        QTest::addColumn<QString>("subtitle");
        QTest::newRow("5 of 14") << 5LL << 14LL << false << 5.0 / 14 << "Firm";
        QTest::newRow("none yet") << 0LL << 7LL << false << 0.0 << "Firm";
        QTest::newRow("a scale of 0 counts as 1") << 3LL << 0LL << false << 3.0 << "Firm";
        QTest::newRow("a start ahead") << -2LL << 7LL << false << -2.0 / 7 << "Firm";
        QTest::newRow("paused") << 20LL << 30LL << true << 20.0 / 30 << "Firm, paused";
    }
    void showsTheRunAgainstTheScale()
    {
        QFETCH(qint64, days);
        QFETCH(qint64, scale);
        QFETCH(bool, paused);
        StreakSummaryRow row(
            {.name = "Social", .days = days, .isPaused = paused, .scaleDays = scale});
        QFETCH(double, share);
        QCOMPARE(row.bar()->progress(), share);
        QTEST(row.findChild<QLabel *>("stats.streakRow.subtitle")->text(), "subtitle");
        QCOMPARE(row.findChild<QLabel *>("stats.streakRow.count")->text(), QString::number(days));
        QCOMPARE(row.findChild<QLabel *>("stats.streakRow.unit")->text(), QString("days"));
        QCOMPARE(row.bar()->fill(), paused ? Color::inkMuted().withOpacity(0.5) : Color::ink());
        QCOMPARE(row.bar()->track(), Color::surface());
    }

    // In the statistics list the row lies inside a button, whose text role
    // its labels must not take: the mode and the unit stay muted.
    void drawsInItsOwnColoursInsideAButton_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<ThemeColor>("color");
        QTest::newRow("name") << "stats.streakRow.name" << Color::ink();
        QTest::newRow("mode") << "stats.streakRow.subtitle" << Color::inkMuted();
        QTest::newRow("count") << "stats.streakRow.count" << Color::ink();
        QTest::newRow("unit") << "stats.streakRow.unit" << Color::inkMuted();
    }
    void drawsInItsOwnColoursInsideAButton()
    {
        QFETCH(QString, label);
        QFETCH(ThemeColor, color);
        QPushButton button;
        auto *row = new StreakSummaryRow({.name = "Social", .days = 5, .scaleDays = 7}, &button);
        auto *drawn = row->findChild<QLabel *>(label);
        // What QLabel paints its text with.
        QCOMPARE(drawn->palette().color(drawn->foregroundRole()), color.light());
    }

    void aLongNameKeepsToItsColumn()
    {
        const QString name = "Every video site that eats the evening, and then some more";
        auto *row = new StreakSummaryRow({.name = name, .days = 400, .scaleDays = 400});
        testing::Backdrop window(row);
        window.resize(560, 60);
        const QImage image = testing::render(&window);
        auto *label = row->findChild<QLabel *>("stats.streakRow.name");
        QVERIFY(label->text().endsWith(u'…'));
        QVERIFY(label->width() <= StreakSummaryRow::nameWidth);
        // The bar starts right after the column and is full.
        QCOMPARE(row->bar()->x(), StreakSummaryRow::nameWidth + StreakSummaryRow::spacing);
        const QPoint end = row->bar()->mapTo(&window, QPoint(row->bar()->width() - 6, 5));
        QCOMPARE_COLOR(image.pixelColor(end), Color::ink().light());
        // A press anywhere reaches what lies under the row.
        QVERIFY(row->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
};

QTEST_MAIN(tst_StreakSummaryRow)
#include "tst_StreakSummaryRow.moc"
