#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "OffscreenScreens.h"
#include <QVBoxLayout>
#include <QWidget>

#include "kit/WindowPlacement.h"
#include "platform/UserDefaults.h"

using fennimar::WindowPlacement;

Q_DECLARE_METATYPE(QList<QRect>)

namespace {

// The offscreen desktop of main(): the primary screen, then a second one on its right.
const QRect primary(0, 0, 1000, 700);
const QRect second(1000, 0, 800, 600);

// Deadlines that pass when the test says so.
struct Deadlines {
    WindowPlacement::Deadline deadline()
    {
        return [this](QObject *, std::function<void()> timeout) { pending << timeout; };
    }
    void pass()
    {
        for (const auto &timeout : std::exchange(pending, {}))
            timeout();
    }
    QList<std::function<void()>> pending;
};

// The frame the offscreen platform draws around a decorated window.
const QMargins offscreenFrame(2, 2, 2, 2);

// The frame a window has, or is placed to have once it shows: the
// platform frames a window only once it exists.
QRect placedFrame(const QWidget &w)
{
    return w.isVisible() ? w.frameGeometry() : QRect(w.pos(), w.size().grownBy(offscreenFrame));
}

QPoint centreOf(const QWidget &w)
{
    return placedFrame(w).center();
}

bool near(const QPoint &a, const QPoint &b)
{
    return (a - b).manhattanLength() <= 2;
}

} // namespace

class tst_WindowPlacement : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init() { QCursor::setPos(primary.center()); }

    void dominantScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<int>("expected");
        const QList<QRect> two{primary, second};
        QTest::newRow("inside the first") << QRect(10, 10, 100, 100) << two << 0;
        QTest::newRow("mostly on the second") << QRect(900, 0, 300, 100) << two << 1;
        QTest::newRow("equal halves: the first") << QRect(900, 0, 200, 100) << two << 0;
        QTest::newRow("on no screen") << QRect(-500, -500, 100, 100) << two << -1;
        QTest::newRow("empty frame") << QRect(10, 10, 0, 0) << two << -1;
        QTest::newRow("no screens") << QRect(10, 10, 100, 100) << QList<QRect>{} << -1;
    }
    void dominantScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(QList<QRect>, screens);
        QTEST(WindowPlacement::dominantIndex(frame, screens).value_or(-1), "expected");
    }

    void centredOrigin()
    {
        QCOMPARE(WindowPlacement::centredOrigin({520, 420}, {0, 0, 1280, 800}), QPoint(380, 190));
        QCOMPARE(WindowPlacement::centredOrigin({520, 420}, {1000, 25, 800, 575}),
                 QPoint(1140, 103));
    }

    void fittedFrame_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QMargins>("margins");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("expected");
        const QMargins none;
        // A title bar of 20, a border of 1 and a bottom edge of 5.
        const QMargins decorated(1, 20, 1, 5);
        const QRect area(0, 0, 1024, 600);
        const QRect belowAPanel(1000, 25, 800, 575);
        QTest::newRow("inside: left alone")
            << QRect(100, 50, 502, 425) << decorated << QSize() << area << QRect(100, 50, 502, 425);
        QTest::newRow("above the screen: its title bar brought down")
            << QRect(200, -10, 522, 785) << decorated << QSize(480, 560) << area
            << QRect(200, 0, 522, 600);
        QTest::newRow("larger than the area: as large as the area")
            << QRect(0, 0, 1200, 900) << none << QSize(300, 200) << area << area;
        QTest::newRow("the frame counts: shrunk by it")
            << QRect(0, 0, 902, 625) << decorated << QSize(680, 480) << area
            << QRect(0, 0, 902, 600);
        QTest::newRow("minimum larger than the area: top-left kept in it")
            << QRect(-40, -40, 602, 625) << decorated << QSize(700, 700) << area
            << QRect(0, 0, 702, 725);
        QTest::newRow("minimum wider than the area: from its left edge")
            << QRect(300, 100, 302, 225) << decorated << QSize(1100, 200) << area
            << QRect(0, 100, 1102, 225);
        QTest::newRow("remembered off the left and top of a second screen")
            << QRect(-300, -200, 402, 325) << decorated << QSize() << belowAPanel
            << QRect(1000, 25, 402, 325);
        QTest::newRow("remembered past the bottom-right corner")
            << QRect(1700, 500, 402, 325) << decorated << QSize() << belowAPanel
            << QRect(1398, 275, 402, 325);
        QTest::newRow("frameless, exactly the area") << area << none << QSize() << area << area;
    }
    void fittedFrame()
    {
        QFETCH(QRect, frame);
        QFETCH(QMargins, margins);
        QFETCH(QSize, minimum);
        QFETCH(QRect, area);
        QTEST(WindowPlacement::fittedFrame(frame, margins, minimum, area), "expected");
    }

    void centredFrame_data()
    {
        QTest::addColumn<QSize>("content");
        QTest::addColumn<QMargins>("margins");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("expected");
        const QMargins decorated(1, 20, 1, 5);
        // On 1280x720: 1920x1080 at 150 %.
        QTest::newRow("fits: centred, frame and all")
            << QSize(520, 420) << decorated << QSize() << QRect(379, 138, 522, 445);
        QTest::newRow("taller than the area: as tall as it, from its top")
            << QSize(520, 760) << decorated << QSize(480, 560) << QRect(379, 0, 522, 720);
        QTest::newRow("minimum taller than the area: from its top")
            << QSize(520, 760) << decorated << QSize(480, 800) << QRect(379, 0, 522, 825);
        QTest::newRow("frameless")
            << QSize(520, 420) << QMargins() << QSize(520, 420) << QRect(380, 150, 520, 420);
    }
    void centredFrame()
    {
        QFETCH(QSize, content);
        QFETCH(QMargins, margins);
        QFETCH(QSize, minimum);
        QTEST(WindowPlacement::centredFrame(content, margins, minimum, QRect(0, 0, 1280, 720)),
              "expected");
    }

    // First of the tests that show a decorated window: the frame is learnt
    // from the first one shown.
    void theFirstFrameShownIsLearntAndAllowedFor()
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        QWidget first;
        first.resize(1400, 900);
        // Nothing decorated yet: no frame is known, so none is assumed.
        QCOMPARE(WindowPlacement::frameMargins(&first, screen), QMargins());
        WindowPlacement::centerOnActiveScreen(&first);
        QCOMPARE(first.geometry(), primary);
        // Once shown, it is placed again with the frame drawn around it.
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        QTRY_COMPARE(first.frameGeometry(), primary);
        QCOMPARE(first.size(), primary.size().shrunkBy(offscreenFrame));

        // A later window is placed with that frame from the start.
        QWidget later;
        later.resize(1400, 900);
        QCOMPARE(WindowPlacement::frameMargins(&later, screen), offscreenFrame);
        WindowPlacement::centerOnActiveScreen(&later);
        QCOMPARE(later.size(), primary.size().shrunkBy(offscreenFrame));
        // A frameless one has none.
        QWidget frameless(nullptr, Qt::FramelessWindowHint);
        QCOMPARE(WindowPlacement::frameMargins(&frameless, screen), QMargins());
    }

    void windowsLargerThanTheScreenAreMadeToFit_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("expected");
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::newRow("taller") << QSize(600, 900) << QSize(300, 300)
                                << QRect(198, 0, 604, area.height());
        QTest::newRow("larger both ways") << QSize(1400, 900) << QSize(300, 300) << area;
        QTest::newRow("minimum too large: top-left corner on the screen")
            << QSize(600, 900) << QSize(500, 800) << QRect(198, 0, 604, 804);
    }
    void windowsLargerThanTheScreenAreMadeToFit()
    {
        QFETCH(QSize, size);
        QFETCH(QSize, minimum);
        QWidget w;
        // Its content stays its own through every placement.
        const QPointer<QLayout> layout = new QVBoxLayout(&w);
        layout->addWidget(new QLabel(QStringLiteral("content")));
        w.setMinimumSize(minimum);
        w.resize(size);
        Deadlines deadlines;
        WindowPlacement::centerOnActiveScreen(&w, deadlines.deadline());
        QFETCH(QRect, expected);
        QCOMPARE(placedFrame(w), expected);
        // Shown, it stays so.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(placedFrame(w), expected);
        deadlines.pass();
        // So is a move to the active screen, where it already is.
        w.move(-50, 100);
        WindowPlacement::moveToActiveScreen(&w);
        QCOMPARE(placedFrame(w), QRect(QPoint(0, 0), expected.size()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(layout && w.layout() == layout);
    }

    void centresOnTheActiveScreenAndFollowsOneEarlyResize_data()
    {
        QTest::addColumn<bool>("deadlinePassesFirst");
        QTest::newRow("resize in time") << false;
        QTest::newRow("resize too late") << true;
    }
    void centresOnTheActiveScreenAndFollowsOneEarlyResize()
    {
        QFETCH(bool, deadlinePassesFirst);
        QCursor::setPos(second.center());
        QWidget w;
        w.resize(300, 200);
        w.show(); // a hidden window hears of a resize only when it shows
        Deadlines deadlines;
        WindowPlacement::centerOnActiveScreen(&w, deadlines.deadline());
        const QRect area = QGuiApplication::screens()[1]->availableGeometry();
        QVERIFY(near(centreOf(w), area.center()));
        QCOMPARE(deadlines.pending.size(), 1);

        // The mouse moves on: a re-centre stays on the screen found first.
        QCursor::setPos(primary.center());
        if (deadlinePassesFirst)
            deadlines.pass();
        const QPoint before = w.pos();
        w.resize(500, 300);
        QCoreApplication::processEvents();
        QCOMPARE(near(centreOf(w), area.center()), !deadlinePassesFirst);
        if (deadlinePassesFirst)
            QCOMPARE(w.pos(), before);

        // Only the first resize is followed.
        const QPoint settled = w.pos();
        w.resize(200, 100);
        QCoreApplication::processEvents();
        QCOMPARE(w.pos(), settled);
        deadlines.pass();
    }

    void activeScreenPrefersTheFocusedWindow()
    {
        QWidget focused;
        focused.setGeometry(second.x() + 50, 50, 200, 100);
        focused.show();
        focused.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&focused));
        QWidget other;
        QCOMPARE(WindowPlacement::activeScreen(&other)->geometry(), second);
        // A window is not its own reference: the mouse decides.
        QCOMPARE(WindowPlacement::activeScreen(&focused)->geometry(), primary);
    }

    void moveToActiveScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        // Empty: centred on the active screen.
        QTest::addColumn<QRect>("expected");
        QTest::newRow("on the active screen")
            << QRect(650, 100, 300, 200) << QRect(650, 100, 304, 204);
        QTest::newRow("mostly on the active screen: moved in")
            << QRect(850, 100, 300, 200) << QRect(696, 100, 304, 204);
        QTest::newRow("mostly elsewhere") << QRect(1100, 100, 300, 200) << QRect();
    }
    void moveToActiveScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, expected);
        QWidget w;
        w.move(frame.topLeft());
        w.resize(frame.size());
        WindowPlacement::moveToActiveScreen(&w);
        if (expected.isNull())
            QVERIFY(
                near(centreOf(w), QGuiApplication::primaryScreen()->availableGeometry().center()));
        else
            QCOMPARE(placedFrame(w), expected);
    }

    void restoreFrameRemembersWhereTheWindowWas()
    {
        platform::UserDefaults defaults(m_dir.filePath("defaults.ini"));
        {
            QWidget w;
            WindowPlacement::restoreFrame(&w, "settings", {640, 480}, defaults);
            QCOMPARE(w.size(), QSize(640, 480));
            QVERIFY(
                near(centreOf(w), QGuiApplication::primaryScreen()->availableGeometry().center()));
            w.show();
            w.setGeometry(100, 120, 700, 500);
            QCoreApplication::processEvents();
        }
        const auto saved = defaults.stringValue(WindowPlacement::frameKey("settings"));
        QVERIFY(saved);
        {
            QWidget w;
            WindowPlacement::restoreFrame(&w, "settings", {640, 480}, defaults);
            QCOMPARE(w.geometry(), QRect(100, 120, 700, 500));
        }
        {
            // Saved on a screen that is no longer the active one: centred anew.
            QCursor::setPos(second.center());
            QWidget w;
            WindowPlacement::restoreFrame(&w, "settings", {640, 480}, defaults);
            QCOMPARE(w.size(), QSize(700, 500));
            QVERIFY(near(centreOf(w), QGuiApplication::screens()[1]->availableGeometry().center()));
        }
        // Saved half off a larger screen: moved in, and no larger than the screen.
        QCursor::setPos(primary.center());
        {
            QWidget w;
            w.show();
            w.setGeometry(500, -40, 900, 800);
            QCoreApplication::processEvents();
            defaults.setValue(WindowPlacement::frameKey("settings"),
                              QString::fromLatin1(w.saveGeometry().toBase64()));
        }
        QWidget w;
        WindowPlacement::restoreFrame(&w, "settings", {640, 480}, defaults);
        QVERIFY2(primary.contains(placedFrame(w)), qPrintable(QDebug::toString(placedFrame(w))));
        QCOMPARE(w.width(), 900);
    }
};

int main(int argc, char **argv)
{
    return testing::execOnScreens(argc, argv, R"({"screens": [
        {"name": "primary", "x": 0, "y": 0, "width": 1000, "height": 700, "logicalDpi": 96},
        {"name": "second", "x": 1000, "y": 0, "width": 800, "height": 600, "logicalDpi": 96}]})",
                                  [&] {
                                      tst_WindowPlacement test;
                                      return QTest::qExec(&test, argc, argv);
                                  });
}

#include "tst_WindowPlacement.moc"
