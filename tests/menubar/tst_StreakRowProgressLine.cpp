#include <memory>

#include <QTest>

#include "menubar/StreakRowProgressLine.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/ProgressTrack.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

class tst_StreakRowProgressLine : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void init() { QVERIFY(m_translations.load("en")); }

    // Without an allowance the row shows how far the run is from its next
    // milestone, until the last one is reached.
    void milestone_data()
    {
        QTest::addColumn<qint64>("days");
        QTest::addColumn<QString>("caption"); // "" for no line
        QTest::addColumn<double>("fraction");
        QTest::addColumn<QString>("language");
        QTest::newRow("day zero") << qint64(0) << "7 more to 7\u00a0days" << 0.0 << "en";
        QTest::newRow("one day") << qint64(1) << "6 more to 7\u00a0days" << 1.0 / 7 << "en";
        QTest::newRow("six days") << qint64(6) << "1 more to 7\u00a0days" << 6.0 / 7 << "en";
        QTest::newRow("first milestone") << qint64(7) << "7 more to 14\u00a0days" << 0.0 << "en";
        QTest::newRow("29 days") << qint64(29) << "1 more to 30\u00a0days" << 15.0 / 16 << "en";
        QTest::newRow("30 days") << qint64(30) << "30 more to 60\u00a0days" << 0.0 << "en";
        QTest::newRow("364 days") << qint64(364) << "1 more to 365\u00a0days" << 184.0 / 185
                                  << "en";
        QTest::newRow("last milestone") << qint64(365) << "" << 0.0 << "en";
        QTest::newRow("past the last") << qint64(1000) << "" << 0.0 << "en";
        // A start ahead of the clock: still before the first milestone,
        // the distance counted from the negative day, the bar empty.
        QTest::newRow("negative") << qint64(-3) << "10 more to 7\u00a0days" << -3.0 / 7 << "en";
        // The days left have their unit, in the right form.
        QTest::newRow("one day left, de")
            << qint64(6) << "Noch 1\u00a0Tag bis 7" << 6.0 / 7 << "de";
        QTest::newRow("days left, de")
            << qint64(12) << "Noch 2\u00a0Tage bis 14" << 5.0 / 7 << "de";
    }
    void milestone()
    {
        QFETCH(qint64, days);
        QFETCH(QString, caption);
        QFETCH(double, fraction);
        QFETCH(QString, language);
        QVERIFY(m_translations.load(language));
        std::unique_ptr<StreakRowProgressLine> line(
            StreakRowProgressLine::forRow(std::nullopt, 15, days));
        if (caption.isEmpty()) {
            QVERIFY(!line);
            return;
        }
        QVERIFY(line);
        QCOMPARE(line->kind(), StreakRowProgressLine::Kind::milestone);
        QCOMPARE(line->objectName(), "popover.list.row.milestone");
        QCOMPARE(line->caption()->text(), caption);
        QCOMPARE(line->accessibleName(), caption);
        QCOMPARE(line->track()->progress(), fraction);
        QCOMPARE(line->track()->fill(), Color::ink());
    }

    // An allowance wins over the milestone line, whatever the day count.
    void allowance_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<bool>("spent");
        QTest::newRow("nothing left") << 0.0 << 15 << "No minutes left today" << 0.0 << true;
        QTest::newRow("61 s rounds up")
            << 61.0 << 30 << "2 of 30\u00a0min left" << 2.0 / 30 << false;
        QTest::newRow("a few seconds") << 0.5 << 30 << "1 of 30\u00a0min left" << 1.0 / 30 << false;
        QTest::newRow("all of it") << 900.0 << 15 << "15 of 15\u00a0min left" << 1.0 << false;
        QTest::newRow("no allowance counts as 1")
            << 0.0 << 0 << "No minutes left today" << 0.0 << true;
    }
    void allowance()
    {
        QFETCH(double, seconds);
        QFETCH(int, minutes);
        QFETCH(QString, caption);
        QFETCH(double, fraction);
        QFETCH(bool, spent);
        std::unique_ptr<StreakRowProgressLine> line(
            StreakRowProgressLine::forRow(seconds, minutes, 10));
        QCOMPARE(line->kind(), StreakRowProgressLine::Kind::allowance);
        QCOMPARE(line->objectName(), "popover.list.row.allowance");
        QCOMPARE(line->caption()->text(), caption);
        QCOMPARE(line->track()->progress(), fraction);
        QCOMPARE(line->track()->fill(), Color::success());
        QCOMPARE(line->caption()->color(), spent ? Color::inkMuted() : Color::ink());
    }
};

QTEST_MAIN(tst_StreakRowProgressLine)
#include "tst_StreakRowProgressLine.moc"
