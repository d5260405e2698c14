#include <cmath>
#include <limits>

#include <QTest>
#include <QVBoxLayout>

#include "UiTestSupport.h"
#include "ui/ProgressTrack.h"

using namespace halvex;

class tst_ProgressTrack : public QObject {
    Q_OBJECT

private slots:
    void fillsTheClampedShare_data()
    {
        QTest::addColumn<double>("progress");
        QTest::addColumn<double>("filled");
        QTest::newRow("-0.5 is empty") << -0.5 << 0.0;
        QTest::newRow("0") << 0.0 << 0.0;
        QTest::newRow("0.25") << 0.25 << 0.25;
        QTest::newRow("0.5") << 0.5 << 0.5;
        QTest::newRow("1") << 1.0 << 1.0;
        QTest::newRow("1.7 is full") << 1.7 << 1.0;
        QTest::newRow("NaN is empty") << std::nan("") << 0.0;
        QTest::newRow("infinity is full") << std::numeric_limits<double>::infinity() << 1.0;
    }
    void fillsTheClampedShare()
    {
        QFETCH(double, progress);
        QFETCH(double, filled);
        const QColor fill(220, 40, 40);
        const QColor track(40, 40, 220);
        QWidget window;
        auto *bar =
            new ProgressTrack({.progress = progress, .fill = fill, .track = track, .height = 8});
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(bar);
        window.resize(200, 8);
        testing::render(&window);
        // Full width offered, exactly its height.
        QCOMPARE(bar->size(), QSize(200, 8));
        const QImage image = testing::renderWidget(bar);
        const int fillPixels = testing::countInRow(image, 4, fill);
        const int trackPixels = testing::countInRow(image, 4, track);
        QVERIFY2(qAbs(fillPixels - 200 * filled) <= 2, qPrintable(QString::number(fillPixels)));
        QVERIFY(fillPixels + trackPixels >= 196);
    }

    void zeroWidthDrawsNothing()
    {
        ProgressTrack bar(
            {.progress = 0.5, .fill = QColor(Qt::red), .track = QColor(Qt::blue), .height = 6});
        bar.resize(0, 6);
        bar.show();
        QCOMPARE(bar.sizeHint().height(), 6);
        QVERIFY(testing::renderWidget(&bar).isNull());
    }
};

QTEST_MAIN(tst_ProgressTrack)
#include "tst_ProgressTrack.moc"
