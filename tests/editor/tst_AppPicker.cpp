#include <functional>
#include <tuple>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "EditorFixture.h"
#include "editor/AppPicker.h"
#include "editor/ApplicationChooser.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/PrimaryButton.h"
#include "ui/SecondaryButton.h"
#include "ui/Symbol.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

struct RowView {
    QString name;
    QString identifier;
    QString icon; // "file" for the application's own icon, else the symbol's name
    friend bool operator==(const RowView &, const RowView &) = default;
};

QList<RowView> rows(const AppPicker &picker)
{
    QList<RowView> shown;
    for (QWidget *row : picker.findChildren<QWidget *>("streakEditor.apps.row")) {
        const auto *symbol = row->findChild<SymbolView *>();
        const bool file = row->findChild<QLabel *>("streakEditor.apps.icon") != nullptr;
        shown << RowView{row->findChild<KitLabel *>("streakEditor.apps.name")->text(),
                         row->findChild<KitLabel *>("streakEditor.apps.identifier")->text(),
                         file     ? QStringLiteral("file")
                         : symbol ? symbol->name()
                                  : QString()};
    }
    return shown;
}

// Answers the chooser from inside its modal run: selects the applications
// of those names and confirms, or cancels. Counts the choosers it met.
struct ChooserAnswer {
    QStringList names;
    bool confirm = true;
    int opened = 0;

    void arm()
    {
        QTimer::singleShot(0, qApp, [this] {
            auto *chooser = qobject_cast<ApplicationChooser *>(QApplication::activeModalWidget());
            if (!chooser)
                return;
            ++opened;
            QListWidget *list = chooser->list();
            for (int i = 0; i < list->count(); ++i)
                list->item(i)->setSelected(names.contains(list->item(i)->text()));
            if (confirm)
                chooser->findChild<PrimaryButton *>("streakEditor.apps.chooser.confirm")->click();
            else
                chooser->findChild<SecondaryButton *>("streakEditor.apps.chooser.cancel")->click();
        });
    }
};

void clickChoose(AppPicker &picker)
{
    QTest::mouseClick(picker.findChild<SecondaryButton *>("streakEditor.apps.choose"),
                      Qt::LeftButton);
}

} // namespace

class tst_AppPicker : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
    }

    void chooserListsInstalledApplications()
    {
        editortest::InstalledAppsFixture apps;
        InstalledApplications installed(apps.index());
        ApplicationChooser chooser(installed);
        const auto shown = [&] {
            QStringList items;
            for (int i = 0; i < chooser.list()->count(); ++i) {
                const QListWidgetItem *item = chooser.list()->item(i);
                if (!item->isHidden())
                    items << item->text() + u'=' + item->toolTip();
            }
            return items;
        };
        // By name, as the rest of the program knows them; not the NoDisplay helper.
        QCOMPARE(shown(), (QStringList{"Firefox ESR=org.mozilla.firefox", "mail=org.example.Mail",
                                       "Text Editor=org.gnome.TextEditor", "Visual Editor=code"}));
        auto *confirm = chooser.findChild<PrimaryButton *>("streakEditor.apps.chooser.confirm");
        QVERIFY(!confirm->isEnabled());

        chooser.list()->item(0)->setSelected(true);
        chooser.list()->item(2)->setSelected(true);
        QVERIFY(confirm->isEnabled());
        QCOMPARE(chooser.chosenIdentifiers(),
                 (QStringList{"org.mozilla.firefox", "org.gnome.TextEditor"}));
        // What the search hides is no longer chosen.
        chooser.setFilter("EDIT");
        QCOMPARE(shown(), (QStringList{"Text Editor=org.gnome.TextEditor", "Visual Editor=code"}));
        QCOMPARE(chooser.chosenIdentifiers(), QStringList{"org.gnome.TextEditor"});

        QCOMPARE(installed.displayName("org.mozilla.firefox"), "Firefox ESR");
        QCOMPARE(installed.displayName("helper"), "Settings Helper");
        QCOMPARE(installed.displayName("com.example.Gone"), QString());
        QCOMPARE(installed.displayName(QString()), QString());
    }

    // A row names an application that has gone by what is still known of
    // it, never by its bare identifier where a name can be had.
    void namesEvenWhenGone_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("name");
        const QList<std::tuple<const char *, const char *, const char *>> names{
            {"installed", "org.mozilla.firefox", "Firefox ESR"},
            {"installed, not listed", "helper", "Settings Helper"},
            {"gone catalogue browser", "com.google.Chrome", "Chrome"},
            {"gone, reverse domain", "org.example.ImageViewer", "Image Viewer"},
            {"gone, desktop-file id", "my_tool-nightly", "My Tool Nightly"},
            {"nothing readable", "...", "..."},
            {"empty", "", ""},
        };
        for (const auto &[tag, identifier, name] : names)
            QTest::newRow(tag) << QString(identifier) << QString(name);
    }
    void namesEvenWhenGone()
    {
        QFETCH(QString, identifier);
        editortest::InstalledAppsFixture apps;
        QTEST(InstalledApplications(apps.index()).nameOf(identifier), "name");
    }

    void choosingAppends_data()
    {
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("picked");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("three, one listed")
            << QStringList{"org.gnome.TextEditor"}
            << QStringList{"Text Editor", "mail", "Firefox ESR"} << true
            << QStringList{"org.gnome.TextEditor", "org.mozilla.firefox", "org.example.Mail"};
        QTest::newRow("only listed ones")
            << QStringList{"code"} << QStringList{"Visual Editor"} << true << QStringList{"code"};
        QTest::newRow("cancelled")
            << QStringList{} << QStringList{"mail"} << false << QStringList{};
    }
    void choosingAppends()
    {
        QFETCH(QStringList, listed);
        QFETCH(QStringList, picked);
        QFETCH(bool, confirm);
        QFETCH(QStringList, expected);
        editortest::InstalledAppsFixture apps;
        AppPicker picker(apps.index(), listed);
        picker.show();
        QSignalSpy edited(&picker, &AppPicker::bundleIdentifiersEdited);
        ChooserAnswer answer{picked, confirm};
        answer.arm();
        clickChoose(picker);
        QCOMPARE(answer.opened, 1);
        QCOMPARE(picker.bundleIdentifiers(), expected);
        QCOMPARE(edited.count(), expected == listed ? 0 : 1);
        if (!edited.isEmpty())
            QCOMPARE(edited.at(0).at(0).toStringList(), expected);
        QCOMPARE(rows(picker).size(), expected.size());
    }

    void rowsAndRemoving()
    {
        editortest::InstalledAppsFixture apps;
        AppPicker picker(apps.index(), {"org.gnome.TextEditor", "helper", "com.example.Gone",
                                        "org.mozilla.firefox", "com.example.Gone"});
        picker.show();
        QCOMPARE(rows(picker), (QList<RowView>{{"Text Editor", "org.gnome.TextEditor", "file"},
                                               {"Settings Helper", "helper", "app"},
                                               {"Gone", "com.example.Gone", "app"},
                                               {"Firefox ESR", "org.mozilla.firefox", "app"},
                                               {"Gone", "com.example.Gone", "app"}}));

        QSignalSpy edited(&picker, &AppPicker::bundleIdentifiersEdited);
        const auto removeButtons =
            picker.findChildren<QAbstractButton *>("streakEditor.apps.remove");
        QCOMPARE(removeButtons.at(2)->accessibleName(), "Remove");
        QTest::mouseClick(removeButtons.at(2), Qt::LeftButton);
        // Every copy goes, the others keep their order.
        const QStringList left{"org.gnome.TextEditor", "helper", "org.mozilla.firefox"};
        QCOMPARE(picker.bundleIdentifiers(), left);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.at(0).at(0).toStringList(), left);
        QCOMPARE(rows(picker).size(), 3);
    }

    void hostPresenterRunsTheChooser()
    {
        editortest::InstalledAppsFixture apps;
        QWidget host;
        auto *picker = new AppPicker(apps.index(), {}, &host);
        int presented = 0;
        std::function<void()> operation;
        Environment::setModalPanelPresenter(&host, [&](std::function<void()> run) {
            ++presented;
            operation = std::move(run);
        });
        host.show();
        ChooserAnswer none;
        none.arm();
        clickChoose(*picker);
        QCOMPARE(presented, 1);
        QCoreApplication::processEvents();
        QCOMPARE(none.opened, 0);
        QVERIFY(host.findChildren<ApplicationChooser *>().isEmpty());

        // The operation handed over is the chooser itself.
        ChooserAnswer answer{{"mail"}, true};
        answer.arm();
        operation();
        QCOMPARE(answer.opened, 1);
        QCOMPARE(picker->bundleIdentifiers(), QStringList{"org.example.Mail"});
    }

    void boundToStoredStreak()
    {
        editortest::InstalledAppsFixture apps;
        editortest::EngineFixture f;
        AppPicker picker(apps.index());
        picker.bindTo(f.engine, f.streak);
        QCOMPARE(picker.bundleIdentifiers(), QStringList{"code"});
        picker.append({"org.example.Mail", "code"});
        QCOMPARE(f.streak->bundleIdentifiers(), (QStringList{"code", "org.example.Mail"}));
        QVERIFY(!f.context().hasChanges());
        f.engine.bundleIdentifiersBindingSet(f.streak, {"org.gnome.TextEditor"});
        QCOMPARE(rows(picker).value(0).name, "Text Editor");
    }
};

QTEST_MAIN(tst_AppPicker)
#include "tst_AppPicker.moc"
