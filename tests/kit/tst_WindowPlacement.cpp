#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "OffscreenScreens.h"
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

QPoint centreOf(const QWidget &w)
{
    return w.frameGeometry().center();
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
        QTest::addColumn<bool>("moves");
        QTest::newRow("mostly on the active screen") << QRect(850, 100, 300, 200) << false;
        QTest::newRow("mostly elsewhere") << QRect(1100, 100, 300, 200) << true;
    }
    void moveToActiveScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(bool, moves);
        QWidget w;
        w.setGeometry(frame);
        const QPoint before = w.pos();
        WindowPlacement::moveToActiveScreen(&w);
        if (moves)
            QVERIFY(
                near(centreOf(w), QGuiApplication::primaryScreen()->availableGeometry().center()));
        else
            QCOMPARE(w.pos(), before);
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
        // Saved on a screen that is no longer the active one: centred anew.
        QCursor::setPos(second.center());
        QWidget w;
        WindowPlacement::restoreFrame(&w, "settings", {640, 480}, defaults);
        QCOMPARE(w.size(), QSize(700, 500));
        QVERIFY(near(centreOf(w), QGuiApplication::screens()[1]->availableGeometry().center()));
    }
};

int main(int argc, char **argv)
{
    return testing::execOnScreens(argc, argv, R"({"screens": [
        {"name": "primary", "x": 0, "y": 0, "width": 1000, "height": 700, "logicalDpi": 96},
        {"name": "second", "x": 1000, "y": 0, "width": 800, "height": 600, "logicalDpi": 96}]})", [&] {
        tst_WindowPlacement test;
        return QTest::qExec(&test, argc, argv);
    });
}

#include "tst_WindowPlacement.moc"
