#include <QTest>

#include "SettingsFixture.h"
#include "kit/DistributionChannel.h"
#include "kit/LegalLinks.h"
#include "settings/AboutTab.h"
#include "ui/ActivityIndicator.h"
#include "ui/KitLabel.h"
#include "ui/PrimaryButton.h"
#include "ui/SecondaryButton.h"

using namespace halvex;
using fennimar::LegalLinks;
using fennimar::UpdateChecker;

class tst_AboutTab : public QObject {
    Q_OBJECT

    std::unique_ptr<settingstest::SettingsFixture> f;
    std::unique_ptr<AboutTab> tab;

    // What the update row shows: the status line, then each visible control.
    QStringList updateRow() const
    {
        QStringList shown{tab->updateStatusLine()->text()};
        if (tab->progress()->isVisibleTo(tab.get()))
            shown << "progress";
        for (ButtonBase *button : {static_cast<ButtonBase *>(tab->checkButton()),
                                   static_cast<ButtonBase *>(tab->installButton())}) {
            if (button->isVisibleTo(tab.get()))
                shown << button->text() + (button->isEnabled() ? "" : " (disabled)") + " #" +
                             button->objectName();
        }
        return shown;
    }

private slots:
    void init()
    {
        f = std::make_unique<settingstest::SettingsFixture>();
        tab = std::make_unique<AboutTab>(f->updates, f->workspace);
        tab->resize(600, 700);
        tab->show();
    }
    void cleanup()
    {
        tab.reset();
        f.reset();
        qunsetenv(UpdateChecker::stubVariable);
    }

    void saysWhoItIs()
    {
        QCOMPARE(tab->versionLine()->text(), QString("Version 1.0.0"));
        QVERIFY(tab->versionLine()->textInteractionFlags() & Qt::TextSelectableByMouse);
        QCOMPARE(tab->heading()->text(), QString("About"));
    }

    void showsEachUpdateState_data()
    {
        QTest::addColumn<QByteArray>("stub");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("checking") << QByteArray()
                                  << QStringList{
                                         "Checking for updates…", "progress",
                                         "Check now (disabled) #settings.about.checkUpdates"};
        QTest::newRow("up to date") << QByteArray("none")
                                    << QStringList{"Halvex 1.0.0 is the newest version.",
                                                   "Check now #settings.about.checkUpdates"};
        QTest::newRow("available")
            << QByteArray("available")
            << QStringList{"Version 1.0.0 is available.", "Install #settings.about.installUpdate"};
        QTest::newRow("failed") << QByteArray("failed")
                                << QStringList{"Couldn't check for updates. Your package manager "
                                               "brings new versions.",
                                               "Retry #"};
    }
    void showsEachUpdateState()
    {
        QFETCH(QByteArray, stub);
        // Nothing checks by itself.
        QCOMPARE(updateRow(), (QStringList{"See whether a newer version is out.",
                                           "Check now #settings.about.checkUpdates"}));
        if (!stub.isEmpty())
            qputenv(UpdateChecker::stubVariable, stub);
        QTest::mouseClick(tab->checkButton(), Qt::LeftButton);
        QTEST(updateRow(), "shown");
        QTest::mouseClick(tab->checkButton(), Qt::LeftButton); // no second check while one runs
        QCOMPARE(f->probing.probes, stub.isEmpty() ? 1 : 0);
    }

    void installHandsOverToTheUpdater()
    {
        qputenv(UpdateChecker::stubVariable, "available");
        f->updates.check();
        QTest::mouseClick(tab->installButton(), Qt::LeftButton);
        QCOMPARE(f->probing.updaterShown, 1);
        QCOMPARE(updateRow(), (QStringList{"See whether a newer version is out.",
                                           "Check now #settings.about.checkUpdates"}));
    }

    void leavingAbandonsACheck()
    {
        f->updates.check();
        QCOMPARE(f->updates.state(), UpdateChecker::State::checking());
        tab->hide();
        QCOMPARE(f->updates.state(), UpdateChecker::State::idle());
        QVERIFY(!f->probing.pending);
    }

    void linksOpenTheirAddresses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QUrl>("destination");
        QTest::addColumn<QString>("title");
        QTest::newRow("website") << "settings.about.link.website" << LegalLinks::appPage("halvex")
                                 << "Website";
        QTest::newRow("privacy") << "settings.about.link.privacy" << LegalLinks::privacy()
                                 << "Privacy policy";
        QTest::newRow("terms") << "settings.about.link.terms" << LegalLinks::terms()
                               << "Terms of service";
        QTest::newRow("support") << "settings.about.link.support" << LegalLinks::supportMail()
                                 << "Email support (" + LegalLinks::supportAddress() + ")";
        QTest::newRow("feedback") << "settings.about.link.feedback"
                                  << LegalLinks::feedback("halvex", "1.0.0",
                                                          fennimar::currentDistributionChannel())
                                  << "Send feedback";
        QTest::newRow("tip") << "settings.about.link.tip" << fennimar::TipJar::url()
                             << "Buy me a coffee";
        QTest::newRow("more apps")
            << "settings.about.link.more_apps" << LegalLinks::moreApps() << "More apps";
    }
    void linksOpenTheirAddresses()
    {
        QFETCH(QString, name);
        auto *row = tab->findChild<AboutLinkRow *>(name);
        QVERIFY(row);
        QTEST(row->text(), "title");
        QTest::mouseClick(row, Qt::LeftButton);
        QTEST(f->workspace.openedUrls.value(0), "destination");
        QCOMPARE(f->workspace.openedUrls.size(), 1);
        QCOMPARE(f->backend.requests().size(), 0); // only the sidebar's tip row counts
    }
};

QTEST_MAIN(tst_AboutTab)
#include "tst_AboutTab.moc"
