#include <memory>

#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include "EditorFixture.h"
#include "editor/AppPicker.h"
#include "editor/DomainListInput.h"
#include "editor/NewStreakFormContent.h"
#include "editor/SeededDomainsRow.h"
#include "editor/SegmentedControl.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/PrimaryButton.h"
#include "ui/ToggleRow.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

// The form over a real store and engine, driven the way a user drives it.
struct FormRig : editortest::ScreensFixture {
    std::unique_ptr<NewStreakFormContent> form;
    std::unique_ptr<QSignalSpy> dismissed;

    explicit FormRig(int stored = 0, NewStreakFormContent::Options options = {})
    {
        for (int i = 0; i < stored; ++i)
            add("s", {"a.com"}, 0, i);
        form = std::make_unique<NewStreakFormContent>(persistence, engine, planning, apps.index(),
                                                      options);
        form->resize(340, 480);
        form->show();
        dismissed = std::make_unique<QSignalSpy>(form.get(), &NewStreakFormContent::dismissed);
    }
    QWidget *shown(const QString &name) const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (auto *w : form->findChildren<QWidget *>(name))
            if (w->isVisible())
                return w;
        return nullptr;
    }
    QLineEdit *nameField() const { return form->findChild<QLineEdit *>("streakEditor.field.name"); }
    void chooseType(StreakType type)
    {
        auto *picker = form->findChild<SegmentedControl *>("streakEditor.picker.type");
        QTest::mouseClick(picker, Qt::LeftButton, {},
                          picker->segmentRect(type == StreakType::app ? 1 : 0).center());
    }
    void typeSite(const QString &text, int row = 0)
    {
        auto fields = form->domainList()->findChildren<QLineEdit *>("streakEditor.domains.field");
        QLineEdit *field = fields.at(row);
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    void typeName(const QString &text)
    {
        nameField()->selectAll();
        QTest::keyClick(nameField(), Qt::Key_Backspace);
        QTest::keyClicks(nameField(), text);
    }
    void pressSave() { QTest::mouseClick(shown("streakEditor.button.save"), Qt::LeftButton); }
    QString error() const
    {
        auto *line = form->findChild<KitLabel *>("streakEditor.error");
        return line->isVisible() ? line->text() : QString();
    }
    std::shared_ptr<Streak> created()
    {
        for (const auto &s : context().fetch<Streak>().value())
            if (s->name() != u"s")
                return s;
        return nullptr;
    }
};

} // namespace

class tst_NewStreakFormContent : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
    }

    // The checks run in order and the first failure shows; nothing is
    // written until all pass.
    void validation_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("app");
        QTest::addColumn<QString>("site"); // typed into the first row
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error"); // "" when it saves
        const QString name = "Give the streak a name.";
        const QString triggers = "Add at least one site or app to block.";
        const QString limit = "You can keep up to 5 streaks. Delete one to start another.";
        QTest::newRow("blank name") << 0 << false << "a.com"
                                    << "" << name;
        QTest::newRow("name of spaces") << 0 << false << "a.com"
                                        << "   " << name;
        QTest::newRow("name before targets") << 0 << false << ""
                                             << "" << name;
        QTest::newRow("blank site entry") << 0 << false << "   "
                                          << "Reading" << triggers;
        QTest::newRow("text that is no site") << 0 << false << "my site.com"
                                              << "Reading"
                                              << "An entry in the list is not a site and would "
                                                 "block nothing. Correct it or remove it.";
        QTest::newRow("app streak without apps") << 0 << true << "a.com"
                                                 << "Editor" << triggers;
        QTest::newRow("five stored") << 5 << false << "a.com"
                                     << "Sixth" << limit;
        QTest::newRow("four stored") << 4 << false << "a.com"
                                     << "Fifth"
                                     << "";
    }
    void validation()
    {
        QFETCH(int, stored);
        QFETCH(bool, app);
        QFETCH(QString, site);
        QFETCH(QString, name);
        QFETCH(QString, error);
        FormRig rig(stored);
        if (!site.isEmpty())
            rig.typeSite(site);
        if (app)
            rig.chooseType(StreakType::app);
        rig.typeName(name);
        rig.pressSave();
        QCOMPARE(rig.error(), error);
        QCOMPARE(rig.stored(), stored + (error.isEmpty() ? 1 : 0));
        QCOMPARE(rig.dismissed->count(), error.isEmpty() ? 1 : 0);
        QCOMPARE(rig.form->isSaving(), error.isEmpty());
    }

    void domainDisplayName_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::newRow("subdomain") << "mail.example.com"
                                   << "Example";
        QTest::newRow("single label") << "localhost"
                                      << "Localhost";
        QTest::newRow("www and path") << "www.example.com/news"
                                      << "Example";
        QTest::newRow("blanks and case") << " \tExample.COM "
                                         << "Example";
        QTest::newRow("only dots") << "..."
                                   << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void domainDisplayName()
    {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QCOMPARE(NewStreakFormContent::domainDisplayName(entry), name);
    }

    // The name follows the first target until the user types one; text set
    // by the program does not count, and clearing the field to blank hands
    // naming back to the targets.
    void nameFollowsTheFirstTarget()
    {
        FormRig rig;
        rig.typeSite("mail.example.com");
        QCOMPARE(rig.nameField()->text(), "Example");
        rig.nameField()->setText("Set by the program");
        QVERIFY(!rig.form->nameManuallyEdited());
        rig.typeSite("news.site.org");
        QCOMPARE(rig.form->name(), "Site");

        rig.typeName("Mine");
        QVERIFY(rig.form->nameManuallyEdited());
        rig.typeSite("other.net");
        QCOMPARE(rig.form->name(), "Mine");

        rig.typeName("");
        QVERIFY(!rig.form->nameManuallyEdited());
        rig.typeSite("again.io");
        QCOMPARE(rig.nameField()->text(), "Again");

        // An application streak is named after its first application.
        rig.chooseType(StreakType::app);
        QCOMPARE(rig.form->name(), "");
        rig.form->appPicker()->append({"code", "org.gnome.TextEditor"});
        QCOMPARE(rig.form->name(), "Visual Editor");
        rig.chooseType(StreakType::site);
        QCOMPARE(rig.form->name(), "Again");
    }

    // Save writes exactly one streak with what the form holds (only the
    // chosen kind's targets, cleaned), plans its milestones and leaves.
    void saveWritesOneStreak()
    {
        FormRig rig(2);
        rig.chooseType(StreakType::app);
        rig.form->appPicker()->append({"code"});
        rig.chooseType(StreakType::site);
        rig.typeSite(" Example.COM ");
        QTest::mouseClick(rig.shown("streakEditor.domains.add"), Qt::LeftButton);
        rig.typeName("  Reading  ");
        QTest::mouseClick(rig.shown("streakEditor.mode.brutal"), Qt::LeftButton);
        QTest::mouseClick(rig.shown("streakEditor.toggle.freePass"), Qt::LeftButton);
        QTest::mouseClick(rig.shown("streakEditor.allowance.toggle"), Qt::LeftButton);
        QCOMPARE(rig.form->domains(), (QStringList{"example.com", ""}));

        rig.pressSave();
        rig.form->attemptSave(); // a second press while saving does nothing
        QCOMPARE(rig.stored(), 3);
        const auto streak = rig.created();
        QCOMPARE((QStringList{streak->name(), streak->typeRaw(), streak->modeRaw()}),
                 (QStringList{"Reading", "site", "brutal"}));
        QCOMPARE((QList<QStringList>{streak->domains(), streak->bundleIdentifiers(),
                                     streak->browsers()}),
                 (QList<QStringList>{{"example.com"}, {}, {}}));
        QCOMPARE(streak->startedAt(), rig.now);
        QCOMPARE((QList<bool>{streak->allowDailyFreePass(), streak->allowExternalLinkBypass(),
                              streak->allowanceEnabled(), streak->isPrimary()}),
                 (QList<bool>{false, true, true, false}));
        QCOMPARE(streak->sortOrder(), 2);
        QCOMPARE(rig.engine.streaks().size(), 3u);
        QCOMPARE(rig.planning.calls.size(), 1u);
        QCOMPARE(rig.planning.calls[0].streak, streak);
        QCOMPARE(rig.dismissed->count(), 1);
        QVERIFY(!rig.shown("streakEditor.button.save")->isEnabled());
    }

    // A save the store refuses leaves no streak behind, not even for a
    // later save; the form keeps what was typed, says so, and saves on the
    // next press once the store takes it.
    void failedSaveKeepsTheForm()
    {
        FormRig rig;
        rig.typeSite("example.com");
        QVERIFY(rig.failInsertsInto("Streak"));
        rig.pressSave();
        QCOMPARE(rig.error(), "The streak could not be saved. Please try again.");
        QVERIFY(!rig.form->isSaving());
        auto *save = static_cast<PrimaryButton *>(rig.shown("streakEditor.button.save"));
        QVERIFY(save->isEnabled() && !save->isLoading());
        QCOMPARE(rig.dismissed->count(), 0);
        QVERIFY(rig.planning.calls.empty());
        QCOMPARE(rig.form->name(), "Example");
        QCOMPARE(rig.form->domains(), QStringList{"example.com"});

        QVERIFY(QSqlQuery(rig.persistence.container().database()).exec("DROP TRIGGER f"));
        QVERIFY(rig.save()); // someone else's save: the dropped streak stays out
        QCOMPARE(rig.stored(), 0);
        rig.pressSave();
        QCOMPARE(rig.stored(), 1);
        QCOMPARE(rig.error(), "");
        QCOMPARE(rig.planning.calls.size(), 1u);
        QCOMPARE(rig.dismissed->count(), 1);
    }

    // A preset seeds a named site streak; the popover shows it collapsed
    // into one row until the user asks for the list.
    void seed_data()
    {
        QTest::addColumn<bool>("compact");
        QTest::newRow("popover") << true;
        QTest::newRow("wide") << false;
    }
    void seed()
    {
        QFETCH(bool, compact);
        FormRig rig(0, {.seed = DomainPreset::social, .compact = compact});
        QCOMPARE(rig.form->name(), "Social media");
        QVERIFY(rig.form->nameManuallyEdited());
        QCOMPARE(rig.form->streakType(), StreakType::site);
        QCOMPARE(rig.form->domains(), domains(DomainPreset::social));
        QCOMPARE(rig.form->seedCollapsed(), compact);
        QCOMPARE(bool(rig.shown("streakEditor.domains.seeded")), compact);
        if (compact)
            QTest::mouseClick(rig.shown("streakEditor.domains.showAll"), Qt::LeftButton);
        QVERIFY(!rig.shown("streakEditor.domains.seeded"));
        QCOMPARE(rig.form->domainList()->findChildren<QLineEdit *>().size(), 10);
        rig.typeSite("other.net");
        QCOMPARE(rig.form->name(), "Social media");
    }
};

QTEST_MAIN(tst_NewStreakFormContent)
#include "tst_NewStreakFormContent.moc"
