#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "OnboardingFixture.h"
#include "editor/ApplicationChooser.h"
#include "onboarding/FirstStreakScreen.h"
#include "onboarding/OnboardingCoordinator.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/PrimaryButton.h"
#include "ui/SecondaryButton.h"
#include "ui/Symbol.h"
#include "ui/TextInputField.h"

using namespace halvex;
using Kind = FirstStreakSelection::Kind;
using OptionalText = std::optional<QString>;

Q_DECLARE_METATYPE(OptionalText)

namespace {

// The screen over a coordinator, shown, with the desktop's applications.
struct Fixture {
    onboardingtest::Desktop desktop;
    OnboardingCoordinator coordinator;
    std::unique_ptr<FirstStreakScreen> screen;

    void show()
    {
        screen = std::make_unique<FirstStreakScreen>(coordinator, desktop.index());
        screen->show();
    }
    QAbstractButton *row(const QString &name, const QString &preset = {}) const
    {
        for (auto *button : screen->findChildren<QAbstractButton *>(name))
            if (preset.isEmpty() || button->property("preset") == preset)
                return button;
        return nullptr;
    }
    void type(const QString &text) const
    {
        QLineEdit *input = screen->findChild<TextInputField *>()->input();
        input->clear();
        QTest::keyClicks(input, text);
    }
    bool canContinue() const
    {
        return screen->findChild<PrimaryButton *>("onboarding.firstStreak.continue")->isEnabled();
    }
    bool showsInvalid() const
    {
        return screen->findChild<KitLabel *>("onboarding.firstStreak.custom.website.invalid")
            ->isVisibleTo(screen.get());
    }
    QString coordinatorFields() const
    {
        return QStringList{coordinator.selectedPreset() ? raw(*coordinator.selectedPreset()) : "-",
                           coordinator.customDomain().value_or("-"),
                           coordinator.customBundleId().value_or("-"),
                           coordinator.customAppName().value_or("-")}
            .join(u'|');
    }
};

// Picks the application of that name in the chooser's modal run, or cancels.
void answerChooser(const QString &name)
{
    QTimer::singleShot(0, qApp, [name] {
        auto *chooser = qobject_cast<ApplicationChooser *>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        QCOMPARE(chooser->list()->selectionMode(), QAbstractItemView::SingleSelection);
        if (name.isEmpty()) {
            chooser->reject();
            return;
        }
        chooser->list()->findItems(name, Qt::MatchExactly).value(0)->setSelected(true);
        chooser->findChild<PrimaryButton *>("streakEditor.apps.chooser.confirm")->click();
    });
}

} // namespace

class tst_FirstStreakScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Motion::setReduceMotion(true); }

    void validatesTypedSites_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("two labels") << "example.com" << true;
        QTest::newRow("blanks around") << " \texample.com  " << true;
        QTest::newRow("upper case") << "News.Example.COM" << true;
        QTest::newRow("63-letter label") << QString(63, u'a') + ".com" << true;
        QTest::newRow("inner hyphen") << "my-site.example" << true;
        QTest::newRow("one label") << "localhost" << false;
        QTest::newRow("scheme") << "https://example.com" << false;
        QTest::newRow("path") << "example.com/news" << false;
        QTest::newRow("trailing dot") << "example.com." << false;
        QTest::newRow("underscore") << "my_site.com" << false;
        QTest::newRow("64-letter label") << QString(64, u'a') + ".com" << false;
        QTest::newRow("leading hyphen") << "-site.com" << false;
        QTest::newRow("trailing hyphen") << "site-.com" << false;
        QTest::newRow("empty label") << "a..com" << false;
        QTest::newRow("not ASCII") << "exämple.com" << false;
        QTest::newRow("space inside") << "exam ple.com" << false;
        QTest::newRow("only spaces") << "   " << false;
        // A line break is no blank: it stays, and a bare "$" would let it through.
        QTest::newRow("trailing line break") << "example.com\n" << false;
        QTest::newRow("leading line break") << "\nexample.com" << false;
    }
    void validatesTypedSites()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(FirstStreakScreen::isValidDomain(text), valid);

        Fixture f;
        f.show();
        f.row("onboarding.firstStreak.custom.website")->click();
        QVERIFY(!f.canContinue() && !f.showsInvalid());
        f.screen->findChild<TextInputField *>()->setText(text);
        QCOMPARE(f.canContinue(), valid);
        QCOMPARE(f.showsInvalid(), !valid);
        f.screen->findChild<PrimaryButton *>("onboarding.firstStreak.continue")->click();
        QCOMPARE(f.coordinator.customDomain(),
                 valid ? OptionalText(text.trimmed()) : OptionalText());
    }

    void commitsOnlyTheSelectedKind()
    {
        Fixture f;
        f.show();
        QVERIFY(!f.screen->selection() && !f.canContinue());
        // A typed site, then a preset: the preset is what is committed.
        f.row("onboarding.firstStreak.custom.website")->click();
        f.type("example.com");
        QTest::mouseClick(f.row("onboarding.firstStreak.preset", "slack"), Qt::LeftButton);
        QVERIFY(f.canContinue());
        QCOMPARE(f.screen->customDomainText(), "example.com");
        f.screen->commitSelection();
        QCOMPARE(f.coordinatorFields(), "slack|-|-|-");

        // The application row wants an application before it can go on.
        f.row("onboarding.firstStreak.custom.app")->click();
        QVERIFY(!f.canContinue());
        answerChooser("Notes");
        f.row("onboarding.firstStreak.custom.app.choose")->click();
        QVERIFY(f.canContinue());
        f.screen->commitSelection();
        QCOMPARE(f.coordinatorFields(), "-|-|org.example.Notes|Notes");

        // A change not continued with leaves the coordinator as it was.
        f.row("onboarding.firstStreak.custom.website")->click();
        QCOMPARE(f.coordinatorFields(), "-|-|org.example.Notes|Notes");
    }

    void restoresTheLastCommit_data()
    {
        QTest::addColumn<OptionalText>("preset");
        QTest::addColumn<OptionalText>("domain");
        QTest::addColumn<OptionalText>("bundleId");
        QTest::addColumn<OptionalText>("appName");
        QTest::addColumn<int>("kind"); // -1: nothing selected
        QTest::addColumn<QString>("shown");
        const OptionalText none;
        QTest::newRow("preset wins") << OptionalText("reddit") << OptionalText("example.com")
                                     << none << none << int(Kind::preset) << QString();
        QTest::newRow("site") << none << OptionalText("example.com") << none << none
                              << int(Kind::customDomain) << "example.com";
        QTest::newRow("empty site is nothing")
            << none << OptionalText("") << none << none << -1 << QString();
        QTest::newRow("named application")
            << none << none << OptionalText("org.example.Notes") << OptionalText("My notes")
            << int(Kind::customApp) << "My notes";
        QTest::newRow("unnamed application") << none << none << OptionalText("com.example.Gone")
                                             << none << int(Kind::customApp) << "com.example.Gone";
    }
    void restoresTheLastCommit()
    {
        QFETCH(OptionalText, preset);
        QFETCH(OptionalText, domain);
        QFETCH(OptionalText, bundleId);
        QFETCH(OptionalText, appName);
        QFETCH(int, kind);
        QFETCH(QString, shown);
        Fixture f;
        f.coordinator.setSelectedPreset(preset ? onboardingPresetFromRaw(*preset) : std::nullopt);
        f.coordinator.setCustomDomain(domain);
        f.coordinator.setCustomBundleId(bundleId);
        f.coordinator.setCustomAppName(appName);
        f.show();
        QCOMPARE(f.screen->selection() ? int(f.screen->selection()->kind) : -1, kind);
        if (kind == int(Kind::customDomain))
            QCOMPARE(f.screen->findChild<TextInputField *>()->text(), shown);
        if (kind == int(Kind::customApp)) {
            // Its desktop file is not remembered: the name, and the symbol for its icon.
            QCOMPARE(f.screen->appSelection()->iconPath, std::nullopt);
            QCOMPARE(
                f.screen->findChild<KitLabel *>("onboarding.firstStreak.custom.app.selection.name")
                    ->text(),
                shown);
            QCOMPARE(f.screen->findChild<SymbolView *>()->name(), "app");
            QVERIFY(f.canContinue());
        }
    }

    void picksOneApplication()
    {
        Fixture f;
        f.show();
        f.row("onboarding.firstStreak.custom.app")->click();
        auto *picker = f.screen->findChild<OnboardingAppPicker *>();
        answerChooser("Firefox ESR");
        f.row("onboarding.firstStreak.custom.app.choose")->click();
        // As the rest of the program knows the browser.
        QCOMPARE(picker->selection()->bundleId, "org.mozilla.firefox");
        // A cancelled chooser keeps the choice; a new one replaces it.
        answerChooser(QString());
        f.row("onboarding.firstStreak.custom.app.choose")->click();
        QCOMPARE(picker->selection()->displayName, "Firefox ESR");
        answerChooser("Notes");
        f.row("onboarding.firstStreak.custom.app.choose")->click();
        const OnboardingAppSelection notes{"org.example.Notes", "Notes",
                                           f.desktop.desktopFile("org.example.Notes")};
        QCOMPARE(*picker->selection(), notes);
        QVERIFY(f.screen->findChild<QLabel *>("onboarding.firstStreak.custom.app.icon"));
        QVERIFY(!OnboardingAppPicker::appIcon(notes).isNull());

        // Gone from the disk, or never installed: the symbol, and no selection.
        QFile::remove(f.desktop.desktopFile("org.example.Notes"));
        QVERIFY(OnboardingAppPicker::appIcon(notes).isNull());
        QCOMPARE(picker->readAppSelection("com.example.Gone"), std::nullopt);
        QCOMPARE(picker->readAppSelection(QString()), std::nullopt);
    }
};

QTEST_MAIN(tst_FirstStreakScreen)
#include "tst_FirstStreakScreen.moc"
