#include <QDir>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTest>

#include "DesktopHarness.h"
#include "ManualScheduler.h"
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
    void appearanceReinksTheShownFrame();
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
    QVERIFY(strip.save(QDir(testing::DesktopHarness::screenshotDirectory())
                           .filePath("menubar-icon-frames-" + name + ".png")));
}

void tst_MenuBarIconView::redStatesLastUntilTheLastOneEnds_data()
{
    // "<seconds> <pulse|break|mark>; …" happen; "<seconds> <red|mark>; …" is seen.
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("seen");
    QTest::newRow("a pulse") << "0 pulse"
                             << "0 red; 0.79 red; 0.81 mark";
    QTest::newRow("a second pulse restarts it") << "0 pulse; 0.3 pulse"
                                                << "0.81 red; 1.09 red; 1.11 mark";
    QTest::newRow("a break") << "0 break"
                             << "0.81 red; 2.99 red; 3.01 mark";
    QTest::newRow("a trigger during a break does not cut it short")
        << "0 break; 1 pulse"
        << "1.81 red; 2.99 red; 3.01 mark";
    QTest::newRow("a pulse running past the break's end") << "0 break; 2.9 pulse"
                                                          << "3.01 red; 3.69 red; 3.71 mark";
    QTest::newRow("a break during a pulse outlasts it") << "0 pulse; 0.5 break"
                                                        << "0.81 red; 3.49 red; 3.51 mark";
    QTest::newRow("the mark ends both at once") << "0 break; 0.1 pulse; 0.5 mark"
                                                << "0.5 mark; 0.91 mark; 4 mark";
}

void tst_MenuBarIconView::redStatesLastUntilTheLastOneEnds()
{
    QFETCH(QString, events);
    QFETCH(QString, seen);
    testing::ManualScheduler scheduler;
    QSystemTrayIcon button;
    MenuBarIconView view(&button, scheduler);
    QCOMPARE(view.frame(), Frame::mark);

    struct Step {
        double at;
        QString what;
        bool check;
    };
    std::vector<Step> steps;
    for (const auto &[text, check] : {std::pair{events, false}, std::pair{seen, true}}) {
        for (const QString &item : text.split(u';')) {
            const QStringList parts = item.simplified().split(u' ');
            steps.push_back({parts.at(0).toDouble(), parts.at(1), check});
        }
    }
    // Events before checks at the same moment.
    std::stable_sort(steps.begin(), steps.end(),
                     [](const Step &a, const Step &b) { return a.at < b.at; });

    for (const Step &step : steps) {
        scheduler.advance(step.at - scheduler.now());
        if (!step.check) {
            if (step.what == u"pulse")
                view.pulse();
            else if (step.what == u"break")
                view.showBreaking();
            else
                view.showMark();
            continue;
        }
        const Frame expected = step.what == u"red" ? Frame::red : Frame::mark;
        QVERIFY2(view.frame() == expected, qPrintable(u"at " + QString::number(step.at)));
        // What the tray shows is that frame.
        QCOMPARE(button.icon().cacheKey(),
                 MenuBarIconView::icon(expected, Appearance::light).cacheKey());
    }
    QCOMPARE(scheduler.pendingCount(), 0);
}

void tst_MenuBarIconView::appearanceReinksTheShownFrame()
{
    testing::ManualScheduler scheduler;
    QSystemTrayIcon button;
    MenuBarIconView view(&button, scheduler, Appearance::dark);
    QCOMPARE(button.icon().cacheKey(),
             MenuBarIconView::icon(Frame::mark, Appearance::dark).cacheKey());
    view.showBreaking();
    view.setAppearance(Appearance::light);
    QCOMPARE(button.icon().cacheKey(),
             MenuBarIconView::icon(Frame::red, Appearance::light).cacheKey());
    QVERIFY(view.isBreaking());
    QVERIFY(MenuBarIconView::icon(Frame::mark, Appearance::light).cacheKey() !=
            MenuBarIconView::icon(Frame::mark, Appearance::dark).cacheKey());
}

QTEST_MAIN(tst_MenuBarIconView)
#include "tst_MenuBarIconView.moc"
