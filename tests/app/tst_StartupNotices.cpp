// The start-up notices: what they say of a store that could not be opened,
// and their window, which goes on however it closes. The window is drawn in
// both themes, in English and German, to PNG files under
// $HALVEX_SCREENSHOT_DIR (else $TMPDIR/halvex-screenshots).
#include <sys/stat.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "FakeActivationPolicy.h"
#include "FakeSystemAppearance.h"
#include "FakeWorkspace.h"
#include "Screenshots.h"
#include "UiTestSupport.h"
#include "app/StartupNoticeWindow.h"
#include "app/StartupNotices.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "model/AppSettings.h"
#include "model/BackupManager.h"
#include "model/ModelContext.h"
#include "platform/UserDefaults.h"
#include "ui/ButtonBase.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/NoticeView.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

// A store folder in a temporary home, opened as start-up opens it, with
// what a window needs around it.
struct Desk {
    QTemporaryDir home;
    StoreEnvironment environment{home.filePath(QStringLiteral("share")), home.path(), {}};
    std::unique_ptr<PersistenceController> store;
    std::unique_ptr<BackupManager> backups;
    testing::FakeSystemAppearance appearance;
    ThemeController theme{appearance};
    TranslationLoader translations;
    testing::FakeWorkspace workspace;
    std::shared_ptr<testing::FakeActivationPolicy> backend =
        std::make_shared<testing::FakeActivationPolicy>();
    fennimar::ActivationPolicyCoordinator policy{backend};
    platform::UserDefaults defaults{home.filePath(QStringLiteral("defaults.ini"))};

    QString folder() const { return environment.applicationSupport + QStringLiteral("/Halvex"); }
    QString storePath() const { return folder() + QStringLiteral("/Halvex.sqlite"); }
    QString backupsFolder() const { return folder() + QStringLiteral("/backups"); }

    // damage: "none", "damaged file", "folder in its place", "read-only file".
    void open(const QString &damage, const QStringList &backupNames = {})
    {
        QVERIFY(QDir().mkpath(backupsFolder()));
        for (const QString &name : backupNames) {
            QFile file(backupsFolder() + u'/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        if (damage == u"damaged file" || damage == u"read-only file") {
            QFile file(storePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(damage == u"damaged file" ? QByteArray(8192, '\x5a') : QByteArray());
        }
        if (damage == u"read-only file")
            QVERIFY(::chmod(QFile::encodeName(storePath()).constData(), 0444) == 0);
        if (damage == u"folder in its place")
            QVERIFY(QDir().mkpath(storePath()));
        store = std::make_unique<PersistenceController>(false, environment);
        backups = std::make_unique<BackupManager>(*store, environment, DayClock());
    }

    StartupNotices notices(bool wayland = false) const
    {
        QProcessEnvironment session;
        session.insert(QStringLiteral("DISPLAY"), QStringLiteral(":0"));
        if (wayland)
            session.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
        return StartupNotices::due(*store, *backups, session, defaults);
    }

    void setLook(const QString &language, const QString &theme)
    {
        const auto settings = AppSettings::fetchOrCreate(store->mainContext());
        settings->setLanguageRaw(language);
        settings->setThemeRaw(theme);
    }

    std::unique_ptr<StartupNoticeWindow> window(const StartupNotices &notices,
                                                QStringList *calls = nullptr)
    {
        auto window = std::make_unique<StartupNoticeWindow>(
            StartupNoticeWindow::Services{store->mainContext(), theme, translations, policy,
                                          workspace},
            notices,
            StartupNoticeWindow::Hooks{[calls] {
                                           if (calls)
                                               *calls << QStringLiteral("read");
                                       },
                                       [calls] {
                                           if (calls)
                                               *calls << QStringLiteral("quit");
                                       }});
        window->present();
        return window;
    }
};

ButtonBase *button(const StartupNoticeWindow &window, const QString &name)
{
    return window.window()->findChild<ButtonBase *>(u"startup_notice." + name);
}

} // namespace

class tst_StartupNotices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Motion::setReduceMotion(true); }

    void theStoreNoticeSaysWhatFailedAndWhere_data();
    void theStoreNoticeSaysWhatFailedAndWhere();
    void theWindowGoesOnHoweverItCloses_data();
    void theWindowGoesOnHoweverItCloses();
    void gallery_data();
    void gallery();
};

void tst_StartupNotices::theStoreNoticeSaysWhatFailedAndWhere_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QStringList>("backups");
    QTest::addColumn<QString>("newest"); // empty: none is named
    const QStringList two{"2026-03-04.json", "2026-03-05.json", "notes.txt"};
    QTest::newRow("a good store") << "none" << two << "";
    QTest::newRow("a damaged file") << "damaged file" << two << "2026-03-05.json";
    QTest::newRow("a folder in its place, no backups yet")
        << "folder in its place" << QStringList{} << "";
    QTest::newRow("a read-only file") << "read-only file" << two << "2026-03-05.json";
}

void tst_StartupNotices::theStoreNoticeSaysWhatFailedAndWhere()
{
    QFETCH(QString, damage);
    QFETCH(QStringList, backups);
    QFETCH(QString, newest);
    Desk desk;
    desk.open(damage, backups);
    QVERIFY(desk.translations.load(QStringLiteral("en")));
    const StartupNotices notices = desk.notices();
    QCOMPARE(notices.isEmpty(), damage == u"none");
    if (notices.isEmpty())
        return;

    const QList<NoticeView::Topic> topics = notices.topics();
    QCOMPARE(topics.size(), 1);
    QCOMPARE(topics[0].title, QStringLiteral("Halvex could not open its store"));
    const QString text = topics[0].paragraphs.join(u'\n');
    // The file and the error, that nothing is kept, where to look.
    QVERIFY2(text.contains(desk.storePath()), qPrintable(text));
    if (damage == u"read-only file")
        QVERIFY2(text.contains(u"read-only"), qPrintable(text));
    else
        QVERIFY2(text.contains(desk.store->openFailure()->detail), qPrintable(text));
    QVERIFY2(text.contains(u"nothing you set up"), qPrintable(text));
    QVERIFY2(text.contains(desk.folder() + u',') && text.contains(desk.backupsFolder() + u'.'),
             qPrintable(text));
    QCOMPARE(text.contains(u".json"), !newest.isEmpty());
    if (!newest.isEmpty())
        QVERIFY2(text.contains(QStringLiteral("The newest backup is %1.").arg(newest)),
                 qPrintable(text));
    QCOMPARE(notices.continueTitle(), QStringLiteral("Continue without saving"));
}

void tst_StartupNotices::theWindowGoesOnHoweverItCloses_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("going on") << "continue" << QStringList{"read"};
    QTest::newRow("the close button") << "close" << QStringList{"read"};
    QTest::newRow("Esc") << "escape" << QStringList{"read"};
    // Quitting first, so that whoever hears of the read does not go on.
    QTest::newRow("quitting") << "quit" << QStringList{"quit", "read"};
}

void tst_StartupNotices::theWindowGoesOnHoweverItCloses()
{
    QFETCH(QString, how);
    Desk desk;
    desk.open(QStringLiteral("damaged file"));
    QStringList calls;
    const auto window = desk.window(desk.notices(), &calls);
    QVERIFY(window->window()->isVisible());
    QCOMPARE(desk.policy.refCount(), 1);

    // Showing the folder leaves the window open.
    button(*window, QStringLiteral("show_folder"))->click();
    QCOMPARE(desk.workspace.openedUrls, QList<QUrl>{QUrl::fromLocalFile(desk.folder())});
    QVERIFY(calls.isEmpty() && window->window()->isVisible());

    if (how == u"close")
        QVERIFY(window->window()->close());
    else if (how == u"escape")
        QTest::keyClick(window->window(), Qt::Key_Escape);
    else
        button(*window, how)->click();
    QTEST(calls, "calls");
    QCOMPARE(desk.policy.refCount(), 0);
    QVERIFY(!window->window());
}

void tst_StartupNotices::gallery_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("theme");
    for (const char *language : {"en", "de", "ja"}) {
        for (const char *theme : {"light", "dark"})
            QTest::newRow(qPrintable(QStringLiteral("%1-%2").arg(language, theme)))
                << QString::fromLatin1(language) << QString::fromLatin1(theme);
    }
}

void tst_StartupNotices::gallery()
{
    QFETCH(QString, language);
    QFETCH(QString, theme);
    Desk desk;
    desk.open(QStringLiteral("damaged file"), {QStringLiteral("2026-03-05.json")});
    desk.setLook(language, theme);
    const auto window = desk.window(desk.notices(true));
    QWidget *shown = window->window();
    const QImage image = testing::render(shown);
    QVERIFY(!testing::screenshots::save(image, u"startup-notices-" + language + u'-' + theme)
                 .isEmpty());

    const ThemeColor &background = Color::background();
    QCOMPARE_COLOR(image.pixelColor(2, 2),
                   theme == u"dark" ? background.dark() : background.light());
    // In the stored language, every line whole inside the window.
    const auto *title = shown->findChild<KitLabel *>(QStringLiteral("startup_notice.store.title"));
    QVERIFY(title);
    QCOMPARE(title->text() == u"Halvex could not open its store", language == u"en");
    const QList<KitLabel *> labels = shown->findChildren<KitLabel *>();
    QCOMPARE(labels.size(), 6); // two titles, the store's three lines, Wayland's one
    for (const KitLabel *label : labels) {
        const QRect box(label->mapTo(shown, QPoint()), label->size());
        QVERIFY2(shown->rect().contains(box), qPrintable(label->text()));
        QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                 qPrintable(label->text()));
    }
    for (const QString name : {"show_folder", "quit", "continue"}) {
        const ButtonBase *action = button(*window, name);
        QVERIFY(action);
        QVERIFY(shown->rect().contains(QRect(action->mapTo(shown, QPoint()), action->size())));
        // Whole, not cut short with an ellipsis.
        QVERIFY2(action->width() >= action->sizeHint().width(), qPrintable(action->text()));
    }
}

QTEST_MAIN(tst_StartupNotices)
#include "tst_StartupNotices.moc"
