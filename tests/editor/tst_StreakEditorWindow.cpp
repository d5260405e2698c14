#include <memory>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <QDir>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include "EditorFixture.h"
#include "FakeActivationPolicy.h"
#include "FakeSystemAppearance.h"
#include "Screenshots.h"
#include "UiTestSupport.h"
#include "editor/DeleteConfirmContent.h"
#include "editor/NewStreakFormContent.h"
#include "editor/NewStreakSheet.h"
#include "editor/StreakDetailSheet.h"
#include "editor/StreakEditorWindow.h"
#include "editor/TombstoneRow.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "model/AppSettings.h"
#include "model/Tombstone.h"
#include "ui/Color.h"
#include "ui/DestructiveButton.h"
#include "ui/DisplayNumeral.h"
#include "ui/Motion.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

// The editor window over a store with two streaks, one with broken runs.
struct WindowRig : editortest::ScreensFixture {
    std::shared_ptr<testing::FakeActivationPolicy> policy =
        std::make_shared<testing::FakeActivationPolicy>();
    fennimar::ActivationPolicyCoordinator coordinator{policy};
    testing::FakeSystemAppearance system;
    ThemeController theme{system};
    TranslationLoader &translations;
    std::shared_ptr<Streak> a;
    std::shared_ptr<Streak> b;

    explicit WindowRig(TranslationLoader &loader)
        : translations(loader)
    {
        a = add("Reading", {"news.example.org"}, 24 * 9 + 1, 0);
        b = add("Code", {"code"}, 24 * 2, 1, StreakType::app);
        a->setIsPrimary(true);
        a->setBestDays(14);
        broke(a, 3, 30, "firm", "Bored");
        broke(a, 14, 20, "brutal", std::nullopt);
        save();
        engine.reload();
    }
    ~WindowRig()
    {
        if (auto *open = StreakEditorWindow::current())
            open->window()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void broke(const std::shared_ptr<Streak> &s, qint64 days, int brokenDaysAgo,
               const QString &mode, const std::optional<QString> &why)
    {
        auto t = std::make_shared<Tombstone>(QUuid::createUuid(), days,
                                             now.addDays(-brokenDaysAgo - days),
                                             now.addDays(-brokenDaysAgo), why, mode);
        context().insert(t);
        QVERIFY(t->setStreak(s));
    }
    StreakEditorWindow *open(const StreakEditorMode &mode)
    {
        return StreakEditorWindow::open(mode, {persistence, engine, planning, apps.index(), theme,
                                               translations, coordinator, scheduler});
    }
    StreakDetailSheet *sheet() const
    {
        auto *open = StreakEditorWindow::current();
        return open ? qobject_cast<StreakDetailSheet *>(open->content()) : nullptr;
    }
};

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

} // namespace

class tst_StreakEditorWindow : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(m_translations.load("en"));
    }

    // At most one editor: a second open shows its window before the first
    // closes, so the policy hold goes 1, 2, 1 and the application never
    // leaves the regular policy; closing the last gives the hold back once.
    void openingAnotherReplacesTheWindow_data()
    {
        QTest::addColumn<bool>("sameStreak");
        QTest::newRow("another streak") << false;
        QTest::newRow("the same streak") << true;
    }
    void openingAnotherReplacesTheWindow()
    {
        QFETCH(bool, sameStreak);
        WindowRig rig(m_translations);
        QPointer<StreakEditorWindow> first = rig.open(StreakEditorMode::detail(rig.a->id()));
        QVERIFY(first->window()->isVisible());
        QCOMPARE(rig.coordinator.refCount(), 1);
        QPointer<QWidget> firstWindow = first->window();
        bool secondShownWhenFirstClosed = false;
        QObject::connect(first.data(), &QObject::destroyed, [&] {
            secondShownWhenFirstClosed = StreakEditorWindow::current() &&
                                         StreakEditorWindow::current()->window()->isVisible();
        });

        const QUuid next = sameStreak ? rig.a->id() : rig.b->id();
        QPointer<StreakEditorWindow> second = rig.open(StreakEditorMode::detail(next));
        QCOMPARE(StreakEditorWindow::current(), second.data());
        QVERIFY(!firstWindow->isVisible());
        QCOMPARE(rig.coordinator.refCount(), 1);
        QCOMPARE(rig.policy->changes,
                 QList<fennimar::ActivationPolicy>{fennimar::ActivationPolicy::regular});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(secondShownWhenFirstClosed);
        QCOMPARE(rig.sheet()->streakId(), next);

        second->window()->close();
        QVERIFY(!StreakEditorWindow::current());
        QCOMPARE(rig.coordinator.refCount(), 0);
        QCOMPARE(rig.policy->changes,
                 (QList<fennimar::ActivationPolicy>{fennimar::ActivationPolicy::regular,
                                                    fennimar::ActivationPolicy::accessory}));
    }

    // Each mode's title, starting size and content; both resize within limits.
    void modes_data()
    {
        QTest::addColumn<bool>("detail");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("size");
        QTest::newRow("detail") << true << "Streak" << QSize(520, 760);
        QTest::newRow("new streak") << false << "New streak" << QSize(520, 680);
    }
    void modes()
    {
        QFETCH(bool, detail);
        QFETCH(QString, title);
        QFETCH(QSize, size);
        WindowRig rig(m_translations);
        auto *editor = rig.open(detail ? StreakEditorMode::detail(rig.a->id())
                                       : StreakEditorMode::newStreak());
        QWidget *window = editor->window();
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(window->size(), size);
        // The window never gets smaller than its sheet, whose footer would
        // then fall outside it.
        QCOMPARE(window->minimumSize(), QSize(480, 560));
        QCOMPARE(window->maximumSize(), QSize(720, 1000));
        QCOMPARE(editor->content()->minimumSize(), QSize(480, 560));
        QCOMPARE(editor->content()->maximumSize(), QSize(720, detail ? 1000 : 900));
        window->resize(300, 300);
        QCOMPARE(window->size(), window->minimumSize());
        QCoreApplication::processEvents();
        for (const char *button : {"streakEditor.detail.close", "streakEditor.detail.delete",
                                   "streakEditor.button.cancel", "streakEditor.button.save"}) {
            if (auto *b = editor->content()->findChild<QWidget *>(button)) {
                const QRect where(b->mapTo(window, QPoint(0, 0)), b->size());
                QVERIFY2(window->rect().contains(where), button);
            }
        }
        QCOMPARE(qobject_cast<StreakDetailSheet *>(editor->content()) != nullptr, detail);
        if (!detail) {
            // The new-streak sheet closes its window on Cancel.
            auto *sheet = qobject_cast<NewStreakSheet *>(editor->content());
            QSignalSpy dismissed(sheet, &NewStreakSheet::dismissed);
            click(sheet->findChild<QWidget *>("streakEditor.button.cancel"));
            QCOMPARE(dismissed.count(), 1);
            QVERIFY(!window->isVisible());
            QVERIFY(!StreakEditorWindow::current());
        }
    }

    // The detail sheet: the day count, best and average; broken runs newest
    // first, each followed by a divider; an empty history says so.
    void detailShowsTheRuns()
    {
        WindowRig rig(m_translations);
        rig.open(StreakEditorMode::detail(rig.a->id()));
        auto *sheet = rig.sheet();
        QCOMPARE(sheet->findChild<DisplayNumeral *>("streakEditor.detail.days")->value(), 9);
        QCOMPARE(sheet->findChild<QLabel *>("streakEditor.detail.best")->text(), "14");
        QCOMPARE(sheet->findChild<QLabel *>("streakEditor.detail.avg")->text(), "9"); // 26 / 3
        QWidget *history = sheet->findChild<QWidget *>("streakEditor.detail.tombstones");
        const auto rows = history->findChildren<TombstoneRow *>();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0]->findChild<QLabel *>("streakEditor.tombstone.count")->text(), "14");
        QCOMPARE(rows[0]->findChild<QLabel *>("streakEditor.tombstone.mode")->text(), "Brutal");
        QVERIFY(!rows[0]->findChild<QLabel *>("streakEditor.tombstone.why"));
        QCOMPARE(rows[1]->findChild<QLabel *>("streakEditor.tombstone.why")->text(), "Bored");
        QCOMPARE(history->findChildren<QWidget *>("divider", Qt::FindDirectChildrenOnly).size(), 2);

        rig.open(StreakEditorMode::detail(rig.b->id()));
        QVERIFY(rig.sheet()->findChild<QWidget *>("tombstone.empty"));
        QCOMPARE(rig.sheet()->findChild<QLabel *>("streakEditor.detail.avg")->text(), "2");
    }

    // A name longer than the header is cut with "…" at its edge, not
    // mid-letter; the whole name stays in the tooltip.
    void longNameEndsInAnEllipsis()
    {
        WindowRig rig(m_translations);
        const QString name =
            "Evenings and weekends without the endless news feeds, video sites and forums";
        rig.a->setName(name);
        QVERIFY(rig.save());
        rig.open(StreakEditorMode::detail(rig.a->id()));
        QWidget *window = StreakEditorWindow::current()->window();
        auto *header = rig.sheet()->findChild<QLabel *>("streakEditor.detail.header");
        for (const int width : {480, 720}) {
            window->resize(width, 760);
            QCoreApplication::processEvents();
            QCOMPARE(rig.sheet()->name(), name);
            QVERIFY2(header->text().endsWith(u'…'), qPrintable(header->text()));
            QVERIFY(name.startsWith(header->text().chopped(1)));
            QVERIFY(header->fontMetrics().horizontalAdvance(header->text()) <=
                    header->contentsRect().width());
            QCOMPARE(header->toolTip(), name);
        }
        rig.a->setName("Reading");
        QVERIFY(rig.save());
        QCOMPARE(header->text(), "Reading");
        QCOMPARE(header->toolTip(), QString());
    }

    // Deleting from the editor: Delete asks first and is refused for half a
    // second; Cancel keeps everything; confirming cancels the milestones,
    // deletes the streak with its history, moves the primary and closes.
    void deleteFromTheEditor_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("cancel") << false;
        QTest::newRow("confirm") << true;
    }
    void deleteFromTheEditor()
    {
        QFETCH(bool, confirm);
        WindowRig rig(m_translations);
        QPointer<StreakEditorWindow> editor = rig.open(StreakEditorMode::detail(rig.a->id()));
        click(rig.sheet()->findChild<QWidget *>("streakEditor.detail.delete"));
        auto *dialog = rig.sheet()->deleteDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->size(), QSize(420, 220));
        auto *remove = dialog->content()->deleteButton();
        click(remove);
        rig.scheduler.advance(0.4);
        click(remove);
        QCOMPARE(rig.stored(), 2);
        rig.scheduler.advance(0.1);

        click(confirm ? static_cast<QWidget *>(remove)
                      : dialog->findChild<QWidget *>("popover.delete.cancel"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!rig.sheet() || !rig.sheet()->deleteDialog());
        QCOMPARE(rig.stored(), confirm ? 1 : 2);
        QCOMPARE(rig.context().fetchCount<Tombstone>().value(), confirm ? 0 : 2);
        QCOMPARE(rig.planning.cancelled,
                 confirm ? std::vector<QUuid>{rig.a->id()} : std::vector<QUuid>{});
        QCOMPARE(rig.engine.primaryStreakId(),
                 std::optional<QUuid>(confirm ? rig.b->id() : rig.a->id()));
        QCOMPARE(bool(editor), !confirm);
        QCOMPARE(StreakEditorWindow::current() != nullptr, !confirm);
    }

    // Deleted elsewhere while the sheet is open: the not-found note, whose
    // Close closes the window; the old controls write nothing.
    void deletedElsewhere()
    {
        WindowRig rig(m_translations);
        rig.open(StreakEditorMode::detail(rig.a->id()));
        auto *sheet = rig.sheet();
        auto *name = sheet->findChild<QLineEdit *>("streakEditor.field.name");
        QVERIFY(sheet->showsStreak());
        QVERIFY(rig.engine.deleteStreak(rig.a->id()));
        QVERIFY(!sheet->showsStreak());
        QSignalSpy saves(&rig.context(), &ModelContext::didSave);
        name->setText("Ghost");
        click(sheet->findChild<QWidget *>("streakEditor.toggle.notifications"));
        QCOMPARE(saves.count(), 0);
        QVERIFY(rig.planning.calls.empty());
        click(sheet->findChild<QWidget *>("streakEditor.detail.notFound.close"));
        QVERIFY(!StreakEditorWindow::current());
    }

    // The editor window's screens in both themes, as PNG files for people to
    // look at: among the screenshots.
    void screenshots_data()
    {
        QTest::addColumn<QString>("scene");
        QTest::addColumn<QString>("language");
        QTest::newRow("detail") << "detail"
                                << "en";
        QTest::newRow("detail-scrolled") << "scrolled"
                                         << "en";
        QTest::newRow("detail-delete") << "delete"
                                       << "en";
        QTest::newRow("detail-gone") << "gone"
                                     << "en";
        QTest::newRow("detail-long-name") << "long"
                                          << "en";
        QTest::newRow("detail-smallest") << "smallest"
                                         << "en";
        QTest::newRow("detail-smallest-de") << "smallest"
                                            << "de";
        QTest::newRow("new") << "new"
                             << "en";
        QTest::newRow("new-smallest") << "new-smallest"
                                      << "en";
        QTest::newRow("new-smallest-de") << "new-smallest"
                                         << "de";
    }
    void screenshots()
    {
        QFETCH(QString, scene);
        QFETCH(QString, language);
        WindowRig rig(m_translations);
        rig.theme.setTheme(AppTheme::light);
        AppSettings::fetchOrCreate(rig.context())->setLanguageRaw(language);
        if (scene == "long") {
            rig.a->setName(
                "Evenings and weekends without the endless news feeds, video sites and forums");
        }
        QVERIFY(rig.save());
        const bool smallest = scene.endsWith(u"smallest");
        auto *editor = rig.open(scene.startsWith(u"new") ? StreakEditorMode::newStreak()
                                                         : StreakEditorMode::detail(rig.a->id()));
        QWidget *window = editor->window();
        QWidget *shot = window;
        if (scene == "scrolled") {
            QCoreApplication::processEvents();
            auto *bar = rig.sheet()->findChild<QScrollArea *>()->verticalScrollBar();
            bar->setValue(bar->maximum());
        } else if (scene == "delete") {
            rig.sheet()->showDeleteDialog();
            shot = rig.sheet()->deleteDialog();
        } else if (smallest) {
            window->resize(window->minimumSize());
            // Wrapped lines take a few turns to settle their heights.
            for (int i = 0; i < 3; ++i)
                QCoreApplication::processEvents();
        } else if (scene == "gone") {
            QVERIFY(rig.engine.deleteStreak(rig.a->id()));
        }
        for (const auto &[name, theme] : {std::pair{QStringLiteral("light"), AppTheme::light},
                                          std::pair{QStringLiteral("dark"), AppTheme::dark}}) {
            rig.theme.setTheme(theme);
            const QImage image = testing::renderWidget(shot);
            QVERIFY(
                !testing::screenshots::save(
                     image, u"editor-" + QString::fromLatin1(QTest::currentDataTag()) + u'-' + name)
                     .isEmpty());
            const ThemeColor &ground = Color::background();
            QCOMPARE_COLOR(image.pixelColor(2, image.height() / 2),
                           theme == AppTheme::light ? ground.light() : ground.dark());
        }
        if (smallest) {
            const QStringList faults = testing::scrollAreaFaults(window);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        }
        QVERIFY(m_translations.load("en"));
    }
};

QTEST_MAIN(tst_StreakEditorWindow)
#include "tst_StreakEditorWindow.moc"
