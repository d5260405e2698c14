#include <QApplication>
#include <QDBusConnection>
#include <QLabel>
#include <QSignalSpy>
#include <QLayout>
#include <QTest>

#include "FakeSystemAppearance.h"
#include "UiTestSupport.h"
#include "platform/PortalAppearanceWatcher.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/SettingsCard.h"
#include "ui/ThemeController.h"
#include "ui/Typography.h"

using namespace halvex;

class tst_ThemeController : public QObject {
    Q_OBJECT

private slots:
    void themeResolvesToAnAppearance_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<Appearance>("expected");
        QTest::newRow("light on a dark desktop") << "light"
                                                 << "Dark" << Appearance::light;
        QTest::newRow("dark on a light desktop") << "dark"
                                                 << "" << Appearance::dark;
        QTest::newRow("auto on a dark desktop") << "auto"
                                                << "Dark" << Appearance::dark;
        QTest::newRow("auto on a light desktop") << "auto"
                                                 << "" << Appearance::light;
        QTest::newRow("unknown follows the desktop") << "sepia"
                                                     << "Dark" << Appearance::dark;
    }
    void themeResolvesToAnAppearance()
    {
        QFETCH(QString, raw);
        QFETCH(QString, desktop);
        QFETCH(Appearance, expected);
        testing::FakeSystemAppearance system(desktop);
        ThemeController theme(system);
        theme.setThemeRaw(raw);
        QCOMPARE(theme.appearance(), expected);
        QCOMPARE(Environment::applicationAppearance(), expected);
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 Color::background().resolve(expected));
        QCOMPARE(QApplication::palette().color(QPalette::Text), Color::ink().resolve(expected));
    }

    void openWidgetsFollowAtOnce()
    {
        testing::FakeSystemAppearance system;
        ThemeController theme(system);
        theme.setTheme(AppTheme::light);
        auto *plain = new QLabel(QStringLiteral("plain"));
        auto *card = new SettingsCard(10, plain);
        auto *label = new KitLabel(QStringLiteral("kit"), Typography::body13(), Color::inkMuted());
        testing::Backdrop window(card);
        window.layout()->addWidget(label);
        QImage image = testing::render(&window);
        const QPoint inside = card->mapTo(&window, QPoint(card->width() - 4, card->height() / 2));
        QCOMPARE_COLOR(image.pixelColor(inside), Color::surface().light());

        theme.setTheme(AppTheme::dark);
        image = testing::renderWidget(&window);
        QCOMPARE_COLOR(image.pixelColor(inside), Color::surface().dark());
        QCOMPARE_COLOR(image.pixelColor(2, 2), Color::background().dark());
        QCOMPARE(label->palette().color(QPalette::WindowText), Color::inkMuted().dark());
        QCOMPARE(plain->palette().color(QPalette::WindowText), Color::ink().dark());
    }

    // Qt's platform theme passes some desktops' changes on as an event;
    // the desktop portal announces its own.
    void autoFollowsTheDesktopWhenItChanges_data()
    {
        QTest::addColumn<bool>("fromThePortal");
        QTest::newRow("Qt's theme change") << false;
        QTest::newRow("the portal's announcement") << true;
    }
    void autoFollowsTheDesktopWhenItChanges()
    {
        QFETCH(bool, fromThePortal);
        testing::FakeSystemAppearance system;
        platform::PortalAppearanceWatcher portal(QDBusConnection(QStringLiteral("no bus")));
        ThemeController theme(system, &portal);
        const auto announce = [&] {
            if (fromThePortal) {
                emit portal.changed();
                return;
            }
            QEvent themeChange(QEvent::ThemeChange);
            QCoreApplication::sendEvent(qApp, &themeChange);
        };
        theme.setTheme(AppTheme::automatic);
        QSignalSpy changes(&theme, &ThemeController::appearanceChanged);
        QCOMPARE(theme.appearance(), Appearance::light);

        system.style = QStringLiteral("Dark");
        announce();
        QCOMPARE(theme.appearance(), Appearance::dark);
        QCOMPARE(Environment::applicationAppearance(), Appearance::dark);
        QCOMPARE(changes.size(), 1);
        system.style = QString();
        announce();
        QCOMPARE(Environment::applicationAppearance(), Appearance::light);
        QCOMPARE(changes.size(), 2);

        // A fixed choice ignores the desktop.
        theme.setTheme(AppTheme::dark);
        announce();
        QCOMPARE(theme.appearance(), Appearance::dark);
        system.style = QStringLiteral("Dark");
        theme.setTheme(AppTheme::light);
        announce();
        QCOMPARE(theme.appearance(), Appearance::light);
        QCOMPARE(changes.size(), 4);
    }
};

QTEST_MAIN(tst_ThemeController)
#include "tst_ThemeController.moc"
