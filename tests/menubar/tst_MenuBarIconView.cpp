#include <QDir>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTest>

#include "ManualScheduler.h"
#include "Screenshots.h"
#include "menubar/MenuBarIconView.h"
#include "ui/Color.h"

using namespace halvex;
using Frame = MenuBarIconView::Frame;

Q_DECLARE_METATYPE(Appearance)

class tst_MenuBarIconView : public QObject {
    Q_OBJECT
private slots:
    void redFrameIsTheMarkFilledRed_data();
    void redFrameIsTheMarkFilledRed();
    void redStatesLastUntilTheLastOneEnds_data();
    void redStatesLastUntilTheLastOneEnds();
};

void tst_MenuBarIconView::redFrameIsTheMarkFilledRed_data()
{
    QTest::addColumn<Appearance>("appearance");
    QTest::newRow("light panels") << Appearance::light;
    QTest::newRow("dark panels") << Appearance::dark;
}

void tst_MenuBarIconView::redFrameIsTheMarkFilledRed()
{
    QFETCH(Appearance, appearance);
    const QImage mark = MenuBarIconView::image(Frame::mark, appearance, 44);
    const QImage red = MenuBarIconView::image(Frame::red, appearance, 44);
    QCOMPARE(mark.size(), QSize(44, 44));
    QCOMPARE(red.size(), mark.size());

    const QColor ink = Color::ink().resolve(appearance);
    const QColor destructive = Color::destructive().resolve(appearance);
    int opaque = 0;
    for (int y = 0; y < mark.height(); ++y) {
        for (int x = 0; x < mark.width(); ++x) {
            const QColor m = mark.pixelColor(x, y);
            const QColor r = red.pixelColor(x, y);
            // Same coverage everywhere; only the colour of what is drawn differs.
            QCOMPARE(r.alpha(), m.alpha());
            if (m.alpha() == 255) {
                ++opaque;
                QCOMPARE(m.rgb(), ink.rgb());
                QCOMPARE(r.rgb(), destructive.rgb());
            }
        }
    }
    // The ring and its filled half, not an empty or solid square.
    QVERIFY2(opaque > 200 && opaque < 44 * 44 / 2, qPrintable(QString::number(opaque)));
    QCOMPARE(mark.pixelColor(0, 0).alpha(), 0);

    // Both frames on a panel of the appearance's background, for people to look at.
    QImage strip(2 * 60, 60, QImage::Format_ARGB32);
    strip.fill(Color::surface().resolve(appearance));
    QPainter painter(&strip);
    painter.drawImage(8, 8, mark);
    painter.drawImage(68, 8, red);
    painter.end();
    const QString name = appearance == Appearance::dark ? "dark" : "light";
    QVERIFY(!testing::screenshots::save(strip, "menubar-icon-frames-" + name).isEmpty());
}

void tst_MenuBarIconView::redStatesLastUntilTheLastOneEnds_data()
{
    // "<seconds> <pulse|break|mark>, …" happen; the icon is red until `markAt`.
    QTest::addColumn<QString>("events");
    QTest::addColumn<double>("markAt");
    QTest::newRow("a pulse") << "0 pulse" << 0.8;
    QTest::newRow("a second pulse restarts it") << "0 pulse, 0.3 pulse" << 1.1;
    QTest::newRow("a break") << "0 break" << 3.0;
    QTest::newRow("a trigger during a break does not cut it short") << "0 break, 1 pulse" << 3.0;
    QTest::newRow("a pulse running past the break's end") << "0 break, 2.9 pulse" << 3.7;
    QTest::newRow("a break during a pulse outlasts it") << "0 pulse, 0.5 break" << 3.5;
    QTest::newRow("the mark ends both at once") << "0 break, 0.1 pulse, 0.5 mark" << 0.5;
}

void tst_MenuBarIconView::redStatesLastUntilTheLastOneEnds()
{
    QFETCH(QString, events);
    QFETCH(double, markAt);
    testing::ManualScheduler scheduler;
    QSystemTrayIcon button;
    MenuBarIconView view(&button, scheduler);
    const auto shows = [&](Frame frame) {
        return view.frame() == frame &&
               button.icon().cacheKey() ==
                   MenuBarIconView::icon(frame, Appearance::light).cacheKey();
    };
    QVERIFY(shows(Frame::mark));
    for (const QString &event : events.split(u',')) {
        const QStringList parts = event.simplified().split(u' ');
        scheduler.advance(parts.at(0).toDouble() - scheduler.now());
        if (parts.at(1) == u"pulse")
            view.pulse();
        else if (parts.at(1) == u"break")
            view.showBreaking();
        else
            view.showMark();
    }
    if (markAt > scheduler.now()) {
        scheduler.advance(markAt - 0.01 - scheduler.now());
        QVERIFY(shows(Frame::red));
    }
    scheduler.advance(markAt + 0.01 - scheduler.now());
    QVERIFY(shows(Frame::mark));
    QCOMPARE(scheduler.pendingCount(), 0);
}

QTEST_MAIN(tst_MenuBarIconView)
#include "tst_MenuBarIconView.moc"
