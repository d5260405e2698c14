// Which accessible window is the one in front, with the windows as Chromium
// and Firefox list them: every window in the order opened, helper popups
// without a name, covered windows and those on other desktops as showing.
#include <QTest>

#include "platform/FrontWindowMatch.h"

using platform::AccessibleWindowFacts;
using platform::FrontWindow;

Q_DECLARE_METATYPE(platform::FrontWindow)
Q_DECLARE_METATYPE(QList<platform::AccessibleWindowFacts>)

namespace {

const QString pageB = QStringLiteral("page b - Chromium");
const QString newTab = QStringLiteral("New Tab - Chromium");
const QString firefox = QStringLiteral("page b — Mozilla Firefox");
// Chromium's frame as the window manager places it, and a second one cascaded from it.
const QRect first(10, 10, 1050, 780);
const QRect cascaded(20, 20, 1050, 780);
const QRect fullScreen(0, 0, 1280, 800);

AccessibleWindowFacts window(const QString &name, const QRect &extents)
{
    return {name, extents};
}
AccessibleWindowFacts active(AccessibleWindowFacts facts)
{
    facts.active = true;
    return facts;
}
AccessibleWindowFacts iconified(AccessibleWindowFacts facts)
{
    facts.iconified = true;
    return facts;
}
// The address bar's suggestion popups Chromium keeps beside each window.
AccessibleWindowFacts helper()
{
    return window({}, QRect(114, 40, 878, 88));
}

} // namespace

class tst_FrontWindowMatch : public QObject {
    Q_OBJECT
private slots:
    void matchesTheWindowInFront_data();
    void matchesTheWindowInFront();
};

void tst_FrontWindowMatch::matchesTheWindowInFront_data()
{
    QTest::addColumn<FrontWindow>("front");
    QTest::addColumn<QList<AccessibleWindowFacts>>("windows");
    QTest::addColumn<int>("expected"); // -1: none

    QTest::newRow("the second of two, helpers between")
        << FrontWindow{pageB, cascaded}
        << QList{window(QStringLiteral("page a - Chromium"), first), helper(), helper(),
                 window(pageB, cascaded), helper()}
        << 3;
    QTest::newRow("same title, told apart by place")
        << FrontWindow{newTab, cascaded} << QList{window(newTab, first), window(newTab, cascaded)}
        << 1;
    QTest::newRow("same title and corner, told apart by size")
        << FrontWindow{newTab, QRect(10, 10, 700, 500)}
        << QList{window(newTab, first), window(newTab, QRect(10, 10, 700, 500))} << 1;
    QTest::newRow("one ten pixels off is another window")
        << FrontWindow{newTab, cascaded} << QList{window(newTab, first)} << -1;
    QTest::newRow("same title and place on another desktop: none")
        << FrontWindow{newTab, first} << QList{window(newTab, first), window(newTab, first)} << -1;
    QTest::newRow("same title and place: the toolkit's active mark decides")
        << FrontWindow{firefox, fullScreen}
        << QList{window(firefox, fullScreen), active(window(firefox, fullScreen))} << 1;
    QTest::newRow("two marked active: none")
        << FrontWindow{firefox, fullScreen}
        << QList{active(window(firefox, fullScreen)), active(window(firefox, fullScreen))} << -1;
    QTest::newRow("a minimised window first, at the same place")
        << FrontWindow{newTab, first}
        << QList{iconified(window(newTab, first)), helper(), window(newTab, first)} << 2;
    QTest::newRow("minimised itself, as activation would bring it back")
        << FrontWindow{newTab, first, {}, true} << QList{helper(), iconified(window(newTab, first))}
        << 1;
    QTest::newRow("a window without a title is no helper's")
        << FrontWindow{{}, QRect(114, 40, 878, 88)} << QList{helper()} << -1;
    // The titles disagree for a moment while a page loads: still its window.
    QTest::newRow("a title that differs, alone at the place")
        << FrontWindow{QStringLiteral("page c - Chromium"), cascaded}
        << QList{window(pageB, cascaded)} << 0;
    QTest::newRow("a private window's mark on its accessible name")
        << FrontWindow{pageB, cascaded}
        << QList{window(pageB, first), helper(), window(pageB + " (Incognito)", cascaded)} << 2;
    QTest::newRow("a mark on the window manager's title only")
        << FrontWindow{"Work - " + pageB, first}
        << QList{window(pageB, first), window(newTab, fullScreen)} << 0;
    QTest::newRow("same place: the title agreeing decides")
        << FrontWindow{pageB + " (Guest)", first}
        << QList{window(newTab, first), window(pageB, first)} << 1;
    QTest::newRow("a longer title is no mark")
        << FrontWindow{QStringLiteral("page bb - Chromium"), first}
        << QList{window(pageB, first), window(newTab, first)} << -1;
    QTest::newRow("a private and a plain window of one page at one place: none")
        << FrontWindow{pageB, first}
        << QList{window(pageB, first), window(pageB + " (Incognito)", first)} << -1;
    QTest::newRow("no window on the bus")
        << FrontWindow{pageB, cascaded} << QList<AccessibleWindowFacts>{} << -1;
    QTest::newRow("no extents") << FrontWindow{pageB, cascaded}
                                << QList{AccessibleWindowFacts{pageB}} << -1;
    QTest::newRow("margins Firefox draws inside its window")
        << FrontWindow{firefox, QRect(100, 60, 800, 600)}
        << QList{window(firefox, QRect(105, 65, 790, 590))} << 0;
    QTest::newRow("the window manager's frame")
        << FrontWindow{pageB, QRect(101, 122, 240, 120), QMargins(1, 22, 1, 1)}
        << QList{window(pageB, QRect(100, 100, 242, 143))} << 0;
    QTest::newRow("device-independent pixels at one and a half")
        << FrontWindow{pageB, QRect(15, 15, 1250, 770)}
        << QList{window(pageB, QRect(10, 10, 834, 514))} << 0;
    QTest::newRow("not one scale for every edge")
        << FrontWindow{pageB, QRect(15, 15, 1250, 770)}
        << QList{window(pageB, QRect(10, 10, 834, 770))} << -1;
    QTest::newRow("partly off the screen's left and top")
        << FrontWindow{pageB, QRect(-50, -30, 800, 600)}
        << QList{window(pageB, QRect(-50, -30, 800, 600))} << 0;
}

void tst_FrontWindowMatch::matchesTheWindowInFront()
{
    QFETCH(FrontWindow, front);
    QFETCH(QList<AccessibleWindowFacts>, windows);
    QFETCH(int, expected);
    const std::optional<qsizetype> match = platform::matchFrontWindow(front, windows);
    QCOMPARE(match ? int(*match) : -1, expected);
}

QTEST_GUILESS_MAIN(tst_FrontWindowMatch)

#include "tst_FrontWindowMatch.moc"
