#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "EditorFixture.h"
#include "editor/DeleteConfirmContent.h"
#include "editor/DomainListInput.h"
#include "editor/NewStreakFormContent.h"
#include "editor/StreakDetailSheet.h"
#include "engine/DomainEntry.h"
#include "menubar/PopoverEditStreakView.h"
#include "ui/Motion.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

QList<QLineEdit *> fields(const DomainListInput &input)
{
    return input.findChildren<QLineEdit *>("streakEditor.domains.field");
}

QStringList shownTexts(const DomainListInput &input)
{
    QStringList texts;
    for (QLineEdit *field : fields(input))
        texts << field->text();
    return texts;
}

void choosePreset(DomainListInput &input, const QString &key)
{
    input.findChild<QAction *>(key)->trigger();
}

// The notes under the rows that say an entry is no site.
QList<QWidget *> notes(const DomainListInput &input)
{
    return input.findChildren<QWidget *>("streakEditor.domains.invalid");
}

// Types `text` a key at a time into the field, checking after each key that
// the field shows just what was typed (never another site), that no note
// interrupts, and that what the row stores (read by `stored`) is a site or
// nothing.
template <class Stored> void typeKeyByKey(QLineEdit *field, const QString &text, Stored stored)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        QTest::keyClicks(field, text.mid(i, 1));
        QCOMPARE(field->text(), text.left(i + 1));
        QWidget *row = field;
        while (row->objectName() != u"streakEditor.domains.row")
            row = row->parentWidget();
        QVERIFY(!row->findChild<QWidget *>("streakEditor.domains.invalid")->isVisible());
        const QString entry = stored();
        QVERIFY2(entry.isEmpty() || isSiteEntry(entry), qPrintable(entry));
    }
}

// Each screen that hosts the site list, over a store with one site streak
// listing "keep.com" and an empty row: the detail sheet and the popover's
// edit screen save each keystroke to the streak, the new-streak form keeps
// its list (one empty row) until Save.
struct HostRig : editortest::ScreensFixture {
    std::shared_ptr<Streak> streak = add("Reading", {"keep.com", ""});
    std::unique_ptr<QWidget> host;
    NewStreakFormContent *form = nullptr;

    explicit HostRig(const QString &kind)
    {
        if (kind == u"form") {
            form = new NewStreakFormContent(persistence, engine, planning, apps.index(), {});
            host.reset(form);
        } else if (kind == u"sheet") {
            host = std::make_unique<StreakDetailSheet>(
                streak->id(), StreakDetailSheet::Services{persistence, engine, planning,
                                                          apps.index(), scheduler});
        } else {
            host = std::make_unique<PopoverEditStreakView>(streak->id(), persistence, engine,
                                                           apps.index());
        }
        host->resize(520, 760);
        host->show();
    }
    QLineEdit *lastField() const
    {
        return host->findChildren<QLineEdit *>("streakEditor.domains.field").last();
    }
    QStringList stored() const { return form ? form->domains() : streak->domains(); }
    QStringList storedWith(const QString &last) const
    {
        return form ? QStringList{last} : QStringList{"keep.com", last};
    }
};

} // namespace

class tst_DomainListInput : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
    }

    void pastedEntriesAreNormalised_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("stored");
        QTest::newRow("scheme, case and query") << "HTTPS://News.Example.COM/World/Europe?ref=top"
                                                << "news.example.com/world/europe";
        QTest::newRow("one scheme only") << "http://https://example.com"
                                         << "https://example.com";
        QTest::newRow("fragment before query") << "\texample.com/a#b?c "
                                               << "example.com/a";
        QTest::newRow("a space in the path stays") << "example.com/my page"
                                                   << "example.com/my page";
    }
    void pastedEntriesAreNormalised()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, stored);
        DomainListInput input({"keep.com", ""});
        input.show();
        QSignalSpy edited(&input, &DomainListInput::domainsEdited);
        QLineEdit *field = fields(input).at(1);
        field->setFocus();
        field->insert(pasted);
        QCOMPARE(input.domains(), (QStringList{"keep.com", stored}));
        QCOMPARE(field->text(), pasted);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), stored);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.at(0).at(0).toStringList(), input.domains());
    }

    // The stored entry is trimmed at once; the field shows it so once the
    // user is done, and text that stops being a site stores nothing.
    void typingTrimsTheEndAtOnce()
    {
        DomainListInput input({""});
        input.show();
        QLineEdit *field = fields(input).at(0);
        field->setFocus();
        QTest::keyClicks(field, "Reddit.com ");
        QCOMPARE(input.domains(), QStringList{"reddit.com"});
        QCOMPARE(field->text(), "Reddit.com ");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), "reddit.com");
        QTest::keyClick(field, Qt::Key_Home);
        QTest::keyClick(field, Qt::Key_Right);
        QTest::keyClick(field, Qt::Key_Space);
        QCOMPARE(input.domains(), QStringList{""});
        QCOMPARE(field->text(), "r eddit.com");
        // Still the same field: rows keep their place (and the typist's focus).
        QCOMPARE(fields(input).at(0), field);
    }

    // Typed a key at a time in any of the screens that host the list, a site
    // stores what pasting it stores, and the field never shows another site.
    void typedKeyByKeyStoresWhatAPasteStores_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        const QList<std::pair<const char *, const char *>> entries{
            {"localhost:8080", "localhost"},
            {"example.com:8080/a", "example.com/a"},
            {"example.com/path?q=1", "example.com/path"},
            {"[::1]:8080", "[::1]"},
            {"HTTPS://News.Example.COM/World?ref=top", "news.example.com/world"},
        };
        for (const char *host : {"form", "sheet", "popover"}) {
            for (const auto &[typed, stored] : entries)
                QTest::addRow("%s: %s", host, typed) << host << typed << stored;
        }
    }
    void typedKeyByKeyStoresWhatAPasteStores()
    {
        QFETCH(QString, host);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        HostRig rig(host);
        QLineEdit *field = rig.lastField();
        field->setFocus();
        typeKeyByKey(field, typed, [&rig] { return rig.stored().last(); });
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(rig.stored(), rig.storedWith(stored));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), stored);

        field->selectAll();
        field->insert(typed);
        QCOMPARE(rig.stored(), rig.storedWith(stored));
    }

    // Text that cannot be a site is never stored: its row says why once the
    // user is done typing it, and mending it stores the site. An entry an
    // older version stored that way stays as it is, with the same note.
    void textThatIsNoSiteIsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        for (const char *typed : {"*reddit.com", "**.reddit.com", "user@reddit.com",
                                  "javascript:alert(1)", "my site.com"})
            QTest::newRow(typed) << typed;
    }
    void textThatIsNoSiteIsRefused()
    {
        QFETCH(QString, typed);
        editortest::EngineFixture f;
        f.streak->setDomains({"keep.com", ""});
        QVERIFY(f.save());
        DomainListInput input;
        input.bindTo(f.engine, f.streak);
        input.show();
        input.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&input));
        QLineEdit *field = fields(input).at(1);
        QWidget *note = notes(input).at(1);
        field->setFocus();
        typeKeyByKey(field, typed, [&f] { return f.streak->domains().at(1); });
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(f.streak->domains(), (QStringList{"keep.com", ""}));
        QVERIFY(input.hasUnusableEntry());
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(note->isVisible());
        QCOMPARE(
            static_cast<QLabel *>(note)->text(),
            "Not a site, so it blocks nothing. Enter one like example.com or reddit.com/r/all.");
        QCOMPARE(field->text(), typed);

        field->selectAll();
        QTest::keyClicks(field, "Reddit.com");
        QVERIFY(!note->isVisible());
        QCOMPARE(f.streak->domains(), (QStringList{"keep.com", "reddit.com"}));
        field->clearFocus(); // leaving the field is done too
        QCOMPARE(field->text(), "reddit.com");
        QVERIFY(!note->isVisible() && !input.hasUnusableEntry());

        QSignalSpy edited(&input, &DomainListInput::domainsEdited);
        f.engine.domainsBindingSet(f.streak, {typed, "keep.com"});
        QCOMPARE(shownTexts(input), (QStringList{typed, "keep.com"}));
        QVERIFY(notes(input).at(0)->isVisible() && !notes(input).at(1)->isVisible());
        QCOMPARE(f.streak->domains(), (QStringList{typed, "keep.com"}));
        QCOMPARE(edited.count(), 0);
        // The input goes with the caret still in a field, which finishes
        // its editing as the window closes.
        fields(input).at(1)->setFocus();
        QVERIFY(fields(input).at(1)->hasFocus());
    }

    void addingRowsAndSets()
    {
        DomainListInput input({"www.facebook.com/", "Reddit.com", ""});
        input.show();
        QSignalSpy edited(&input, &DomainListInput::domainsEdited);
        QTest::mouseClick(input.findChild<QWidget *>("streakEditor.domains.add"), Qt::LeftButton);
        QCOMPARE(input.domains(), (QStringList{"www.facebook.com/", "Reddit.com", "", ""}));
        QCOMPARE(shownTexts(input), input.domains());

        choosePreset(input, "streakEditor.domains.set.social");
        const QStringList withSocial{"www.facebook.com/",
                                     "Reddit.com",
                                     "",
                                     "",
                                     "instagram.com",
                                     "x.com",
                                     "twitter.com",
                                     "tiktok.com",
                                     "snapchat.com",
                                     "linkedin.com",
                                     "pinterest.com",
                                     "threads.net"};
        QCOMPARE(input.domains(), withSocial);
        QCOMPARE(edited.count(), 2);
        // The same set again adds nothing and says nothing.
        choosePreset(input, "streakEditor.domains.set.social");
        QCOMPARE(input.domains(), withSocial);
        QCOMPARE(edited.count(), 2);
        QCOMPARE(input.findChild<QAction *>("streakEditor.domains.set.video")->text(), "Video");
    }

    // "Add site" hands the caret to the row it adds, in every screen that
    // hosts the list: what is typed next, a key at a time, lands there and
    // not in the row the caret was in.
    void addedRowTakesTheTyping_data()
    {
        QTest::addColumn<QString>("host");
        for (const char *host : {"form", "sheet", "popover"})
            QTest::newRow(host) << host;
    }
    void addedRowTakesTheTyping()
    {
        QFETCH(QString, host);
        HostRig rig(host);
        rig.host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rig.host.get()));
        QLineEdit *before = rig.lastField();
        before->setFocus();
        const int rows = int(rig.stored().size());
        QTest::mouseClick(rig.host->findChild<QWidget *>("streakEditor.domains.add"),
                          Qt::LeftButton);
        QLineEdit *added = rig.lastField();
        QVERIFY(added != before);
        // To whatever has the focus, as the keyboard would.
        QTest::keyClicks(static_cast<QWidget *>(nullptr), "News.com");
        QCOMPARE(added->text(), "News.com");
        QCOMPARE(before->text(), QString());
        QCOMPARE(rig.stored().size(), rows + 1);
        QCOMPARE(rig.stored().last(), "news.com");
    }

    void removingAndStaleRows()
    {
        DomainListInput input({"a.com", "b.com", "c.com"});
        input.show();
        QSignalSpy edited(&input, &DomainListInput::domainsEdited);
        QTest::mouseClick(input.findChildren<QWidget *>("streakEditor.domains.remove").at(1),
                          Qt::LeftButton);
        QCOMPARE(input.domains(), (QStringList{"a.com", "c.com"}));
        QCOMPARE(shownTexts(input), input.domains());
        // Text not yet done, or refused, moves up with its row.
        fields(input).at(1)->selectAll();
        QTest::keyClicks(fields(input).at(1), "C.com d");
        QTest::mouseClick(input.findChildren<QWidget *>("streakEditor.domains.remove").at(0),
                          Qt::LeftButton);
        QCOMPARE(input.domains(), QStringList{""});
        QCOMPARE(shownTexts(input), QStringList{"C.com d"});
        edited.clear();
        // An edit or a removal for a row that no longer exists does nothing.
        input.editRow(2, "d.com");
        input.removeRow(5);
        input.removeRow(-1);
        QCOMPARE(input.domains(), QStringList{""});
        QCOMPARE(edited.count(), 0);
    }

    void boundToStoredStreak()
    {
        editortest::EngineFixture f;
        f.streak->setDomains({"a.com"});
        QVERIFY(f.save());
        DomainListInput input;
        input.bindTo(f.engine, f.streak);
        input.show();
        QCOMPARE(shownTexts(input), QStringList{"a.com"});
        fields(input).at(0)->insert("/Path");
        QCOMPARE(f.streak->domains(), QStringList{"a.com/path"});
        QVERIFY(!f.context().hasChanges());
        f.engine.domainsBindingSet(f.streak, {"b.com", "c.com"});
        QCOMPARE(shownTexts(input), (QStringList{"b.com", "c.com"}));
    }
};

QTEST_MAIN(tst_DomainListInput)
#include "tst_DomainListInput.moc"
