#include <QTest>

#include "UiTestSupport.h"
#include "ui/BrandMark.h"

using namespace halvex;

class tst_BrandMark : public QObject {
    Q_OBJECT

private slots:
    void drawsTheArtworkAtItsSize_data()
    {
        QTest::addColumn<bool>("square");
        QTest::addColumn<int>("points");
        QTest::addColumn<QSize>("size");
        // The artwork is square, so a mark fitted to a height is square too.
        QTest::newRow("square 56") << true << 56 << QSize(56, 56);
        QTest::newRow("square 64") << true << 64 << QSize(64, 64);
        QTest::newRow("22 high") << false << 22 << QSize(22, 22);
        QTest::newRow("96 high") << false << 96 << QSize(96, 96);
    }
    void drawsTheArtworkAtItsSize()
    {
        QFETCH(bool, square);
        QFETCH(int, points);
        QFETCH(QSize, size);
        QWidget holder;
        BrandMark *mark =
            square ? BrandMark::square(points, &holder) : BrandMark::ofHeight(points, &holder);
        QCOMPARE(mark->size(), size);
        QCOMPARE(mark->minimumSize(), size);
        QCOMPARE(mark->maximumSize(), size);
        QVERIFY(mark->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(mark->accessibleName().isEmpty());

        // Above the ring, inside the rounded square: the artwork's own violet.
        const QImage image = testing::renderWidget(mark);
        const QColor pixel = image.pixelColor(size.width() / 2, size.height() / 8);
        QVERIFY2(testing::near(pixel, QColor(0x5A, 0x4F, 0xCF)),
                 qPrintable(testing::describe(pixel)));
    }
};

QTEST_MAIN(tst_BrandMark)
#include "tst_BrandMark.moc"
