#include <csignal>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>

#include "DesktopHarness.h"
#include "platform/AtspiAccessibilityHost.h"
#include "platform/X11FrontWindowSource.h"

using platform::AccessibilityError;
using platform::AccessibleElement;
namespace ax = platform::ax;

namespace {
const char *showWindowArgument = "--show-window";
const QString startAddress = QStringLiteral("example.org/start");
const QString pressedAddress = QStringLiteral("example.org/pressed");
} // namespace

class tst_AtspiAccessibilityHost : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void trustIsTheDesktopSwitch();
    void readsAndPressesInAnotherApplication();
    void searchesAndAsksForTheFullTree();
    void errorsTellWhatWentWrong();
    void stoppedApplicationTimesOutAndComesBack();

private:
    void setSwitch(bool on);
    std::optional<QString> text(const AccessibleElement &element, const char *attribute);
    // Depth-first, the first element with the role.
    std::optional<AccessibleElement> find(const AccessibleElement &from, const char *role,
                                          int depth = 0);

    testing::DesktopHarness m_desktop;
    std::unique_ptr<platform::X11FrontWindowSource> m_frontWindows;
    std::unique_ptr<platform::AtspiAccessibilityHost> m_host;
    QProcess *m_window = nullptr;
    AccessibleElement m_application;
};

void tst_AtspiAccessibilityHost::initTestCase()
{
    for (const QString &why : {m_desktop.startAccessibilityBus(), m_desktop.startWindowManager()})
        QVERIFY2(why.isEmpty(), qPrintable(why));
    m_frontWindows = std::make_unique<platform::X11FrontWindowSource>();
    m_host = std::make_unique<platform::AtspiAccessibilityHost>(
        *m_frontWindows, QDBusConnection::sessionBus(), std::chrono::milliseconds(300));
}

void tst_AtspiAccessibilityHost::cleanupTestCase()
{
    // Never leave it stopped.
    if (m_window && m_window->state() != QProcess::NotRunning)
        ::kill(pid_t(m_window->processId()), SIGCONT);
}

void tst_AtspiAccessibilityHost::setSwitch(bool on)
{
    QDBusMessage set = QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus",
                                                      "org.freedesktop.DBus.Properties", "Set");
    set << QStringLiteral("org.a11y.Status") << QStringLiteral("IsEnabled")
        << QVariant::fromValue(QDBusVariant(on));
    QCOMPARE(QDBusConnection::sessionBus().call(set).type(), QDBusMessage::ReplyMessage);
}

std::optional<QString> tst_AtspiAccessibilityHost::text(const AccessibleElement &element,
                                                        const char *attribute)
{
    const auto value = m_host->copyAttributeValue(element, QString::fromLatin1(attribute));
    if (!value || !std::holds_alternative<QString>(value.value()))
        return std::nullopt;
    return std::get<QString>(value.value());
}

std::optional<AccessibleElement> tst_AtspiAccessibilityHost::find(const AccessibleElement &from,
                                                                  const char *role, int depth)
{
    if (text(from, ax::role) == QLatin1String(role))
        return from;
    const auto children = m_host->copyAttributeValue(from, QString::fromLatin1(ax::children));
    if (depth > 8 || !children)
        return std::nullopt;
    for (const AccessibleElement &child : std::get<QList<AccessibleElement>>(children.value())) {
        if (auto found = find(child, role, depth + 1))
            return found;
    }
    return std::nullopt;
}

void tst_AtspiAccessibilityHost::trustIsTheDesktopSwitch()
{
    setSwitch(false);
    QVERIFY(!m_host->isProcessTrusted());
    QVERIFY(m_host->requestProcessTrust());
    QVERIFY(m_host->isProcessTrusted());

    // The registry answers for the desktop, and answers a live call.
    const std::optional<qint32> reference = m_host->referenceProcessIdentifier();
    QVERIFY(reference && *reference != qint32(QCoreApplication::applicationPid()));
    const AccessibleElement desktop = m_host->applicationElement(*reference);
    QVERIFY(m_host->copyAttributeValue(desktop, QString::fromLatin1(ax::role)).hasValue());
}

void tst_AtspiAccessibilityHost::readsAndPressesInAnotherApplication()
{
    QProcessEnvironment always;
    always.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    m_window = m_desktop.launch(QCoreApplication::applicationFilePath(),
                                {QString::fromLatin1(showWindowArgument)}, always);
    QVERIFY(m_window);
    const qint32 pid = qint32(m_window->processId());
    QTRY_VERIFY_WITH_TIMEOUT(!(m_application = m_host->applicationElement(pid)).isNull(), 15000);
    QCOMPARE(text(m_application, ax::role), QString::fromLatin1(ax::applicationRole));

    QTRY_VERIFY_WITH_TIMEOUT(
        m_host->copyAttributeValue(m_application, QString::fromLatin1(ax::focusedWindow)), 15000);
    const auto window = std::get<AccessibleElement>(
        m_host->copyAttributeValue(m_application, QString::fromLatin1(ax::focusedWindow)).value());
    QCOMPARE(text(window, ax::role), QString::fromLatin1(ax::windowRole));
    QCOMPARE(text(window, ax::title), QStringLiteral("address window"));

    const auto field = find(window, ax::textFieldRole);
    const auto button = find(window, ax::buttonRole);
    QVERIFY(field && button);
    QCOMPARE(text(*field, ax::value), startAddress);
    QCOMPARE(text(*button, ax::title), QStringLiteral("Back"));

    // Each element names what holds it, up to the window; a window that
    // shows no page names none in front.
    const auto above = [&](const AccessibleElement &element) {
        const auto value = m_host->copyAttributeValue(element, QString::fromLatin1(ax::parent));
        return value ? std::get<AccessibleElement>(value.value()) : AccessibleElement();
    };
    AccessibleElement up = *field;
    for (int steps = 0; steps < 8 && !up.isNull() && up != window; ++steps)
        up = above(up);
    QCOMPARE(up, window);
    QCOMPARE(above(window), m_application);
    const auto shown =
        m_host->copyAttributeValue(window, QString::fromLatin1(ax::embeddedDocument));
    QVERIFY(!shown);
    QCOMPARE(shown.error(), AccessibilityError::noValue);

    QVERIFY(m_host->performAction(*button, QString::fromLatin1(ax::press)).hasValue());
    QTRY_COMPARE_WITH_TIMEOUT(text(*field, ax::value), std::optional(pressedAddress), 10000);

    // A greyed-out button cannot act; the strip of tabs tells how many it holds.
    const auto enabled = [&](const AccessibleElement &element) {
        const auto value = m_host->copyAttributeValue(element, QString::fromLatin1(ax::enabled));
        return value ? std::optional(std::get<bool>(value.value())) : std::nullopt;
    };
    const auto buttons = m_host->findDescendants(window, QString::fromLatin1(ax::buttonRole), 2);
    QVERIFY(buttons && buttons->size() == 2);
    QCOMPARE(text(buttons->at(1), ax::title), QStringLiteral("Forward"));
    QCOMPARE(enabled(*button), std::optional(true));
    QCOMPARE(enabled(buttons->at(1)), std::optional(false));
    const auto strips = m_host->findDescendants(window, QString::fromLatin1(ax::tabGroupRole), 1);
    QVERIFY(strips && strips->size() == 1);
    QCOMPARE(text(strips->first(), ax::role), QString::fromLatin1(ax::tabGroupRole));
    const auto tabs = m_host->copyAttributeValue(strips->first(), QString::fromLatin1(ax::tabs));
    QVERIFY(tabs);
    QCOMPARE(std::get<QList<AccessibleElement>>(tabs.value()).size(), 3);
}

void tst_AtspiAccessibilityHost::searchesAndAsksForTheFullTree()
{
    QVERIFY(!m_application.isNull());
    const auto window = std::get<AccessibleElement>(
        m_host->copyAttributeValue(m_application, QString::fromLatin1(ax::focusedWindow)).value());
    const auto search = [&](const char *role, int limit) {
        const auto found = m_host->findDescendants(window, QString::fromLatin1(role), limit);
        return found ? found.value() : QList<AccessibleElement>{{"failed", "/"}};
    };
    // This toolkit cannot search itself: the host walks, to the same end.
    QCOMPARE(search(ax::buttonRole, 1), QList<AccessibleElement>{*find(window, ax::buttonRole)});
    QCOMPARE(search(ax::textFieldRole, 4),
             QList<AccessibleElement>{*find(window, ax::textFieldRole)});
    QCOMPARE(search(ax::webAreaRole, 4), QList<AccessibleElement>());
    QCOMPARE(search(ax::buttonRole, 0), QList<AccessibleElement>());

    const auto set = [&](const char *attribute, platform::AccessibilityValue value) {
        const auto done =
            m_host->setAttributeValue(m_application, QString::fromLatin1(attribute), value);
        return done ? std::nullopt : std::optional(done.error());
    };
    QCOMPARE(set(ax::manualAccessibility, true), std::nullopt);
    QCOMPARE(set(ax::manualAccessibility, QStringLiteral("yes")),
             AccessibilityError::illegalArgument);
    QCOMPARE(set(ax::enhancedUserInterface, true), AccessibilityError::attributeUnsupported);
}

void tst_AtspiAccessibilityHost::errorsTellWhatWentWrong()
{
    QVERIFY(!m_application.isNull());
    const auto error = [&](const AccessibleElement &element, const char *attribute) {
        const auto value = m_host->copyAttributeValue(element, QString::fromLatin1(attribute));
        return value ? std::nullopt : std::optional(value.error());
    };
    // The bus launcher has no tree.
    const AccessibleElement none =
        m_host->applicationElement(qint32(m_desktop.accessibilityLauncherProcessIdentifier()));
    QVERIFY(none.isNull());
    QCOMPARE(error(none, ax::role), AccessibilityError::invalidElement);
    QCOMPARE(error(m_application, "AXSelectedText"), AccessibilityError::attributeUnsupported);
    QCOMPARE(error(m_application, ax::url), AccessibilityError::attributeUnsupported);
    const auto press = m_host->performAction(m_application, QString::fromLatin1(ax::press));
    QCOMPARE(press ? std::nullopt : std::optional(press.error()),
             AccessibilityError::actionUnsupported);

    // With the switch off nothing gets through; back on, all is as before.
    setSwitch(false);
    QVERIFY(!m_host->isProcessTrusted());
    QCOMPARE(error(m_application, ax::role), AccessibilityError::apiDisabled);
    QVERIFY(m_host->requestProcessTrust());
    QCOMPARE(text(m_application, ax::role), QString::fromLatin1(ax::applicationRole));
}

void tst_AtspiAccessibilityHost::stoppedApplicationTimesOutAndComesBack()
{
    const pid_t pid = pid_t(m_window->processId());
    QCOMPARE(::kill(pid, SIGSTOP), 0);
    const auto stalled = m_host->copyAttributeValue(m_application, QString::fromLatin1(ax::role));
    QCOMPARE(::kill(pid, SIGCONT), 0);
    QVERIFY(!stalled);
    QCOMPARE(stalled.error(), AccessibilityError::cannotComplete);
    QTRY_COMPARE_WITH_TIMEOUT(text(m_application, ax::role),
                              std::optional(QString::fromLatin1(ax::applicationRole)), 10000);
}

// With --show-window the executable is the application under test: a window
// with an address field and a button that changes it.
int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], showWindowArgument) == 0) {
        QApplication app(argc, argv);
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("address window"));
        auto *content = new QWidget;
        auto *layout = new QVBoxLayout(content);
        auto *address = new QLineEdit(startAddress);
        auto *back = new QPushButton(QStringLiteral("Back"));
        auto *forward = new QPushButton(QStringLiteral("Forward"));
        forward->setEnabled(false);
        auto *tabs = new QTabBar;
        for (const char *tab : {"one", "two", "three"})
            tabs->addTab(QString::fromLatin1(tab));
        layout->addWidget(address);
        layout->addWidget(back);
        layout->addWidget(forward);
        layout->addWidget(tabs);
        window.setCentralWidget(content);
        QObject::connect(back, &QPushButton::clicked, address,
                         [address] { address->setText(pressedAddress); });
        window.show();
        window.activateWindow();
        return app.exec();
    }
    return testing::DesktopHarness::run<tst_AtspiAccessibilityHost>(argc, argv);
}

#include "tst_AtspiAccessibilityHost.moc"
