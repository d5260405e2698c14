#include <QTest>

#include "AccessibilityTestbed.h"
#include "LogCapture.h"
#include "browsers/AXBackButton.h"
#include "browsers/AXURLReader.h"

using platform::AccessibilityError;
using platform::AccessibleElement;
using Testbed = testing::AccessibilityTestbed;
namespace ax = platform::ax;

namespace {
const QString notFound = QStringLiteral("AX back button not found - step back falls through");

// The window, groups down to depth, then leaf there.
QStringList chain(int depth, const QString &leaf)
{
    QStringList lines{QStringLiteral("AXWindow")};
    for (int d = 1; d < depth; ++d)
        lines << QString(d * 2, QLatin1Char(' ')) + QStringLiteral("AXGroup");
    return lines << QString(depth * 2, QLatin1Char(' ')) + leaf;
}

// What Firefox shows on screen of a window with eight tabs: menus, the tab
// strip, the navigation bar with its address field, optionally a side
// panel with a page of its own, then the tab's page (at depth 4) with these
// lines below it.
QStringList firefoxWindow(const QString &page, const QStringList &inPage, bool sidePanel)
{
    QStringList lines{"AXWindow", "  AXToolbar"};
    for (const char *menu : {"File", "Edit", "View", "History", "Bookmarks", "Tools", "Help"})
        lines << QStringLiteral("    AXMenuBarItem|title=") + QLatin1String(menu);
    lines << "  AXToolbar"
          << "    AXButton|title=Firefox View"
          << "    AXTabGroup";
    for (int tab = 1; tab <= 8; ++tab)
        lines << QStringLiteral("      AXRadioButton|title=Page %1").arg(tab)
              << "        AXButton|title=Close tab";
    lines << "      AXButton|title=New tab"
          << "    AXButton|title=List all tabs";
    lines << "  AXToolbar"
          << "    AXButton|id=back-button"
          << "    AXButton|id=forward-button"
          << "    AXButton|id=reload-button"
          << "    AXGroup"
          << "      AXGroup"
          << "        AXButton|title=Site information"
          << "        AXTextField|value=example.com/page|name=address"
          << "        AXButton|title=Bookmark";
    if (sidePanel)
        lines << "  AXGroup"
              << "    AXWebArea|url=https://panel.example/";
    lines << "  AXGroup"
          << "    AXScrollArea"
          << "      AXGroup"
          << "        " + page;
    for (const QString &line : inPage)
        lines << "          " + line;
    return lines;
}
} // namespace

class tst_AXURLReader : public QObject {
    Q_OBJECT
private slots:
    void init() { m_bed = std::make_unique<Testbed>(); }
    void readsTheFocusedWindow_data();
    void readsTheFocusedWindow();
    void looksAtAFirefoxWindowInAFewCalls_data();
    void looksAtAFirefoxWindowInAFewCalls();
    void enhancedModeOnlyWhenNothingIsFound_data();
    void enhancedModeOnlyWhenNothingIsFound();
    void windowThatAppearsOnTheRetryIsRead();
    void nothingIsTouchedWithoutTrustOrBrowser_data();
    void nothingIsTouchedWithoutTrustOrBrowser();
    void pressesTheFirstBackButton_data();
    void pressesTheFirstBackButton();
    void documentReadSearchesInsteadOfWalking_data();
    void documentReadSearchesInsteadOfWalking();
    void chromiumBackButtonIsKnownByItsViewOrLabel_data();
    void chromiumBackButtonIsKnownByItsViewOrLabel();

private:
    halvex::AXURLReader reader() const
    {
        return halvex::AXURLReader(m_bed->host, m_bed->probe, m_bed->workspace);
    }
    std::optional<QString> read() const { return reader().readURL(Testbed::firefox); }
    std::unique_ptr<Testbed> m_bed;
};

void tst_AXURLReader::readsTheFocusedWindow_data()
{
    QTest::addColumn<QStringList>("window");
    QTest::addColumn<QString>("expected"); // empty: nothing

    QTest::newRow("web area URL") << QStringList{"AXWindow", "  AXGroup",
                                                 "    AXWebArea|url=https://example.com/a?b=1"}
                                  << "https://example.com/a?b=1";
    QTest::newRow("web area URL as text, kept as it is")
        << QStringList{"AXWindow", "  AXWebArea|urlText=example.com/raw path"}
        << "example.com/raw path";
    QTest::newRow("web area before an earlier address field")
        << QStringList{"AXWindow", "  AXTextField|value=other.example|name=field",
                       "  AXWebArea|url=https://page.example/"}
        << "https://page.example/";
    QTest::newRow("web area without URL: its children are searched")
        << QStringList{"AXWindow", "  AXWebArea", "    AXWebArea|url=https://inner.example/"}
        << "https://inner.example/";
    QTest::newRow("first web area depth-first wins")
        << QStringList{"AXWindow", "  AXGroup", "    AXWebArea|url=https://deep.example/",
                       "  AXWebArea|url=https://shallow.example/"}
        << "https://deep.example/";
    QTest::newRow("web area at depth 6")
        << chain(6, "AXWebArea|url=https://six.example/") << "https://six.example/";
    QTest::newRow("web area at depth 7") << chain(7, "AXWebArea|url=https://seven.example/") << "";
    QTest::newRow("roles compare case-sensitively")
        << QStringList{"AXWindow", "  AXwebArea|url=https://example.com/"} << "";
    QTest::newRow("address without scheme gains https")
        << QStringList{"AXWindow", "  AXToolbar", "    AXTextField|value=example.com/path"}
        << "https://example.com/path";
    QTest::newRow("address beginning with http is kept")
        << QStringList{"AXWindow", "  AXTextField|value=http://example.com/x"}
        << "http://example.com/x";
    QTest::newRow("address with a space is none")
        << QStringList{"AXWindow", "  AXTextField|value=search example.com"} << "";
    QTest::newRow("bare word is none")
        << QStringList{"AXWindow", "  AXTextField|value=localhost"} << "";
    QTest::newRow("unsuitable field skipped for a later one")
        << QStringList{"AXWindow", "  AXTextField|value=find me", "  AXGroup",
                       "    AXTextField|value=later.example"}
        << "https://later.example";
    QTest::newRow("address field at depth 6")
        << chain(6, "AXTextField|value=six.example") << "https://six.example";
    QTest::newRow("address field at depth 7") << chain(7, "AXTextField|value=seven.example") << "";
    QStringList crowded{"AXWindow"};
    for (int i = 0; i < halvex::AXURLReader::maximumSearched; ++i)
        crowded << "  AXWebArea";
    QTest::newRow("more pages than a search hands back: the one past them")
        << (crowded << "  AXWebArea|url=https://past.example/") << "https://past.example/";
}

void tst_AXURLReader::readsTheFocusedWindow()
{
    QFETCH(QStringList, window);
    QFETCH(QString, expected);
    const AccessibleElement shown = m_bed->showWindow(window);
    QCOMPARE(read(), expected.isEmpty() ? std::nullopt : std::optional(expected));
    // A web area found leaves the address field unread.
    if (expected.startsWith(QLatin1String("https://page")))
        QVERIFY(!m_bed->host.calls.contains(QStringLiteral("copy /field AXValue")));
    // An application that cannot search its tree is walked, to the same end.
    for (const char *role : {ax::webAreaRole, ax::textFieldRole})
        m_bed->host.fail(shown, QString::fromLatin1(role),
                         AccessibilityError::attributeUnsupported);
    m_bed->host.calls.clear();
    QCOMPARE(read(), expected.isEmpty() ? std::nullopt : std::optional(expected));
    QVERIFY(!m_bed->host.calls.filter(QStringLiteral(" AXChildren")).isEmpty());
}

void tst_AXURLReader::looksAtAFirefoxWindowInAFewCalls_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("inPage");
    QTest::addColumn<bool>("sidePanel"); // with a page of its own, before the tab's
    QTest::addColumn<bool>("named");     // the window names its page in front
    QTest::addColumn<bool>("searches");  // the application searches its own tree
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("mostCalls"); // -1: a walk
    const QString page = QStringLiteral("AXWebArea|url=https://front.example/|name=front");
    const QStringList text{"AXGroup", "  AXStaticText", "AXGroup", "  AXLink"};
    const QString front = QStringLiteral("https://front.example/");
    QTest::newRow("the page the window names")
        << page << text << false << true << true << front << 12;
    QTest::newRow("a side panel's page first: still the tab's, which the window names")
        << page << text << true << true << true << front << 12;
    QTest::newRow("none named: the first page searched, the side panel's")
        << page << text << true << false << true << "https://panel.example/" << 12;
    QTest::newRow("none named: the tab's page searched")
        << page << text << false << false << true << front << 12;
    QTest::newRow("the named page without an address: the page in its frame")
        << "AXWebArea|name=front"
        << QStringList{"AXGroup", "  AXWebArea|url=https://framed.example/"} << false << true
        << true << "https://framed.example/" << 20;
    QTest::newRow("no page has an address: the address field")
        << "AXWebArea|name=front" << text << false << true << true << "https://example.com/page"
        << 20;
    QTest::newRow("the application cannot search: walked, to the same page")
        << page << text << false << false << false << front << -1;
}

void tst_AXURLReader::looksAtAFirefoxWindowInAFewCalls()
{
    QFETCH(QString, page);
    QFETCH(QStringList, inPage);
    QFETCH(bool, sidePanel);
    QFETCH(bool, named);
    QFETCH(bool, searches);
    QFETCH(QString, expected);
    QFETCH(int, mostCalls);
    const AccessibleElement window = m_bed->showWindow(firefoxWindow(page, inPage, sidePanel));
    if (named)
        m_bed->host.setAttribute(
            window, QString::fromLatin1(ax::embeddedDocument),
            AccessibleElement{QStringLiteral("fake"), QStringLiteral("/front")});
    if (!searches) {
        for (const char *role : {ax::webAreaRole, ax::textFieldRole})
            m_bed->host.fail(window, QString::fromLatin1(role),
                             AccessibilityError::attributeUnsupported);
    }
    QCOMPARE(read(), std::optional(expected));
    // Trust, the application and its window included.
    const int calls = int(m_bed->host.calls.size());
    if (mostCalls >= 0)
        QVERIFY2(calls <= mostCalls, qPrintable(m_bed->host.calls.join(QLatin1Char('\n'))));
    else // a call or two for each element on the way
        QVERIFY2(calls > 60, qPrintable(QString::number(calls)));
}

void tst_AXURLReader::enhancedModeOnlyWhenNothingIsFound_data()
{
    QTest::addColumn<QStringList>("window");
    QTest::addColumn<bool>("switchesRefused");
    QTest::addColumn<QStringList>("expected");
    const QString focused = QStringLiteral("copy /app AXFocusedWindow");
    // The window found is looked at again, not looked for again.
    const QStringList retry{focused, QStringLiteral("set /app AXEnhancedUserInterface"),
                            QStringLiteral("set /app AXManualAccessibility")};
    QTest::newRow("found at once") << QStringList{"AXWindow", "  AXWebArea|url=https://a.example/"}
                                   << false << QStringList{focused};
    QTest::newRow("nothing found: one retry")
        << QStringList{"AXWindow|name=window", "  AXGroup"} << false << retry;
    QTest::newRow("no window: one retry") << QStringList{} << false << retry + QStringList{focused};
    QTest::newRow("refused switches still retry")
        << QStringList{"AXWindow|name=window"} << true << retry;
}

void tst_AXURLReader::enhancedModeOnlyWhenNothingIsFound()
{
    QFETCH(QStringList, window);
    QFETCH(bool, switchesRefused);
    QFETCH(QStringList, expected);
    if (!window.isEmpty())
        m_bed->showWindow(window);
    if (switchesRefused) {
        for (const char *attribute : {ax::enhancedUserInterface, ax::manualAccessibility})
            m_bed->host.fail(m_bed->browser, QString::fromLatin1(attribute),
                             AccessibilityError::attributeUnsupported);
    }
    read();
    QCOMPARE(m_bed->host.callsOn(m_bed->browser), expected);
    // A retry searches the window it found once more.
    const QString searched = QStringLiteral("search /window AXWebArea");
    QCOMPARE(m_bed->host.calls.count(searched), expected.size() == 3 ? 2 : 0);
    // Nothing remembers the switch: the next read does the same.
    read();
    QCOMPARE(m_bed->host.callsOn(m_bed->browser), expected + expected);
}

void tst_AXURLReader::windowThatAppearsOnTheRetryIsRead()
{
    m_bed->host.onSet = [&](const AccessibleElement &, const QString &attribute) {
        if (attribute == QLatin1String(ax::manualAccessibility))
            m_bed->showWindow({"AXWindow", "  AXWebArea|url=https://late.example/"});
    };
    QCOMPARE(read(), std::optional<QString>("https://late.example/"));
}

void tst_AXURLReader::nothingIsTouchedWithoutTrustOrBrowser_data()
{
    QTest::addColumn<bool>("trusted");
    QTest::addColumn<bool>("running");
    QTest::newRow("not trusted") << false << true;
    QTest::newRow("not running") << true << false;
}

void tst_AXURLReader::nothingIsTouchedWithoutTrustOrBrowser()
{
    QFETCH(bool, trusted);
    QFETCH(bool, running);
    m_bed->host.trusted = trusted;
    if (!running)
        m_bed->workspace.running.clear();
    m_bed->showWindow(
        {"AXWindow", "  AXButton|id=back-button", "  AXWebArea|url=https://a.example/"});
    QCOMPARE(read(), std::nullopt);
    if (!running)
        return;
    QVERIFY(!halvex::pressBackButton(m_bed->host, m_bed->probe, Testbed::browserPid));
    QCOMPARE(m_bed->browserLookups(), 0);
    QVERIFY(m_bed->host.callsOn(m_bed->browser).isEmpty());
}

void tst_AXURLReader::pressesTheFirstBackButton_data()
{
    QTest::addColumn<QStringList>("window");
    QTest::addColumn<QString>("pressed"); // empty: none found
    QTest::addColumn<bool>("pressFails");
    const QString back = QStringLiteral("AXButton|id=back-button|name=back");
    QTest::newRow("in the toolbar")
        << QStringList{"AXWindow", "  AXToolbar", "    AXButton|id=reload-button", "    " + back}
        << "/back" << false;
    QTest::newRow("first depth-first wins")
        << QStringList{"AXWindow", "  AXGroup", "    AXButton|id=back-button|name=deep",
                       "  AXButton|id=back-button|name=shallow"}
        << "/deep" << false;
    QTest::newRow("at depth 6") << chain(6, back) << "/back" << false;
    QTest::newRow("at depth 7") << chain(7, back) << "" << false;
    QTest::newRow("identifier on a group")
        << QStringList{"AXWindow", "  AXGroup|id=back-button"} << "" << false;
    QTest::newRow("identifiers compare case-sensitively")
        << QStringList{"AXWindow", "  AXButton|id=Back-Button"} << "" << false;
    QTest::newRow("press fails: false, nothing logged")
        << QStringList{"AXWindow", "  " + back} << "/back" << true;
    QTest::newRow("no window: false, nothing logged") << QStringList{} << "" << false;
}

void tst_AXURLReader::pressesTheFirstBackButton()
{
    QFETCH(QStringList, window);
    QFETCH(QString, pressed);
    QFETCH(bool, pressFails);
    if (!window.isEmpty())
        m_bed->showWindow(window);
    if (pressFails)
        m_bed->host.fail({QStringLiteral("fake"), pressed}, QString::fromLatin1(ax::press),
                         AccessibilityError::cannotComplete);
    testing::LogCapture log;
    const auto press = [&] {
        return halvex::pressBackButton(m_bed->host, m_bed->probe, Testbed::browserPid);
    };

    QCOMPARE(press(), !pressed.isEmpty() && !pressFails);
    QCOMPARE(m_bed->host.calls.filter(QStringLiteral("perform ")),
             pressed.isEmpty() ? QStringList() : QStringList{"perform " + pressed + " AXPress"});
    // Said once for each call that finds no button in a window.
    QVERIFY(!press() || !pressed.isEmpty());
    const QStringList expectedLog =
        pressed.isEmpty() && !window.isEmpty() ? QStringList{notFound, notFound} : QStringList();
    QCOMPARE(log.messages(QStringLiteral("com.fennimar.halvex.triggers")), expectedLog);
}

void tst_AXURLReader::documentReadSearchesInsteadOfWalking_data()
{
    QTest::addColumn<QStringList>("window");
    QTest::addColumn<QString>("expected"); // empty: nothing
    QTest::newRow("a page deeper than a walk goes")
        << chain(9, "AXWebArea|urlText=https://deep.example/") << "https://deep.example/";
    QTest::newRow("panels without an address are passed over")
        << QStringList{"AXWindow", "  AXWebArea", "  AXGroup",
                       "    AXWebArea|url=https://page.example/"}
        << "https://page.example/";
    QTest::newRow("no more pages than the limit are looked at")
        << QStringList{"AXWindow",    "  AXWebArea", "  AXWebArea",
                       "  AXWebArea", "  AXWebArea", "  AXWebArea|url=https://fifth.example/"}
        << "";
    // A page whose tree was never built, as Chromium leaves a popup's when busy.
    QTest::newRow("no page has an address: the field the user is not typing in is read")
        << QStringList{"AXWindow", "  AXTextField|value=example.com/path|focused=false",
                       "  AXWebArea"}
        << "https://example.com/path";
    QTest::newRow("a page's address comes before the field's")
        << QStringList{"AXWindow", "  AXTextField|value=typed.example|focused=false",
                       "  AXWebArea|url=https://page.example/"}
        << "https://page.example/";
    QTest::newRow("the field the user types in is not read")
        << QStringList{"AXWindow", "  AXTextField|value=example.com/path|focused=true",
                       "  AXWebArea"}
        << "";
    QTest::newRow("a field that does not say where the focus is is not read")
        << QStringList{"AXWindow", "  AXTextField|value=example.com/path"} << "";
}

void tst_AXURLReader::documentReadSearchesInsteadOfWalking()
{
    QFETCH(QStringList, window);
    QFETCH(QString, expected);
    m_bed->showWindow(window);
    QCOMPARE(reader().readDocumentURL(Testbed::firefox),
             expected.isEmpty() ? std::nullopt : std::optional(expected));
    QVERIFY(m_bed->host.calls.filter(QStringLiteral(" AXChildren")).isEmpty());
    const QString focused = QStringLiteral("copy /app AXFocusedWindow");
    const QStringList retry{focused, QStringLiteral("set /app AXEnhancedUserInterface"),
                            QStringLiteral("set /app AXManualAccessibility")};
    QCOMPARE(m_bed->host.callsOn(m_bed->browser),
             expected.isEmpty() ? retry : QStringList{focused});
}

void tst_AXURLReader::chromiumBackButtonIsKnownByItsViewOrLabel_data()
{
    QTest::addColumn<QStringList>("toolbar");
    QTest::addColumn<QString>("pressed"); // empty: none found
    QTest::newRow("labelled Back, after the window's own buttons")
        << QStringList{"    AXButton|title=Minimize", "    AXButton|title=Back|name=back",
                       "    AXButton|title=Forward"}
        << "/back";
    QTest::newRow("its view's id, whatever the label")
        << QStringList{"    AXButton|title=Zurück", "    AXButton|id=view_1001|name=back"}
        << "/back";
    QTest::newRow("deeper than a walk goes: searched")
        << chain(8, "AXButton|id=view_1001|name=back").mid(1) << "/back";
    QTest::newRow("labels compare case-sensitively")
        << QStringList{"    AXButton|title=back|name=lower"} << "";
    QTest::newRow("Firefox's identifier is not Chromium's look")
        << QStringList{"    AXButton|id=back-button|name=firefox"} << "";
}

void tst_AXURLReader::chromiumBackButtonIsKnownByItsViewOrLabel()
{
    QFETCH(QStringList, toolbar);
    QFETCH(QString, pressed);
    m_bed->showWindow(QStringList{"AXWindow", "  AXToolbar"} + toolbar);
    QCOMPARE(halvex::pressBackButton(m_bed->host, m_bed->probe, Testbed::browserPid,
                                     halvex::BackButtonLook::chromium()),
             !pressed.isEmpty());
    QCOMPARE(m_bed->host.calls.filter(QStringLiteral("perform ")),
             pressed.isEmpty() ? QStringList() : QStringList{"perform " + pressed + " AXPress"});
}

QTEST_GUILESS_MAIN(tst_AXURLReader)
#include "tst_AXURLReader.moc"
