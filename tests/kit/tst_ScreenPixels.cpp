#include <QTest>

#include "kit/ScreenPixels.h"
#include "kit/WindowPlacement.h"

using fennimar::ScreenPixels;

Q_DECLARE_METATYPE(QList<QRect>)
Q_DECLARE_METATYPE(QList<qreal>)

namespace {

// Two 1280 by 800 monitors side by side as Qt has them at each scale: the
// origins in device pixels, the sizes divided by each screen's factor.
QList<ScreenPixels::Screen> screensOf(const QList<QRect> &geometries, const QList<qreal> &ratios)
{
    QList<ScreenPixels::Screen> screens;
    for (int i = 0; i < geometries.size(); ++i)
        screens << ScreenPixels::Screen{geometries[i], ratios[i]};
    return screens;
}

} // namespace

class tst_ScreenPixels : public QObject {
    Q_OBJECT
private slots:
    void windowsAndTheMouseMeetTheScreensInDevicePixels_data();
    void windowsAndTheMouseMeetTheScreensInDevicePixels();
};

void tst_ScreenPixels::windowsAndTheMouseMeetTheScreensInDevicePixels_data()
{
    QTest::addColumn<QList<QRect>>("geometries");
    QTest::addColumn<QList<qreal>>("ratios");
    // A window as the X server has it, and the monitor it is on.
    QTest::addColumn<QRect>("window");
    QTest::addColumn<int>("screen");
    // The mouse in Qt's coordinates, and in device pixels.
    QTest::addColumn<QPoint>("mouse");
    QTest::addColumn<QPoint>("deviceMouse");

    const QRect onFirst(100, 100, 800, 500);
    const QRect onSecond(1400, 100, 800, 500);
    // 280 pixels on the first monitor, 520 on the second.
    const QRect acrossBoth(1000, 100, 800, 500);

    const QList<QRect> plain{{0, 0, 1280, 800}, {1280, 0, 1280, 800}};
    QTest::newRow("1 and 1, on the first")
        << plain << QList<qreal>{1, 1} << onFirst << 0 << QPoint(640, 400) << QPoint(640, 400);
    QTest::newRow("1 and 1, on the second")
        << plain << QList<qreal>{1, 1} << onSecond << 1 << QPoint(1920, 400) << QPoint(1920, 400);

    const QList<QRect> secondDouble{{0, 0, 1280, 800}, {1280, 0, 640, 400}};
    QTest::newRow("1 and 2, on the first") << secondDouble << QList<qreal>{1, 2} << onFirst << 0
                                           << QPoint(640, 400) << QPoint(640, 400);
    QTest::newRow("1 and 2, on the second") << secondDouble << QList<qreal>{1, 2} << onSecond << 1
                                            << QPoint(1600, 200) << QPoint(1920, 400);
    QTest::newRow("1 and 2, mostly on the second")
        << secondDouble << QList<qreal>{1, 2} << acrossBoth << 1 << QPoint(1919, 399)
        << QPoint(2558, 798);

    const QList<QRect> firstDouble{{0, 0, 640, 400}, {1280, 0, 1280, 800}};
    QTest::newRow("2 and 1, on the first") << firstDouble << QList<qreal>{2, 1} << onFirst << 0
                                           << QPoint(320, 200) << QPoint(640, 400);
    QTest::newRow("2 and 1, on the second") << firstDouble << QList<qreal>{2, 1} << onSecond << 1
                                            << QPoint(1920, 400) << QPoint(1920, 400);

    // 1280 / 1.5 is rounded to 853 by Qt.
    const QList<QRect> bothOneAndAHalf{{0, 0, 853, 533}, {1280, 0, 853, 533}};
    QTest::newRow("1.5 and 1.5, on the first")
        << bothOneAndAHalf << QList<qreal>{1.5, 1.5} << onFirst << 0 << QPoint(426, 266)
        << QPoint(639, 399);
    QTest::newRow("1.5 and 1.5, on the second")
        << bothOneAndAHalf << QList<qreal>{1.5, 1.5} << onSecond << 1 << QPoint(1706, 266)
        << QPoint(1919, 399);
    QTest::newRow("1.5 and 1.5, mostly on the second")
        << bothOneAndAHalf << QList<qreal>{1.5, 1.5} << acrossBoth << 1 << QPoint(2132, 532)
        << QPoint(2558, 798);

    // One factor for all (QT_SCALE_FACTOR=2) leaves a gap between the screens.
    const QList<QRect> bothDouble{{0, 0, 640, 400}, {1280, 0, 640, 400}};
    QTest::newRow("2 and 2, on the second") << bothDouble << QList<qreal>{2, 2} << onSecond << 1
                                            << QPoint(1600, 200) << QPoint(1920, 400);
    QTest::newRow("2 and 2, the mouse in the gap")
        << bothDouble << QList<qreal>{2, 2} << onFirst << 0 << QPoint(900, 200) << QPoint(900, 200);
}

void tst_ScreenPixels::windowsAndTheMouseMeetTheScreensInDevicePixels()
{
    QFETCH(QList<QRect>, geometries);
    QFETCH(QList<qreal>, ratios);
    QFETCH(QRect, window);
    QFETCH(QPoint, mouse);
    const QList<ScreenPixels::Screen> screens = screensOf(geometries, ratios);

    // Whatever the scales, the monitors as the X server lays them out.
    const QList<QRect> monitors{{0, 0, 1280, 800}, {1280, 0, 1280, 800}};
    QCOMPARE(ScreenPixels::deviceGeometries(screens), monitors);
    QTEST(fennimar::WindowPlacement::dominantIndex(window, ScreenPixels::deviceGeometries(screens))
              .value_or(-1),
          "screen");
    QTEST(ScreenPixels::toDevice(mouse, screens), "deviceMouse");
}

QTEST_GUILESS_MAIN(tst_ScreenPixels)

#include "tst_ScreenPixels.moc"
