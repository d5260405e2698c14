// Renders the settings window on each section in both themes to PNG files
// for people to look at: under $HALVEX_SCREENSHOT_DIR (else
// $TMPDIR/halvex-screenshots).
#include <functional>

#include <QTest>

#include "PermissionDesk.h"
#include "Screenshots.h"
#include "SettingsFixture.h"
#include "UiTestSupport.h"
#include "permissions/AutomationBrowserRow.h"
#include "permissions/PermissionStatusCard.h"
#include "settings/PermissionsTab.h"
#include "settings/SettingsWindow.h"
#include "ui/SecondaryButton.h"
#include "ui/Color.h"
#include "ui/ToggleSwitch.h"

using namespace halvex;

using Setup = std::function<void(settingstest::SettingsFixture &, QWidget *window)>;
Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(SettingsTab)

class tst_SettingsGallery : public QObject {
    Q_OBJECT

    // What the Permissions section is built over: Firefox, Chrome and
    // Safari installed, nothing granted.
    std::unique_ptr<testing::PermissionDesk> m_desk;

    // Presses a test button or a card's fix button of the Permissions page.
    static void press(QWidget *window, const QString &name)
    {
        auto *button = window->findChild<SecondaryButton *>(name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void test(QWidget *window, const QString &bundleId)
    {
        for (auto *row : window->findChildren<AutomationBrowserRow *>()) {
            if (row->bundleId() == bundleId)
                QTest::mouseClick(row->testButton(), Qt::LeftButton);
        }
    }

private slots:
    void section_data()
    {
        QTest::addColumn<SettingsTab>("tab");
        QTest::addColumn<QString>("language");
        QTest::addColumn<Setup>("setup");
        const Setup nothing = [](auto &, QWidget *) {};
        QTest::newRow("general") << SettingsTab::general << "en" << nothing;
        QTest::newRow("permissions") << SettingsTab::permissions << "en" << nothing;
        using Desk = testing::PermissionDesk;
        QTest::newRow("permissions-granted")
            << SettingsTab::permissions << "en" << Setup([this](auto &, QWidget *) {
                   m_desk->trusted = true;
                   m_desk->running.add(Desk::safari, 41);
                   m_desk->manager.refresh();
                   m_desk->notificationServer.status =
                       platform::NotificationAuthorizationStatus::authorized;
                   m_desk->notifications.refresh();
                   // The read answers on the next turn; the layout on the one after.
                   for (int i = 0; i < 3; ++i)
                       QCoreApplication::processEvents();
               });
        QTest::newRow("permissions-testing")
            << SettingsTab::permissions << "en" << Setup([this](auto &, QWidget *window) {
                   m_desk->safariProbe->holdAccess = true;
                   test(window, Desk::safari);
                   press(window, "settings.permissions.notifications.action");
               });
        QTest::newRow("permissions-denied")
            << SettingsTab::permissions << "en" << Setup([this](auto &, QWidget *window) {
                   m_desk->firefoxProbe->ownStatus = fennimar::AutomationStatus::denied;
                   press(window, "settings.permissions.accessibility.action");
                   test(window, Desk::firefox);
               });
        const Setup unreadable([this](auto &, QWidget *) {
            m_desk->chromeProbe->unreadable = true;
            m_desk->trusted = true;
            m_desk->manager.refresh();
        });
        QTest::newRow("permissions-unreadable") << SettingsTab::permissions << "en" << unreadable;
        // The status words run longest in French.
        QTest::newRow("permissions-unreadable-fr")
            << SettingsTab::permissions << "fr" << unreadable;
        QTest::newRow("about") << SettingsTab::about << "en" << nothing;
        QTest::newRow("about-available")
            << SettingsTab::about << "en" << Setup([](auto &f, QWidget *) {
                   qputenv(fennimar::UpdateChecker::stubVariable, "available");
                   f.updates.check();
               });
        QTest::newRow("about-checking")
            << SettingsTab::about << "en" << Setup([](auto &f, QWidget *) { f.updates.check(); });
        const Setup loginApproval([](auto &f, QWidget *window) {
            f.sessionItem->current = platform::LoginItemStatus::requiresApproval;
            f.sessionItem->failure = platform::LoginItemError{1, {}};
            QTest::mouseClick(window->findChild<ToggleSwitch *>("settings.general.loginItem"),
                              Qt::LeftButton);
        });
        QTest::newRow("general-login-approval") << SettingsTab::general << "en" << loginApproval;
        QTest::newRow("general-login-approval-fr") << SettingsTab::general << "fr" << loginApproval;
        QTest::newRow("general-de") << SettingsTab::general << "de" << nothing;
        QTest::newRow("about-de") << SettingsTab::about << "de" << nothing;
        QTest::newRow("permissions-de") << SettingsTab::permissions << "de" << nothing;
        QTest::newRow("general-ja") << SettingsTab::general << "ja" << nothing;
        QTest::newRow("about-fr") << SettingsTab::about << "fr" << nothing;
    }
    void section()
    {
        QFETCH(SettingsTab, tab);
        QFETCH(QString, language);
        QFETCH(Setup, setup);
        settingstest::SettingsFixture f;
        f.settings()->setLanguageRaw(language);
        f.settings()->setThemeRaw("auto"); // the desktop is light
        m_desk = std::make_unique<testing::PermissionDesk>();
        m_desk->installed = {testing::PermissionDesk::firefox, testing::PermissionDesk::chrome,
                             testing::PermissionDesk::safari};
        // As the bridges name the browsers installed, before the rows are made.
        m_desk->safariProbe->shownName = QStringLiteral("Safari");
        m_desk->firefoxProbe->shownName = QStringLiteral("Firefox ESR");
        m_desk->firefoxProbe->installedId = QStringLiteral("firefox-esr");
        m_desk->chromeProbe->shownName = QStringLiteral("Chromium");
        m_desk->chromeProbe->installedId = QStringLiteral("chromium");
        SettingsDependencies dependencies = f.dependencies();
        dependencies.permissionsPage = [this] {
            return new PermissionsTab(
                {m_desk->manager, m_desk->probes, m_desk->notifications, m_desk->isInstalled()});
        };
        SettingsWindow::setDependencies(dependencies);
        SettingsWindow::show(tab);
        QWidget *window = SettingsWindow::shared()->window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        setup(f, window);
        QCoreApplication::processEvents();

        // As it opens, then at its smallest, where the sections run out of room.
        for (const QString &size : {QString(), QStringLiteral("-smallest")}) {
            if (!size.isEmpty()) {
                window->resize(window->minimumSize());
                QCoreApplication::processEvents();
            }
            f.settings()->setThemeRaw("auto");
            const QImage light = window->grab().toImage();
            f.settings()->setThemeRaw("dark");
            const QImage dark = window->grab().toImage();
            for (const auto &[name, image] : {std::pair{QStringLiteral("light"), light},
                                              std::pair{QStringLiteral("dark"), dark}}) {
                const QString path = testing::screenshots::save(
                    image, QStringLiteral("settings-") +
                               QString::fromLatin1(QTest::currentDataTag()) + size + u'-' + name);
                QVERIFY2(!path.isEmpty(), QTest::currentDataTag());
                QVERIFY2(testing::screenshots::distinctColours(image, 3) > 8, qPrintable(path));
            }
            QCOMPARE_COLOR(light.pixelColor(2, light.height() - 2), Color::background().light());
            QCOMPARE_COLOR(dark.pixelColor(2, dark.height() - 2), Color::background().dark());
        }
        const QStringList faults = testing::scrollAreaFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

        QPointer<QWidget> closing(window);
        window->close();
        QTRY_VERIFY(!closing);
        SettingsWindow::clearDependencies();
        qunsetenv(fennimar::UpdateChecker::stubVariable);
    }

    void pickerMenu()
    {
        settingstest::SettingsFixture f;
        SettingsWindow::setDependencies(f.dependencies());
        SettingsWindow::show(SettingsTab::general);
        QWidget *window = SettingsWindow::shared()->window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *picker = window->findChild<MenuPicker *>("settings.appearance.language");
        for (const char *theme : {"light", "dark"}) {
            f.settings()->setThemeRaw(theme);
            picker->openMenu();
            QVERIFY(QTest::qWaitForWindowExposed(picker->menu()));
            QVERIFY(!testing::screenshots::save(picker->menu()->grab().toImage(),
                                                QStringLiteral("settings-language-menu-") + theme)
                         .isEmpty());
            picker->menu()->close();
            QTRY_VERIFY(!picker->menu());
        }
        window->close();
        SettingsWindow::clearDependencies();
    }
};

QTEST_MAIN(tst_SettingsGallery)
#include "tst_SettingsGallery.moc"
