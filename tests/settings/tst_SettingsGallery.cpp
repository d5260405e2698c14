// Renders the settings window on each section in both themes to PNG files
// for people to look at: under $HALVEX_SCREENSHOT_DIR when set, else a
// temporary folder.
#include <functional>
#include <set>

#include <QTest>

#include "SettingsFixture.h"
#include "UiTestSupport.h"
#include "settings/SettingsWindow.h"
#include "ui/Color.h"
#include "ui/ToggleSwitch.h"

using namespace halvex;

using Setup = std::function<void(settingstest::SettingsFixture &, QWidget *window)>;
Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(SettingsTab)

class tst_SettingsGallery : public QObject {
    Q_OBJECT

    QTemporaryDir m_temp;
    QString m_dir;

private slots:
    void initTestCase()
    {
        m_dir = qEnvironmentVariable("HALVEX_SCREENSHOT_DIR");
        if (m_dir.isEmpty())
            m_dir = m_temp.path();
        QVERIFY(QDir().mkpath(m_dir));
    }

    void section_data()
    {
        QTest::addColumn<SettingsTab>("tab");
        QTest::addColumn<QString>("language");
        QTest::addColumn<Setup>("setup");
        const Setup nothing = [](auto &, QWidget *) {};
        QTest::newRow("general") << SettingsTab::general << "en" << nothing;
        QTest::newRow("permissions") << SettingsTab::permissions << "en" << nothing;
        QTest::newRow("about") << SettingsTab::about << "en" << nothing;
        QTest::newRow("about-available")
            << SettingsTab::about << "en" << Setup([](auto &f, QWidget *) {
                   qputenv(fennimar::UpdateChecker::stubVariable, "available");
                   f.updates.check();
               });
        QTest::newRow("about-checking")
            << SettingsTab::about << "en" << Setup([](auto &f, QWidget *) { f.updates.check(); });
        QTest::newRow("general-login-approval")
            << SettingsTab::general << "en" << Setup([](auto &f, QWidget *window) {
                   f.sessionItem->current = platform::LoginItemStatus::requiresApproval;
                   f.sessionItem->failure = platform::LoginItemError{1, {}};
                   QTest::mouseClick(
                       window->findChild<ToggleSwitch *>("settings.general.loginItem"),
                       Qt::LeftButton);
               });
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
        SettingsWindow::setDependencies(f.dependencies());
        SettingsWindow::show(tab);
        QWidget *window = SettingsWindow::shared()->window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        setup(f, window);
        QCoreApplication::processEvents();

        const QImage light = window->grab().toImage();
        f.settings()->setThemeRaw("dark");
        const QImage dark = window->grab().toImage();
        for (const auto &[name, image] :
             {std::pair{QStringLiteral("light"), light}, std::pair{QStringLiteral("dark"), dark}}) {
            const QString path = m_dir + u"/settings-" +
                                 QString::fromLatin1(QTest::currentDataTag()) + u'-' + name +
                                 u".png";
            QVERIFY2(image.save(path), qPrintable(path));
            std::set<QRgb> colours;
            for (int y = 0; y < image.height(); y += 3)
                for (int x = 0; x < image.width(); x += 3)
                    colours.insert(image.pixel(x, y));
            QVERIFY2(colours.size() > 8, qPrintable(path));
        }
        QCOMPARE_COLOR(light.pixelColor(2, light.height() - 2), Color::background().light());
        QCOMPARE_COLOR(dark.pixelColor(2, dark.height() - 2), Color::background().dark());

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
            const QString path = m_dir + u"/settings-language-menu-" + theme + u".png";
            QVERIFY2(picker->menu()->grab().save(path), qPrintable(path));
            picker->menu()->close();
            QTRY_VERIFY(!picker->menu());
        }
        window->close();
        SettingsWindow::clearDependencies();
    }
};

QTEST_MAIN(tst_SettingsGallery)
#include "tst_SettingsGallery.moc"
