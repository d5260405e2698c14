#include "app/HalvexApp.h"

#include <cstdio>

#include <QApplication>
#include <QProcessEnvironment>

#include "app/AppDelegate.h"
#include "app/DisplaySession.h"
#include "app/LiveAppPlatform.h"
#include "app/LiveSurfaces.h"
#include "app/SingleInstance.h"
#include "kit/AppConfig.h"
#include "kit/Fennimar.h"
#include "kit/LegalLinks.h"
#include "platform/Log.h"
#include "platform/UserDefaults.h"

namespace halvex {

int HalvexApp::main(int argc, char **argv)
{
    const DisplaySession session =
        DisplaySession::inspect(QProcessEnvironment::systemEnvironment());
    if (session.problem) {
        std::fprintf(stderr, "halvex: %s\n", qPrintable(*session.problem));
        return 1;
    }
    if (session.platformPlugin)
        qputenv("QT_QPA_PLATFORM", *session.platformPlugin);

    QApplication::setApplicationName(QString::fromLatin1(applicationName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopFileName));
    QApplication application(argc, argv);
    // A status-item application lives on with no window open.
    application.setQuitOnLastWindowClosed(false);
    if (session.warning) {
        std::fprintf(stderr, "halvex: %s\n", qPrintable(*session.warning));
        platform::log::app().notice("%s", {*session.warning});
    }

    // Before the library starts: a second process neither sends crash
    // reports nor a launch event.
    SingleInstance instance(SingleInstance::runtimeFolder(),
                            QString::fromLatin1(platform::log::appSubsystem));
    if (instance.claim() == SingleInstance::Role::second)
        return 0;

    // The in-app language choice alone decides.
    platform::UserDefaults::standard().remove(QStringLiteral("AppleLanguages"));
    LiveAppPlatform live;
    fennimar::Fennimar::Services services = fennimar::Fennimar::Services::live();
    services.keychain = &live.keychain();
    fennimar::Fennimar::bootstrap(
        fennimar::AppConfig::fromMainBundle(QString::fromLatin1(slug),
                                            fennimar::LegalLinks::supportAddress()),
        fennimar::Fennimar::BootstrapOptions::standard(), services);

    AppDelegate delegate(live.platform(), AppSurfaces{});
    LiveSurfaces surfaces(delegate);
    delegate.setSurfaces(surfaces.surfaces());
    delegate.interceptApplicationQuit();
    QObject::connect(&instance, &SingleInstance::revealRequested, &delegate,
                     &AppDelegate::revealOnRequest);
    // A run started for tests opens and closes its windows on request, so
    // that a driver outside can cycle them without knowing where to click.
    if (QCoreApplication::arguments().contains(QString::fromLatin1(AppDelegate::uiTestArgument))) {
        QObject::connect(&instance, &SingleInstance::windowRequested, &delegate,
                         [&delegate, hooks = surfaces.surfaces()](const QString &name) {
                             if (name == u"stats")
                                 delegate.openStats();
                             else if (name == u"settings")
                                 delegate.openSettings();
                             else if (name == u"about")
                                 delegate.showAbout();
                             else if (name == u"popover")
                                 delegate.revealOnRequest();
                             else if (name == u"close" && hooks.closeWindows)
                                 hooks.closeWindows();
                         });
    }
    delegate.applicationWillFinishLaunching();
    delegate.applicationDidFinishLaunching();
    return application.exec();
}

} // namespace halvex
