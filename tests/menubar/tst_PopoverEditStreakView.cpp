#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "EditorFixture.h"
#include "editor/AppPicker.h"
#include "editor/DomainListInput.h"
#include "menubar/ClampedLabel.h"
#include "menubar/PopoverBackHeader.h"
#include "menubar/PopoverEditStreakView.h"
#include "model/Tombstone.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

using Edit = std::function<void(PopoverEditStreakView &)>;
using Stored = std::function<QVariant(const Streak &)>;

struct EditRig : editortest::ScreensFixture {
    std::shared_ptr<Streak> streak;
    std::unique_ptr<PopoverEditStreakView> view;
    QStringList effects;

    explicit EditRig(StreakType type = StreakType::site)
    {
        streak = add("Reading", {type == StreakType::site ? "a.com" : "code"}, 24 * 5, 0, type);
        streak->setUpdatedAt(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC));
        save();
        QObject::connect(&engine, &StreakEngine::streaksChanged, [this] { effects << "reload"; });
        QObject::connect(&engine, &StreakEngine::rulesChangedSubject,
                         [this](bool) { effects << "rules"; });
        engine.setMilestonePlanning(&planning);
    }
    void build()
    {
        view = std::make_unique<PopoverEditStreakView>(streak->id(), persistence, engine,
                                                       apps.index());
        view->resize(340, 520);
        view->show();
    }
    void broke(qint64 days)
    {
        auto t = std::make_shared<Tombstone>(QUuid::createUuid(), days, now.addDays(-days - 1),
                                             now.addDays(-1), std::nullopt, "firm");
        context().insert(t);
        QVERIFY(t->setStreak(streak));
    }
    template <class T = QWidget> T *child(const QString &name)
    {
        auto *w = view->findChild<T *>(name);
        if (!w)
            qFatal("no %s", qPrintable(name));
        return w;
    }
};

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

} // namespace

class tst_PopoverEditStreakView : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
    }

    // The line under the header: the current run, the best (the current one
    // when it beats the stored best) and the rounded mean of every run.
    void summary_data()
    {
        QTest::addColumn<int>("currentDays");
        QTest::addColumn<int>("storedBest");
        QTest::addColumn<QList<int>>("broken");
        QTest::addColumn<QString>("text");
        QTest::newRow("no broken runs") << 5 << 3 << QList<int>{} << "5\u00a0days · best 5 · avg 5";
        QTest::newRow("7 / 3 rounds down")
            << 0 << 4 << QList<int>{3, 4} << "0\u00a0days · best 4 · avg 2";
        QTest::newRow("2.5 rounds up") << 0 << 5 << QList<int>{5} << "0\u00a0days · best 5 · avg 3";
        QTest::newRow("stored best")
            << 12 << 30 << QList<int>{30} << "12\u00a0days · best 30 · avg 21";
    }
    void summary()
    {
        QFETCH(int, currentDays);
        QFETCH(int, storedBest);
        QFETCH(QList<int>, broken);
        QFETCH(QString, text);
        EditRig rig;
        rig.streak->setStartedAt(rig.now.addSecs(-qint64(currentDays) * 86400 - 60));
        rig.streak->setBestDays(storedBest);
        for (int days : broken)
            rig.broke(days);
        QVERIFY(rig.save());
        rig.build();
        QCOMPARE(rig.view->summary()->text(), text);
        QCOMPARE(rig.view->header()->titleLabel()->text(), "Reading");
    }

    // Every control writes at once through the edit bindings: the value is
    // stored and saved, updatedAt stamped, and each field's own follow-ups run.
    void editsReachTheStore_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<Stored>("stored");
        QTest::addColumn<QVariant>("expected");
        QTest::addColumn<QStringList>("effects");
        QTest::addColumn<int>("plans");
        const auto field = [](const char *name) {
            return [name](PopoverEditStreakView &v) {
                click(v.findChild<QWidget *>(QString::fromLatin1(name)));
            };
        };
        const int site = int(StreakType::site);
        QTest::newRow("name") << site << Edit([](PopoverEditStreakView &v) {
            auto *name = v.findChild<QLineEdit *>("streakEditor.field.name");
            name->end(false);
            QTest::keyClicks(name, "!");
        }) << Stored([](const Streak &s) { return s.name(); })
                              << QVariant("Reading!") << QStringList{"reload"} << 1;
        QTest::newRow("sites") << site << Edit([](PopoverEditStreakView &v) {
            QTest::keyClick(v.findChild<QLineEdit *>("streakEditor.domains.field"), 'x');
        }) << Stored([](const Streak &s) { return s.domains(); })
                               << QVariant(QStringList{"a.comx"}) << QStringList{} << 0;
        QTest::newRow("apps") << int(StreakType::app) << Edit([](PopoverEditStreakView &v) {
            v.findChild<AppPicker *>()->remove("code");
        }) << Stored([](const Streak &s) { return s.bundleIdentifiers(); })
                              << QVariant(QStringList{}) << QStringList{} << 0;
        QTest::newRow("mode") << site << Edit(field("streakEditor.mode.brutal"))
                              << Stored([](const Streak &s) { return s.modeRaw(); })
                              << QVariant("brutal") << QStringList{"reload"} << 0;
        QTest::newRow("active window")
            << site << Edit(field("streakEditor.activeWindow.toggle"))
            << Stored([](const Streak &s) { return s.activeWindowEnabled(); }) << QVariant(true)
            << QStringList{} << 0;
        QTest::newRow("allowance") << site << Edit(field("streakEditor.allowance.toggle"))
                                   << Stored([](const Streak &s) { return s.allowanceEnabled(); })
                                   << QVariant(true) << QStringList{"reload", "rules"} << 0;
        QTest::newRow("free pass") << site << Edit(field("streakEditor.toggle.freePass"))
                                   << Stored([](const Streak &s) { return s.allowDailyFreePass(); })
                                   << QVariant(false) << QStringList{} << 0;
        QTest::newRow("external links")
            << site << Edit(field("streakEditor.toggle.externalLink"))
            << Stored([](const Streak &s) { return s.allowExternalLinkBypass(); })
            << QVariant(false) << QStringList{} << 0;
        QTest::newRow("notifications")
            << site << Edit(field("streakEditor.toggle.notifications"))
            << Stored([](const Streak &s) { return s.notificationsEnabled(); }) << QVariant(false)
            << QStringList{"reload"} << 1;
    }
    void editsReachTheStore()
    {
        QFETCH(int, type);
        QFETCH(Edit, edit);
        QFETCH(Stored, stored);
        QFETCH(QVariant, expected);
        QFETCH(QStringList, effects);
        QFETCH(int, plans);
        EditRig rig{StreakType(type)};
        rig.build();
        QSignalSpy saves(&rig.context(), &ModelContext::didSave);
        rig.effects.clear();
        const QDateTime before = QDateTime::currentDateTimeUtc();

        edit(*rig.view);
        QCoreApplication::sendPostedEvents(&rig.engine, QEvent::MetaCall);

        QCOMPARE(stored(*rig.streak), expected);
        QVERIFY(rig.streak->updatedAt() >= before);
        QCOMPARE(saves.count(), 1);
        QVERIFY(!rig.context().hasChanges());
        QCOMPARE(rig.effects, effects);
        QCOMPARE(int(rig.planning.calls.size()), plans);
    }

    // Renames go keystroke by keystroke, trimmed of blanks; a blank name is
    // never stored, and the field keeps what was typed.
    void renameAsTyped()
    {
        EditRig rig;
        rig.build();
        auto *name = rig.child<QLineEdit>("streakEditor.field.name");
        name->selectAll();
        QTest::keyClicks(name, " News ");
        QCOMPARE(rig.streak->name(), "News");
        QCOMPARE(name->text(), " News ");
        QCOMPARE(rig.view->header()->titleLabel()->text(), "News");
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(name->text(), "");
        QCOMPARE(rig.streak->name(), "N");
    }

    // A streak deleted elsewhere turns the screen into its not-found note,
    // whose one button (reading "Back") returns to the list; nothing the old
    // controls do reaches the store.
    void deletedElsewhere()
    {
        EditRig rig;
        rig.build();
        auto *name = rig.child<QLineEdit>("streakEditor.field.name");
        auto *freePass = rig.child("streakEditor.toggle.freePass");
        QVERIFY(rig.engine.deleteStreak(rig.streak->id()));
        QVERIFY(!rig.view->showsStreak());
        QVERIFY(rig.child("popover.edit.notFound")->isVisible());
        auto *back = rig.child<QAbstractButton>("popover.edit.notFound.back");
        QCOMPARE(back->text(), "Back");

        QSignalSpy saves(&rig.context(), &ModelContext::didSave);
        name->setText("Ghost");
        click(freePass);
        QCOMPARE(saves.count(), 0);
        QCOMPARE(rig.streak->name(), "Reading");
        QCOMPARE(rig.stored(), 0);

        QSignalSpy dismissed(rig.view.get(), &PopoverEditStreakView::dismissed);
        click(back);
        QCOMPARE(dismissed.count(), 1);
    }

    // Exactly "app" picks applications; any other stored type lists sites.
    void targetsFollowTheStoredType_data()
    {
        QTest::addColumn<QString>("typeRaw");
        QTest::addColumn<bool>("apps");
        QTest::newRow("app") << "app" << true;
        QTest::newRow("site") << "site" << false;
        QTest::newRow("unknown") << "usb" << false;
    }
    void targetsFollowTheStoredType()
    {
        QFETCH(QString, typeRaw);
        QFETCH(bool, apps);
        EditRig rig;
        rig.streak->setTypeRaw(typeRaw);
        rig.build();
        QCOMPARE(rig.view->findChild<AppPicker *>() != nullptr, apps);
        QCOMPARE(rig.view->findChild<DomainListInput *>() != nullptr, !apps);
    }
};

QTEST_MAIN(tst_PopoverEditStreakView)
#include "tst_PopoverEditStreakView.moc"
