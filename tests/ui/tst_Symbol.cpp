#include <QTest>

#include "ui/Symbol.h"

using namespace halvex;

class tst_Symbol : public QObject {
    Q_OBJECT

private slots:
    void drawsInOneColour_data()
    {
        QTest::addColumn<QString>("name");
        // Every symbol the views name.
        // clang-format off
        const QStringList names{
            "accessibility", "app", "app.dashed", "arrow.triangle.2.circlepath", "arrow.up.right",
            "arrow.uturn.backward", "bell.fill", "bird", "bubble.left.and.bubble.right", "camera.aperture",
            "chart.bar", "checkmark", "checkmark.circle.fill", "chevron.down", "chevron.left", "circle",
            "circle.dotted", "circle.fill", "clock", "cup.and.saucer", "cup.and.saucer.fill", "doc.text",
            "ellipsis", "envelope", "exclamationmark.bubble", "exclamationmark.triangle",
            "exclamationmark.triangle.fill", "gearshape", "globe", "heart", "info.circle", "lock.shield",
            "music.note", "number.square", "pause", "person.3", "play.rectangle", "plus", "power",
            "square.stack", "star", "star.fill", "trophy.fill", "xmark.circle.fill"};
        // clang-format on
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    void drawsInOneColour()
    {
        QFETCH(QString, name);
        QVERIFY(Symbol::exists(name));
        const QColor tint(200, 40, 30);
        const QImage image =
            Symbol::pixmap(name, 48, tint).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(48, 48));
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() < 250)
                    continue;
                ++inked;
                QCOMPARE(c.rgb(), tint.rgb());
            }
        }
        // Visible, and not a filled square.
        QVERIFY2(inked > 48 && inked < 48 * 48 * 0.8, qPrintable(QString::number(inked)));
    }

    void filledSymbolsKeepTheirCutOut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("checkmark.circle.fill") << "checkmark.circle.fill";
        QTest::newRow("xmark.circle.fill") << "xmark.circle.fill";
    }
    void filledSymbolsKeepTheirCutOut()
    {
        QFETCH(QString, name);
        const QImage image = Symbol::pixmap(name, 48, Qt::black).toImage();
        // Inside the disc, the glyph is a hole through which the background shows.
        QVERIFY(image.pixelColor(24, 10).alpha() > 250);
        int holes = 0;
        for (int x = 12; x < 36; ++x)
            holes += image.pixelColor(x, 24).alpha() < 10 ? 1 : 0;
        QVERIFY(holes > 0);
    }

    void unknownNameDrawsNothing()
    {
        QVERIFY(!Symbol::exists(QStringLiteral("no.such.symbol")));
        QVERIFY(Symbol::pixmap(QStringLiteral("no.such.symbol"), 16, Qt::black).isNull());
    }
};

QTEST_MAIN(tst_Symbol)
#include "tst_Symbol.moc"
