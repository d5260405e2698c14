#include <QTest>

#include "LogCapture.h"
#include "ui/Color.h"

using namespace halvex;

namespace {

using Token = const ThemeColor &(*)();

// WCAG contrast ratio of two opaque colours.
qreal contrast(const QColor &a, const QColor &b)
{
    const auto lum = [](const QColor &c) {
        const auto ch = [](qreal v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * ch(c.redF()) + 0.7152 * ch(c.greenF()) + 0.0722 * ch(c.blueF());
    };
    const qreal l1 = lum(a), l2 = lum(b);
    return (qMax(l1, l2) + 0.05) / (qMin(l1, l2) + 0.05);
}

} // namespace

Q_DECLARE_METATYPE(Token)

class tst_Color : public QObject {
    Q_OBJECT

private slots:
    void tokenReadsItsCatalogueEntry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Token>("token");
        QTest::newRow("background") << "background" << Token(&Color::background);
        QTest::newRow("surface") << "surface" << Token(&Color::surface);
        QTest::newRow("surfaceElevated") << "surfaceElevated" << Token(&Color::surfaceElevated);
        QTest::newRow("ink") << "ink" << Token(&Color::ink);
        QTest::newRow("inkMuted") << "inkMuted" << Token(&Color::inkMuted);
        QTest::newRow("inkSubtle") << "inkSubtle" << Token(&Color::inkSubtle);
        QTest::newRow("accent") << "accent" << Token(&Color::accent);
        QTest::newRow("onAccent") << "onAccent" << Token(&Color::onAccent);
        QTest::newRow("brand") << "brand" << Token(&Color::brand);
        QTest::newRow("destructive") << "destructive" << Token(&Color::destructive);
        QTest::newRow("warning") << "warning" << Token(&Color::warning);
        QTest::newRow("success") << "success" << Token(&Color::success);
        QTest::newRow("divider") << "divider" << Token(&Color::divider);
    }
    void tokenReadsItsCatalogueEntry()
    {
        QFETCH(QString, name);
        QFETCH(Token, token);
        const auto &catalog = colorCatalog();
        const auto entry = catalog.find(name);
        QVERIFY2(entry != catalog.end(), qPrintable(name));
        QCOMPARE(token(), entry->second);
        QVERIFY(token().light().isValid() && token().dark().isValid());
        QCOMPARE(token().light().alpha(), 255);
        QVERIFY(token().light() != Color::missing());
        // The same shared value on every read.
        QCOMPARE(&token(), &token());
    }

    void catalogueHoldsExactlyTheThirteenNames() { QCOMPARE(colorCatalog().size(), size_t(13)); }

    void missingNameIsLoudAndLogged()
    {
        testing::LogCapture log;
        const ThemeColor c = namedAssetColor(QStringLiteral("nonexistent"));
        QCOMPARE(c.light(), Color::missing());
        QCOMPARE(c.dark(), Color::missing());
        QVERIFY(log.lines().join(u'\n').contains(u"nonexistent"));
    }

    // The chosen values must stay legible in both appearances.
    void pairsAreLegible_data()
    {
        QTest::addColumn<Token>("fg");
        QTest::addColumn<Token>("bg");
        QTest::addColumn<qreal>("minimum");
        QTest::newRow("ink on background")
            << Token(&Color::ink) << Token(&Color::background) << 7.0;
        QTest::newRow("ink on elevated")
            << Token(&Color::ink) << Token(&Color::surfaceElevated) << 7.0;
        QTest::newRow("inkMuted on surface")
            << Token(&Color::inkMuted) << Token(&Color::surface) << 4.5;
        QTest::newRow("inkSubtle on background")
            << Token(&Color::inkSubtle) << Token(&Color::background) << 2.5;
        QTest::newRow("onAccent on accent")
            << Token(&Color::onAccent) << Token(&Color::accent) << 4.0;
        QTest::newRow("destructive on background")
            << Token(&Color::destructive) << Token(&Color::background) << 3.5;
        QTest::newRow("warning on background")
            << Token(&Color::warning) << Token(&Color::background) << 3.5;
        QTest::newRow("success on surface")
            << Token(&Color::success) << Token(&Color::surface) << 3.5;
        QTest::newRow("divider on surface")
            << Token(&Color::divider) << Token(&Color::surface) << 1.15;
    }
    void pairsAreLegible()
    {
        QFETCH(Token, fg);
        QFETCH(Token, bg);
        QFETCH(qreal, minimum);
        for (const Appearance a : {Appearance::light, Appearance::dark}) {
            const qreal ratio = contrast(fg().resolve(a), bg().resolve(a));
            QVERIFY2(ratio >= minimum,
                     qPrintable(QStringLiteral("%1 in %2").arg(ratio).arg(int(a))));
        }
    }

    void destructiveAndWarningAreClearlyApart()
    {
        for (const Appearance a : {Appearance::light, Appearance::dark}) {
            const int d = Color::destructive().resolve(a).hslHue();
            const int w = Color::warning().resolve(a).hslHue();
            const int apart = qMin(qAbs(d - w), 360 - qAbs(d - w));
            QVERIFY2(apart >= 25, qPrintable(QString::number(apart)));
        }
    }
};

QTEST_MAIN(tst_Color)
#include "tst_Color.moc"
