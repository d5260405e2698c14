#include <QFile>
#include <QProcess>
#include <QTest>

#include "FakeKeystrokeSending.h"
#include "LiveBrowserDesk.h"
#include "WaitForValue.h"
#include "browsers/AXURLReader.h"
#include "browsers/AccessibilityAttributes.h"
#include "browsers/FirefoxBridge.h"
#include "platform/AtspiAccessibilityHost.h"
#include "platform/X11Workspace.h"

using halvex::FirefoxBridge;
using halvex::URLReadResult;

namespace {

// Each page moves on to the next once, as if the user had followed a link.
const char *chainedPage = R"(<!doctype html>
<html><head><title>%1</title></head><body><p>%1</p>
<script>
  window.addEventListener('load', () => setTimeout(() => {
    if (!sessionStorage.getItem('%1')) {
      sessionStorage.setItem('%1', 'left');
      location.href = '%2';
    }
  }, 0));
</script></body></html>
)";

template <class T> std::optional<T> waitForResult(QFuture<T> future)
{
    if (!QTest::qWaitFor([&] { return future.isFinished(); }, 10000))
        return std::nullopt;
    return future.result();
}

} // namespace

class tst_FirefoxBridgeLive : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void readsTheAddressOfTheShownPage();
    void theWindowNamesItsPageAndSearchesItself();
    void backButtonStepsBackWhenTheKeystrokeIsRefused();
    void keystrokeStepsBack();
    void closingTheLastTabKeepsTheBrowser();

private:
    QString fetched(FirefoxBridge &bridge);
    QString page(const char *name) const
    {
        return QUrl::fromLocalFile(m_desk.filePath(QString::fromLatin1(name))).toString();
    }

    testing::LiveBrowserDesk m_desk;
    QProcess *m_firefox = nullptr;
    testing::FakeKeystrokeSending m_refusingKeystrokes;
    std::unique_ptr<FirefoxBridge> m_bridge;
    std::unique_ptr<FirefoxBridge> m_bridgeWithoutKeystrokes;
};

void tst_FirefoxBridgeLive::initTestCase()
{
    const QString why = m_desk.start();
    QVERIFY2(why.isEmpty(), qPrintable(why));

    halvex::AccessibilityBridgeServices services = m_desk.bridgeServices();
    m_bridge = std::make_unique<FirefoxBridge>(services);
    m_refusingKeystrokes.accepts = false;
    services.keystrokes = &m_refusingKeystrokes;
    m_bridgeWithoutKeystrokes = std::make_unique<FirefoxBridge>(services);

    // Browsers expose their trees only while the desktop's switch is on.
    QCOMPARE(m_bridge->automationStatus(), fennimar::AutomationStatus::notDetermined);
    QCOMPARE(waitForResult(m_bridge->requestAccess()),
             std::optional(fennimar::AutomationStatus::granted));

    const QList<std::pair<const char *, const char *>> chain = {
        {"first.html", "second.html"}, {"second.html", "third.html"}, {"third.html", ""}};
    for (const auto &[name, next] : chain) {
        QFile file(m_desk.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QString html = QString::fromLatin1(chainedPage)
                                 .arg(QString::fromLatin1(name), QString::fromLatin1(next));
        QVERIFY(file.write(html.toUtf8()) > 0);
    }
    m_firefox = m_desk.startFirefox({page("first.html")});
    QVERIFY(m_firefox);
}

void tst_FirefoxBridgeLive::cleanupTestCase()
{
    // Firefox ends with the desk.
    m_bridge.reset();
    m_bridgeWithoutKeystrokes.reset();
}

QString tst_FirefoxBridgeLive::fetched(FirefoxBridge &bridge)
{
    const std::optional<URLReadResult> result = waitForResult(bridge.fetchURL());
    if (!result || !*result || !result->value())
        return {};
    return result->value()->toString();
}

void tst_FirefoxBridgeLive::readsTheAddressOfTheShownPage()
{
    QTRY_VERIFY_WITH_TIMEOUT(
        m_desk.workspace().runningApplications(m_bridge->bundleIdentifier()).size() == 1,
        testing::LiveBrowserDesk::startTimeoutMs);
    COMPARE_LIVE_READ(fetched(*m_bridge), page("third.html"),
                      testing::LiveBrowserDesk::startTimeoutMs);
}

void tst_FirefoxBridgeLive::theWindowNamesItsPageAndSearchesItself()
{
    // What a look at Firefox rests on: no walk of the window. Its own search
    // finds the page it names, alone on screen, and the address field.
    platform::AccessibilityHost &host = m_desk.host();
    using Elements = QList<platform::AccessibleElement>;
    std::optional<platform::AccessibleElement> window, shown;
    Elements pages, fields;
    // A busy Firefox may name no page for a moment, let a search time out,
    // or put a new page in place of the one named while it lays one out:
    // each look asks all three again, and the one that agrees is checked.
    const auto agree = [&] {
        window = halvex::copyElementAttribute(
            host,
            host.applicationElement(m_desk.processOf(testing::LiveBrowserDesk::Browser::firefox)),
            platform::ax::focusedWindow);
        shown = window ? halvex::copyElementAttribute(host, *window, platform::ax::embeddedDocument)
                       : std::nullopt;
        if (!shown)
            return false;
        const auto search = [&](const char *role, int limit) {
            const auto answer = host.findDescendants(*window, QString::fromLatin1(role), limit);
            return answer ? answer.value() : Elements();
        };
        pages = search(platform::ax::webAreaRole, halvex::AXURLReader::maximumSearched);
        fields = search(platform::ax::textFieldRole, 1);
        return pages == Elements{*shown} && fields.size() == 1;
    };
    QVERIFY2(QTest::qWaitFor(agree, 10000),
             qPrintable(QStringLiteral("for 10 s: window %1, page named %2, %3 pages found of "
                                       "which the named %4, %5 fields found")
                            .arg(window ? "found" : "none", shown ? "yes" : "no")
                            .arg(pages.size())
                            .arg(shown && pages.contains(*shown) ? "is one" : "is none")
                            .arg(fields.size())));
    QCOMPARE(halvex::copyStringAttribute(host, *shown, platform::ax::role),
             QString::fromLatin1(platform::ax::webAreaRole));
    int depth = 0;
    for (auto up = shown; up && *up != *window && depth <= halvex::AXURLReader::maximumDepth;
         ++depth)
        up = halvex::copyElementAttribute(host, *up, platform::ax::parent);
    QVERIFY2(depth <= halvex::AXURLReader::maximumDepth, qPrintable(QString::number(depth)));
    QVERIFY(halvex::copyStringAttribute(host, fields.first(), platform::ax::value)
                .value_or(QString())
                .endsWith(QLatin1String("third.html")));
}

void tst_FirefoxBridgeLive::backButtonStepsBackWhenTheKeystrokeIsRefused()
{
    QCOMPARE(waitForResult(m_bridgeWithoutKeystrokes->goBack()), std::optional(true));
    QCOMPARE(m_refusingKeystrokes.sent.size(), 1);
    COMPARE_LIVE_READ(fetched(*m_bridge), page("second.html"), 10000);
}

void tst_FirefoxBridgeLive::keystrokeStepsBack()
{
    QCOMPARE(waitForResult(m_bridge->goBack()), std::optional(true));
    COMPARE_LIVE_READ(fetched(*m_bridge), page("first.html"), 10000);
}

void tst_FirefoxBridgeLive::closingTheLastTabKeepsTheBrowser()
{
    const auto tabs = [this] { return m_desk.tabCount(qint32(m_firefox->processId())); };
    QCOMPARE(tabs(), 1);
    QCOMPARE(waitForResult(m_bridge->closeTab()), std::optional(true));
    // A new tab in its place, and the browser runs on.
    QCOMPARE(tabs(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!fetched(*m_bridge).isEmpty(), 10000);
    QVERIFY(fetched(*m_bridge) != page("first.html"));
    QCOMPARE(m_firefox->state(), QProcess::Running);
    QCOMPARE(m_desk.workspace().runningApplications(m_bridge->bundleIdentifier()).size(), 1);
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_FirefoxBridgeLive>(argc, argv);
}

#include "tst_FirefoxBridgeLive.moc"
