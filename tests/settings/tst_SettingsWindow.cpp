#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

#include "LogCapture.h"
#include "OffscreenScreens.h"
#include "SettingsFixture.h"
#include "kit/WindowPlacement.h"
#include "settings/HalvexSettingsSidebar.h"
#include "settings/MenuPicker.h"
#include "settings/SettingsRootView.h"
#include "settings/SettingsWindow.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"

using namespace halvex;
using fennimar::ActivationPolicy;

Q_DECLARE_METATYPE(SettingsTab)

namespace {

int openSettingsWindows()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->objectName() == u"settings.window" && w->isVisible();
    return count;
}

} // namespace

class tst_SettingsWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<settingstest::SettingsFixture> f;
    std::shared_ptr<settingstest::FakePopover> popover;

    SettingsWindow *openOn(SettingsTab tab)
    {
        SettingsWindow::show(tab);
        SettingsWindow *controller = SettingsWindow::shared();
        if (controller)
            static_cast<void>(QTest::qWaitForWindowExposed(controller->window()));
        return controller;
    }

    void closeByEsc(SettingsWindow *controller)
    {
        QPointer<SettingsWindow> watched(controller);
        QTest::keyClick(controller->window(), Qt::Key_Escape);
        QTRY_VERIFY(!watched);
    }

private slots:
    void init()
    {
        f = std::make_unique<settingstest::SettingsFixture>();
        popover = std::make_shared<settingstest::FakePopover>();
        SettingsWindow::setDependencies(f->dependencies());
        SettingsWindow::setPopover([p = std::weak_ptr(popover)] { return p.lock().get(); });
    }
    void cleanup()
    {
        if (SettingsWindow *open = SettingsWindow::shared())
            closeByEsc(open);
        SettingsWindow::clearDependencies();
        SettingsWindow::setPopover({});
        f.reset();
    }

    void opensNothingBeforeItsDependencies()
    {
        SettingsWindow::clearDependencies();
        testing::LogCapture log;
        SettingsWindow::show(SettingsTab::general);
        QVERIFY(log.contains("com.fennimar.halvex.settings", "dependencies not configured"));
        QVERIFY(!SettingsWindow::shared());
        QCOMPARE(openSettingsWindows(), 0);
        QVERIFY(popover->shown); // the check comes first
        QCOMPARE(f->activation.refCount(), 0);
    }

    void keepsOneWindowWithOneHold()
    {
        SettingsWindow *first = openOn(SettingsTab::general);
        QVERIFY(first);
        QCOMPARE(popover->closes, 1);
        QCOMPARE(f->policy->policy, ActivationPolicy::regular);
        QCOMPARE(first->rootView()->page()->objectName(), QString("settings.general"));

        for (SettingsTab tab : {SettingsTab::about, SettingsTab::permissions}) {
            popover->shown = true;
            SettingsWindow::show(tab);
            QCOMPARE(SettingsWindow::shared(), first);
            QCOMPARE(first->router().selectedTab(), tab);
            QCOMPARE(first->rootView()->page()->objectName(), u"settings." + raw(tab));
            QVERIFY(QApplication::activeWindow() == first->window());
        }
        QCOMPARE(popover->closes, 3);
        QCOMPARE(openSettingsWindows(), 1);
        QCOMPARE(f->activation.refCount(), 1);
        QVERIFY(first->holdsDockPolicy());

        // Only the open window keeps its controller: closing ends both and
        // gives the one hold back, so the desktop policy returns.
        closeByEsc(first);
        QVERIFY(!SettingsWindow::shared());
        QCOMPARE(f->activation.refCount(), 0);
        QCOMPARE(f->policy->changes,
                 (QList<ActivationPolicy>{ActivationPolicy::regular, ActivationPolicy::accessory}));

        // A fresh controller, starting on the section that opened it.
        SettingsWindow *second = openOn(SettingsTab::about);
        QVERIFY(second);
        QCOMPARE(second->router().selectedTab(), SettingsTab::about);
        QCOMPARE(f->activation.refCount(), 1);
    }

    void restoresItsFrame_data()
    {
        QTest::addColumn<QRect>("moved");
        QTest::addColumn<bool>("kept");
        QTest::newRow("on the active screen") << QRect(200, 120, 760, 520) << true;
        // Brought back to the screen the user works on, centred there.
        QTest::newRow("on another screen") << QRect(1400, 100, 760, 520) << false;
    }
    void restoresItsFrame()
    {
        QFETCH(QRect, moved);
        QFETCH(bool, kept);
        const QPoint primaryCentre = QRect(0, 0, 1280, 800).center();
        const auto centredOnPrimary = [&](const QWidget *w) {
            return (w->frameGeometry().center() - primaryCentre).manhattanLength() <=
                   8; // give or take the frame
        };
        QVERIFY(!f->defaults.contains(fennimar::WindowPlacement::frameKey("HalvexSettings")));
        QWidget *window = openOn(SettingsTab::general)->window();
        QCOMPARE(window->size(), QSize(900, 600));
        QVERIFY(centredOnPrimary(window));
        window->resize(500, 300); // below the minimum
        QCOMPARE(window->size(), QSize(680, 480));
        window->setGeometry(moved);
        closeByEsc(SettingsWindow::shared());
        QVERIFY(f->defaults.contains(fennimar::WindowPlacement::frameKey("HalvexSettings")));

        QWidget *again = openOn(SettingsTab::about)->window();
        QCOMPARE(again->size(), moved.size());
        if (kept)
            QCOMPARE(again->geometry(), moved);
        else
            QVERIFY(centredOnPrimary(again));
    }

    void usesThePermissionsPageOnceGiven()
    {
        SettingsDependencies dependencies = f->dependencies();
        int built = 0;
        dependencies.permissionsPage = [&built] {
            ++built;
            auto *page = new QWidget;
            page->setObjectName("permissions.page");
            return page;
        };
        SettingsWindow::setDependencies(dependencies);
        SettingsWindow *controller = openOn(SettingsTab::permissions);
        QCOMPARE(controller->rootView()->page()->objectName(), QString("permissions.page"));
        SettingsWindow::show(SettingsTab::general);
        SettingsWindow::show(SettingsTab::permissions);
        QCOMPARE(built, 2); // each visit starts afresh
    }

    void sidebarSelectsSections()
    {
        SettingsWindow *controller = openOn(SettingsTab::general);
        HalvexSettingsSidebar *sidebar = controller->rootView()->sidebar();
        QSignalSpy changes(&controller->router(), &SettingsRouter::selectedTabChanged);
        const auto selectedRows = [&] {
            QStringList names;
            for (SettingsTab tab : allSettingsTabs)
                if (sidebar->row(tab)->isSelected())
                    names << raw(tab);
            return names;
        };

        QTest::mouseClick(sidebar->findChild<SidebarRow *>("settings.sidebar.about"),
                          Qt::LeftButton);
        QCOMPARE(controller->router().selectedTab(), SettingsTab::about);
        QCOMPARE(selectedRows(), QStringList{"about"});
        QCOMPARE(controller->rootView()->page()->objectName(), QString("settings.about"));
        QTest::mouseClick(sidebar->row(SettingsTab::about), Qt::LeftButton);
        QCOMPARE(changes.size(), 1);
        // The tip row writes in the accent colour whatever is chosen, with
        // no band or bar that would read as a second selection.
        SidebarRow *tip = sidebar->tipRow();
        QVERIFY(!tip->isSelected());
        QCOMPARE(tip->selectionLook(), 0.0);
        QCOMPARE(tip->fillColor().alpha(), 0);
        QCOMPARE(tip->foregroundColor(), Color::accent().resolve(sidebar));

        QCOMPARE(sidebar->row(SettingsTab::general)->fillColor().alpha(), 0);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(sidebar->row(SettingsTab::general), &enter);
        QCOMPARE(sidebar->row(SettingsTab::general)->fillColor(),
                 Color::ink().withOpacity(SidebarRow::hoverFillOpacity).resolve(sidebar));
    }

    void tipRowCountsAndOpensThePage()
    {
        SettingsWindow *controller = openOn(SettingsTab::general);
        SidebarRow *tip = controller->rootView()->sidebar()->tipRow();
        QCOMPARE(tip->toolTip(), fennimar::TipJar::url().toString());
        QTest::mouseClick(tip, Qt::LeftButton);
        QCOMPARE(f->workspace.openedUrls, QList<QUrl>{fennimar::TipJar::url()});
        QTRY_COMPARE(f->backend.requests().size(), 1);
        const QJsonObject body = QJsonDocument::fromJson(f->backend.requests()[0].body).object();
        QCOMPARE(body.value("event").toString(), QString("tip.open"));
        QCOMPARE(body.value("props").toObject().value("from").toString(), QString("sidebar"));
    }

    void followsLanguageAndThemeAtOnce()
    {
        SettingsWindow *controller = openOn(SettingsTab::general);
        QWidget *window = controller->window();
        QVERIFY(settingstest::pick(window->findChild<MenuPicker *>("settings.appearance.language"),
                                   "de"));
        QTRY_COMPARE(window->windowTitle(), QString("Einstellungen"));
        QTRY_COMPARE(controller->rootView()->sidebar()->row(SettingsTab::about)->text(),
                     QString("Über"));
        QTRY_COMPARE(window->findChild<KitLabel *>("settings.general.title")->text(),
                     QString("Allgemein"));

        auto *theme = window->findChild<MenuPicker *>("settings.appearance.theme");
        QVERIFY(settingstest::pick(theme, "dark"));
        QCOMPARE(Environment::appearance(window), Appearance::dark);
        const QImage dark = window->grab().toImage();
        QCOMPARE(dark.pixelColor(4, dark.height() - 4), Color::background().dark());
        QVERIFY(settingstest::pick(theme, "auto")); // the desktop is light
        QCOMPARE(Environment::appearance(window), Appearance::light);
    }
};

int main(int argc, char **argv)
{
    return testing::execOnScreens(argc, argv, R"({"screens": [
        {"name": "primary", "x": 0, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96},
        {"name": "second", "x": 1280, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96}]})",
                                  [&] {
                                      tst_SettingsWindow test;
                                      return QTest::qExec(&test, argc, argv);
                                  });
}
#include "tst_SettingsWindow.moc"
