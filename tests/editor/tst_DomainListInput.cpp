#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "EditorFixture.h"
#include "editor/DomainListInput.h"
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
        QTest::newRow("a space inside stays") << "my site.com"
                                              << "my site.com";
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
        QCOMPARE(field->text(), stored);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.at(0).at(0).toStringList(), input.domains());
    }

    void typingTrimsTheEndAtOnce()
    {
        DomainListInput input({""});
        input.show();
        QLineEdit *field = fields(input).at(0);
        field->setFocus();
        QTest::keyClicks(field, "Reddit.com ");
        QCOMPARE(input.domains(), QStringList{"reddit.com"});
        QCOMPARE(field->text(), "reddit.com");
        QTest::keyClick(field, Qt::Key_Home);
        QTest::keyClick(field, Qt::Key_Right);
        QTest::keyClick(field, Qt::Key_Space);
        QCOMPARE(input.domains(), QStringList{"r eddit.com"});
        // Still the same field: rows keep their place (and the typist's focus).
        QCOMPARE(fields(input).at(0), field);
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

    void removingAndStaleRows()
    {
        DomainListInput input({"a.com", "b.com", "c.com"});
        input.show();
        QSignalSpy edited(&input, &DomainListInput::domainsEdited);
        QTest::mouseClick(input.findChildren<QWidget *>("streakEditor.domains.remove").at(1),
                          Qt::LeftButton);
        QCOMPARE(input.domains(), (QStringList{"a.com", "c.com"}));
        QCOMPARE(shownTexts(input), input.domains());
        // An edit or a removal for a row that no longer exists does nothing.
        input.editRow(2, "d.com");
        input.removeRow(5);
        input.removeRow(-1);
        QCOMPARE(input.domains(), (QStringList{"a.com", "c.com"}));
        QCOMPARE(edited.count(), 1);
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
