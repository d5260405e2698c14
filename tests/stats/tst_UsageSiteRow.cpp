#include <cmath>
#include <limits>

#include <QLabel>
#include <QTest>

#include "stats/UsageSiteRow.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

class tst_UsageSiteRow : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase() { QVERIFY(m_translations.load("en")); }

    void barFill_data()
    {
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("unallowed");
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("panel");
        QTest::addColumn<double>("allowance");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("all past the panel, largest") << 2700.0 << 2700.0 << 2700.0 << 300.0 << 0.0;
        QTest::newRow("all within the allowance") << 600.0 << 0.0 << 600.0 << 0.0 << 300.0;
        QTest::newRow("a third of the largest") << 3600.0 << 3600.0 << 10800.0 << 100.0 << 0.0;
        QTest::newRow("panel first, then allowance")
            << 3600.0 << 1200.0 << 3600.0 << 100.0 << 200.0;
        QTest::newRow("scale under a second counts as one") << 0.5 << 0.5 << 0.5 << 150.0 << 0.0;
        QTest::newRow("more past the panel than in all") << 100.0 << 200.0 << 100.0 << 300.0 << 0.0;
        QTest::newRow("beyond the scale stays inside the bar")
            << 9000.0 << 3000.0 << 4500.0 << 200.0 << 100.0;
        QTest::newRow("not a number draws nothing") << nan << nan << 100.0 << 0.0 << 0.0;
    }
    void barFill()
    {
        QFETCH(double, total);
        QFETCH(double, unallowed);
        QFETCH(double, scale);
        const UsageStreakSummary summary{QUuid::createUuid(), "s", total, unallowed, 1, false};
        const auto fill = UsageSiteRow::barFill(summary, scale, 300.0);
        QTEST(fill.panel, "panel");
        QTEST(fill.allowance, "allowance");
    }

    void visitLine_data()
    {
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << qint64(0) << "0 visits";
        QTest::newRow("one") << qint64(1) << "1 visit";
        QTest::newRow("three") << qint64(3) << "3 visits";
    }
    void visitLine()
    {
        QFETCH(qint64, count);
        QTEST(UsageSiteRow::visitsText(count), "text");
    }

    void longNameIsCutToTheBlock()
    {
        const QString name = QString("Every video site I should not open at night ").repeated(3);
        UsageSiteRow row({QUuid::createUuid(), name, 60, 60, 2, false}, 60);
        row.resize(500, row.sizeHint().height());
        row.show();
        auto *label = row.findChild<QLabel *>("usage.row.name");
        QVERIFY(label->text().endsWith(QChar(0x2026)));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= UsageSiteRow::nameWidth);
        QCOMPARE(label->toolTip(), name);
        QCOMPARE(row.findChild<QLabel *>("usage.row.total")->text(), QString("1m"));
    }
};

QTEST_MAIN(tst_UsageSiteRow)
#include "tst_UsageSiteRow.moc"
