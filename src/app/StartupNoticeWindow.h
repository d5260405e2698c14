#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

#include "app/StartupNotices.h"

class QWidget;

namespace fennimar {
class ActivationPolicyCoordinator;
}

namespace platform {
class Workspace;
}

namespace halvex {

class ModelContext;
class NoticeView;
class ThemeController;
class TitledWindow;
class TranslationLoader;

// The start-up notices in a window of their own, ahead of every other:
// titled with the product's name, closable but not resizable, in the stored
// language and theme. While it is open the application holds one claim on
// the regular activation policy. However it closes (its way-on button, the
// close button, Esc, its quit button) it counts as read; the quit button
// asks to quit first. A store notice also offers to show the store's folder
// and to quit, so that the store can be mended before anything is set up
// anew. Main thread only.
class StartupNoticeWindow final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartupNoticeWindow)
public:
    struct Services {
        ModelContext &context;
        ThemeController &theme;
        TranslationLoader &translations;
        fennimar::ActivationPolicyCoordinator &activationPolicy;
        // Shows the store's folder.
        platform::Workspace &workspace;
    };
    struct Hooks {
        // The window went.
        std::function<void()> read;
        // Ends the application; called before read.
        std::function<void()> quit;
    };

    StartupNoticeWindow(Services services, const StartupNotices &notices, Hooks hooks,
                        QObject *parent = nullptr);
    ~StartupNoticeWindow() override;

    // Centres the window on the screen in use, takes the activation claim
    // and brings the window to the front, focused.
    void present();

    // Null once it has closed.
    QWidget *window() const;
    NoticeView *view() const { return m_view; }

private:
    void closed();

    Services m_services;
    Hooks m_hooks;
    QPointer<TitledWindow> m_window;
    QPointer<NoticeView> m_view;
    bool m_holdsPolicy = false;
};

} // namespace halvex
