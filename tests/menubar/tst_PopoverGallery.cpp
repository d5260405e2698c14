// Renders the popover's screens at the popover's size in both themes to PNG
// files for people to look at: under $HALVEX_SCREENSHOT_DIR (else
// $TMPDIR/halvex-screenshots).
#include <functional>

#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "FakeSystemAppearance.h"
#include "EditorFixture.h"
#include "PermissionDesk.h"
#include "Screenshots.h"
#include "UiTestSupport.h"
#include "editor/NewStreakFormContent.h"
#include "menubar/ClampedLabel.h"
#include "menubar/PermissionErrorBanner.h"
#include "menubar/PopoverDeleteConfirmOverlay.h"
#include "menubar/PopoverListView.h"
#include "menubar/PopoverNewStreakView.h"
#include "menubar/PopoverRootView.h"
#include "ui/Color.h"
#include "ui/Motion.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

using Scene = std::function<void(editortest::ScreensFixture &, PopoverRootView &)>;
Q_DECLARE_METATYPE(Scene)

namespace {

void scrollToEnd(QWidget &window, QScrollArea *scroll)
{
    window.show(); // the range is known once laid out, and the content fitted
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
}

} // namespace

class tst_PopoverGallery : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;
    std::unique_ptr<testing::PermissionDesk> m_desk;

    // The permission banner over a fresh desk, above two site streaks (one
    // listing `browsers`), with `installed` browsers and no trust; or with
    // trust, and Chromium running but unreadable.
    Scene banner(QStringList browsers, QStringList installed, bool chromeUnreadable = false)
    {
        return [this, browsers, installed, chromeUnreadable](editortest::ScreensFixture &f,
                                                             PopoverRootView &root) {
            m_desk = std::make_unique<testing::PermissionDesk>();
            m_desk->installed = installed;
            m_desk->trusted = chromeUnreadable;
            m_desk->chromeProbe->unreadable = chromeUnreadable;
            // Named as the bridges name the browsers installed.
            m_desk->safariProbe->shownName = QStringLiteral("Safari");
            m_desk->firefoxProbe->shownName = QStringLiteral("Firefox");
            // The family's longest name, which the banner must still show whole.
            m_desk->chromeProbe->shownName = QStringLiteral("Microsoft Edge");
            f.add("Reading the news", {"news.ycombinator.com"}, 24 * 12, 0)->setBrowsers(browsers);
            f.add("Video", {"youtube.com"}, 2, 1);
            f.save();
            f.engine.reload();
            root.setPermissionBanner(new PermissionErrorBanner(
                {f.engine, m_desk->manager, m_desk->probes, m_desk->isInstalled()}));
            // Shown, the banner reads the snapshot; its height follows its
            // lines over a few turns of the layouts.
            root.show();
            for (int i = 0; i < 5; ++i)
                QCoreApplication::processEvents();
        };
    }

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    void screen_data()
    {
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<QString>("language");
        QTest::newRow("empty") << Scene([](auto &, auto &) {}) << "en";
        QTest::newRow("list") << Scene([](editortest::ScreensFixture &f, PopoverRootView &) {
            auto reading =
                f.add("Reading the news",
                      {"news.ycombinator.com", "reddit.com", "lobste.rs", "theverge.com"},
                      24 * 12 + 3, 0);
            auto editor = f.add("Code editor at night", {"code"}, 24 * 3, 1, StreakType::app);
            editor->setActiveWindowEnabled(true);
            editor->setActiveWindowStartMinutes(22 * 60);
            editor->setActiveWindowEndMinutes(6 * 60 + 30);
            editor->setActiveWeekdaysMask(62);
            editor->setModeRaw("brutal");
            auto video = f.add("Video", {"youtube.com"}, 2, 2);
            video->setAllowanceEnabled(true);
            video->setAllowanceMinutes(30);
            video->setModeRaw("gentle");
            auto paused = f.add("A very long streak name that wraps onto a second line and "
                                "then some more",
                                {"example.com"}, 24 * 400, 3);
            paused->setIsPaused(true);
            paused->setPausedUntil(f.now.addSecs(40 * 60));
            f.save();
            f.engine.reload();
        }) << "en";
        QTest::newRow("list-scrolled-de")
            << Scene([](editortest::ScreensFixture &f, PopoverRootView &root) {
                   for (int i = 0; i < 6; ++i)
                       f.add(QStringLiteral("Serie %1").arg(i + 1), {"spiegel.de"}, 24 * i * 5, i);
                   scrollToEnd(root, root.findChild<PopoverListView *>());
               })
            << "de";
        QTest::newRow("new") << Scene([](auto &, PopoverRootView &root) {
            root.setRoute(PopoverRoute::newStreak(), false);
        }) << "en";
        QTest::newRow("new-seeded") << Scene([](auto &, PopoverRootView &root) {
            root.setRoute(PopoverRoute::newStreak(DomainPreset::social), false);
        }) << "en";
        QTest::newRow("new-scrolled") << Scene([](auto &, PopoverRootView &root) {
            root.setRoute(PopoverRoute::newStreak(), false);
            scrollToEnd(root, root.findChild<NewStreakFormContent *>()->findChild<QScrollArea *>());
        }) << "en";
        QTest::newRow("banner-automation") << banner({"safari"}, {}) << "en";
        QTest::newRow("banner-accessibility")
            << banner({}, {testing::PermissionDesk::firefox}) << "en";
        QTest::newRow("banner-accessibility-de")
            << banner({}, {testing::PermissionDesk::chrome}) << "de";
        QTest::newRow("banner-unreadable")
            << banner({}, {testing::PermissionDesk::chrome}, true) << "en";
        for (const char *language : {"de", "es", "fr", "ja", "tr"})
            QTest::addRow("banner-unreadable-%s", language)
                << banner({}, {testing::PermissionDesk::chrome}, true) << language;
        const auto editing = [](editortest::ScreensFixture &f, PopoverRootView &root) {
            auto s = f.add("Reading the news late at night, every night",
                           {"news.ycombinator.com", "lobste.rs"}, 24 * 12 + 3, 0);
            s->setBestDays(30);
            f.save();
            f.engine.reload();
            root.setRoute(PopoverRoute::edit(s->id()), false);
            return s;
        };
        QTest::newRow("edit") << Scene([editing](auto &f, PopoverRootView &root) {
            editing(f, root);
        }) << "en";
        QTest::newRow("edit-scrolled") << Scene([editing](auto &f, PopoverRootView &root) {
            editing(f, root);
            scrollToEnd(root, root.currentScreen()->findChild<QScrollArea *>());
        }) << "en";
        QTest::newRow("edit-delete-de") << Scene([editing](auto &f, PopoverRootView &root) {
            root.setPendingDeleteId(editing(f, root)->id());
        }) << "de";
        QTest::newRow("edit-gone") << Scene([editing](auto &f, PopoverRootView &root) {
            f.context().remove(editing(f, root));
            f.save();
        }) << "en";
        QTest::newRow("new-error-ja") << Scene([](auto &, PopoverRootView &root) {
            root.setRoute(PopoverRoute::newStreak(), false);
            root.findChild<NewStreakFormContent *>()->attemptSave();
        }) << "ja";
    }
    void screen()
    {
        QFETCH(Scene, scene);
        QFETCH(QString, language);
        QVERIFY(m_translations.load(language));
        testing::FakeSystemAppearance system;
        ThemeController theme(system);
        theme.setTheme(AppTheme::light);
        editortest::ScreensFixture f;
        PopoverRootView root(f.persistence, f.engine, f.planning, f.apps.index(), f.scheduler);
        root.setLocale(QLocale(language));
        scene(f, root);

        QImage light = testing::render(&root);
        theme.setTheme(AppTheme::dark);
        QImage dark = testing::renderWidget(&root);
        QCOMPARE(light.size(), QSize(340, 520) * light.devicePixelRatio());

        for (const auto &[name, image] :
             {std::pair{QStringLiteral("light"), light}, std::pair{QStringLiteral("dark"), dark}}) {
            const QString path = testing::screenshots::save(
                image, QStringLiteral("popover-") + QString::fromLatin1(QTest::currentDataTag()) +
                           u'-' + name);
            QVERIFY2(!path.isEmpty(), QTest::currentDataTag());
            QVERIFY2(testing::screenshots::distinctColours(image) > 8, qPrintable(path));
        }
        // The delete confirmation dims the corner.
        const qreal dim = root.deleteOverlay() ? 0.35 : 0.0;
        QCOMPARE_COLOR(light.pixelColor(1, 1),
                       testing::over(Qt::black, dim, Color::background().light()));
        QCOMPARE_COLOR(dark.pixelColor(1, 1),
                       testing::over(Qt::black, dim, Color::background().dark()));
        // The banner's lines are clamped: what it says must fit within them.
        if (auto *banner = root.findChild<PermissionErrorBanner *>(); banner && banner->isVisible())
            QVERIFY2(!banner->messageLabel()->isTruncated(),
                     qPrintable(banner->messageLabel()->shownLines().join(u" / ")));
        const QStringList faults = testing::scrollAreaFaults(&root);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        QVERIFY(m_translations.load("en"));
    }
};

QTEST_MAIN(tst_PopoverGallery)
#include "tst_PopoverGallery.moc"
