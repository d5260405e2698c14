#include <functional>

#include <QFile>
#include <QTest>

#include "SettingsFixture.h"
#include "settings/GeneralLoginItemCard.h"
#include "settings/GeneralTab.h"
#include "ui/KitLabel.h"
#include "ui/SecondaryButton.h"
#include "ui/ToggleRow.h"
#include "ui/ToggleSwitch.h"

using namespace halvex;
using platform::LoginItemStatus;

Q_DECLARE_METATYPE(LoginItemStatus)

namespace {

ToggleSwitch *toggle(QWidget *tab, const QString &name)
{
    return tab->findChild<ToggleSwitch *>(name);
}

} // namespace

class tst_GeneralTab : public QObject {
    Q_OBJECT

    QTemporaryDir m_config;
    std::unique_ptr<settingstest::SettingsFixture> f;

private slots:
    void initTestCase()
    {
        // Where the session looks for autostart entries.
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    }
    void init() { f = std::make_unique<settingstest::SettingsFixture>(); }
    void cleanup() { f.reset(); }

    void showsOnlyItsHeadingWithoutARecord()
    {
        GeneralTab tab(f->dependencies());
        QVERIFY(toggle(&tab, "settings.general.notificationSound"));
        f->store.context().remove(f->settings());
        QVERIFY(f->store.save());
        QTRY_VERIFY(!toggle(&tab, "settings.general.notificationSound"));
        QVERIFY(!tab.findChild<MenuPicker *>("settings.appearance.theme"));
        QCOMPARE(tab.heading()->text(), QString("General"));

        f->settings(); // made anew, as start-up would
        QVERIFY(toggle(&tab, "settings.general.notificationSound"));
        QVERIFY(tab.findChild<MenuPicker *>("settings.appearance.theme"));
    }

    void switchesReachTheRecordAndReplan_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("beforePrune");
        QTest::addColumn<QStringList>("replanned");
        QTest::newRow("notification sound")
            << "settings.general.notificationSound" << QStringList{"prune a,b,c"}
            << QStringList{"prune a,b,c", "schedule a", "schedule b", "schedule c", "digest"};
        QTest::newRow("weekly recap")
            << "settings.general.weeklyDigest" << QStringList{"digest"} << QStringList{"digest"};
    }
    void switchesReachTheRecordAndReplan()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, beforePrune);
        QFETCH(QStringList, replanned);
        const bool sound = name.endsWith("Sound");
        const auto stored = [&, settings = f->settings()] {
            return sound ? settings->notificationSoundEnabled() : settings->weeklyDigestEnabled();
        };
        auto tab = std::make_unique<GeneralTab>(f->dependencies());
        ToggleSwitch *control = toggle(tab.get(), name);
        QVERIFY(control->isChecked()); // on in a new record

        QTest::mouseClick(control, Qt::LeftButton);
        QCOMPARE(stored(), false);
        QVERIFY(!f->store.context().hasChanges());
        // Each step waits for the one before; closing the window stops none.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(f->replanned, beforePrune);
        tab.reset();
        f->finishPrune();
        QTRY_COMPARE(f->replanned, replanned);

        // The switch shows what the record holds, whoever wrote it.
        tab = std::make_unique<GeneralTab>(f->dependencies());
        QVERIFY(!toggle(tab.get(), name)->isChecked());
        std::invoke(sound ? &AppSettings::setNotificationSoundEnabled
                          : &AppSettings::setWeeklyDigestEnabled,
                    *f->settings(), true);
        QVERIFY(toggle(tab.get(), name)->isChecked());
    }

    void pickersShowTheStoredChoice_data()
    {
        QTest::addColumn<QString>("themeRaw");
        QTest::addColumn<QString>("languageRaw");
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("language");
        QTest::newRow("chosen") << "dark"
                                << "ja"
                                << "dark"
                                << "ja";
        QTest::newRow("unknown and empty") << "sepia"
                                           << ""
                                           << "auto"
                                           << "system";
        QTest::newRow("an unsupported language") << "light"
                                                 << "pt"
                                                 << "light"
                                                 << "system";
    }
    void pickersShowTheStoredChoice()
    {
        QFETCH(QString, themeRaw);
        QFETCH(QString, languageRaw);
        auto settings = f->settings();
        settings->setThemeRaw(themeRaw);
        settings->setLanguageRaw(languageRaw);
        GeneralTab tab(f->dependencies());
        QTEST(tab.findChild<MenuPicker *>("settings.appearance.theme")->currentValue(), "theme");
        QTEST(tab.findChild<MenuPicker *>("settings.appearance.language")->currentValue(),
              "language");
        QCOMPARE(settings->themeRaw(), themeRaw); // untouched until the user picks
        QCOMPARE(settings->languageRaw(), languageRaw);
    }

    void pickersApplyAtOnce()
    {
        GeneralTab tab(f->dependencies());
        auto settings = f->settings();
        QVERIFY(
            settingstest::pick(tab.findChild<MenuPicker *>("settings.appearance.theme"), "dark"));
        QCOMPARE(settings->themeRaw(), QString("dark"));
        QCOMPARE(f->theme.appearance(), Appearance::dark);

        QVERIFY(
            settingstest::pick(tab.findChild<MenuPicker *>("settings.appearance.language"), "de"));
        QCOMPARE(settings->languageRaw(), QString("de"));
        QVERIFY(!f->store.context().hasChanges());
        QCOMPARE(f->translations.languageCode(), QString("de"));
        QTRY_COMPARE(tab.heading()->text(), QString("Allgemein"));
        QCOMPARE(tab.findChild<ToggleSwitch *>("settings.general.weeklyDigest")->accessibleName(),
                 QString("Wochenrückblick"));
    }

    void loginSwitchWritesTheAutostartEntry()
    {
        fennimar::AutostartBackend session; // this program's entry, under XDG_CONFIG_HOME
        const QString entry =
            m_config.filePath("autostart/" + QCoreApplication::applicationName() + ".desktop");
        const SettingsDependencies dependencies = f->dependencies(f->store.persistence, session);
        GeneralTab tab(dependencies);
        ToggleSwitch *control = toggle(&tab, "settings.general.loginItem");
        QVERIFY(!control->isChecked());

        QTest::mouseClick(control, Qt::LeftButton);
        QVERIFY(QFile::exists(entry));
        QVERIFY(f->settings()->loginItemEnabled());
        QTest::mouseClick(control, Qt::LeftButton);
        QVERIFY(!QFile::exists(entry));
        QVERIFY(!f->settings()->loginItemEnabled());
        QVERIFY(!tab.findChild<KitLabel *>("settings.general.loginItem.error")->isVisibleTo(&tab));
    }

    void loginSwitchShowsWhatTheSessionDoes_data()
    {
        QTest::addColumn<bool>("storedBefore");
        QTest::addColumn<LoginItemStatus>("sessionStatus");
        QTest::addColumn<int>("errorCode");
        QTest::addColumn<bool>("storedAfter");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("offersSettings");
        QTest::newRow("waiting for approval")
            << false << LoginItemStatus::requiresApproval << 1 << true
            << "Allow Halvex in your desktop's Startup Applications settings to finish turning "
               "this on."
            << true;
        QTest::newRow("failing to turn on")
            << false << LoginItemStatus::notRegistered << 3 << false
            << "Couldn't change whether Halvex opens at login." << false;
        QTest::newRow("failing to turn off what is on")
            << true << LoginItemStatus::enabled << 3 << true
            << "Couldn't change whether Halvex opens at login." << false;
        QTest::newRow("turning off what is not on")
            << true << LoginItemStatus::notRegistered << 3 << false << QString() << false;
    }
    void loginSwitchShowsWhatTheSessionDoes()
    {
        QFETCH(bool, storedBefore);
        QFETCH(LoginItemStatus, sessionStatus);
        QFETCH(int, errorCode);
        QFETCH(bool, storedAfter);
        QFETCH(QString, message);
        f->settings()->setLoginItemEnabled(storedBefore);
        f->sessionItem->current = sessionStatus;
        f->sessionItem->failure = platform::LoginItemError{errorCode, "disk full"};
        GeneralTab tab(f->dependencies());
        ToggleSwitch *control = toggle(&tab, "settings.general.loginItem");
        auto *error = tab.findChild<KitLabel *>("settings.general.loginItem.error");
        auto *openSettings =
            tab.findChild<SecondaryButton *>("settings.general.loginItem.openLoginItems");

        QTest::mouseClick(control, Qt::LeftButton);
        QCOMPARE(f->settings()->loginItemEnabled(), storedAfter);
        QCOMPARE(control->isChecked(), storedAfter);
        QCOMPARE(error->isVisibleTo(&tab), !message.isEmpty());
        QCOMPARE(error->isVisibleTo(&tab) ? error->text() : QString(), message);
        QTEST(openSettings->isVisibleTo(&tab), "offersSettings");

        // A later change that works clears both.
        f->sessionItem->failure.reset();
        QTest::mouseClick(control, Qt::LeftButton);
        QCOMPARE(f->settings()->loginItemEnabled(), !storedAfter);
        QVERIFY(!error->isVisibleTo(&tab));
        QVERIFY(!openSettings->isVisibleTo(&tab));
    }

    void pendingSwitchOnlyRecordsTheWish()
    {
        bool pending = false;
        GeneralLoginItemCard card(f->settings(), f->store.context(), f->loginItem,
                                  "onboarding.preferences",
                                  GeneralLoginItemCard::PendingBinding{
                                      [&] { return pending; }, [&](bool on) { pending = on; }});
        QTest::mouseClick(card.findChild<ToggleSwitch *>("onboarding.preferences.loginItem"),
                          Qt::LeftButton);
        QVERIFY(pending);
        QVERIFY(f->sessionItem->calls.isEmpty());
        QVERIFY(!f->settings()->loginItemEnabled());
    }
};

QTEST_MAIN(tst_GeneralTab)
#include "tst_GeneralTab.moc"
