#pragma once

#include <functional>

#include <QObject>
#include <QPointer>
#include <QSize>

#include "kit/ActivationPolicyCoordinator.h"
#include "kit/Fennimar.h"

class QWidget;

namespace fennimar {
class ReviewPrompt;
}

namespace platform {
class Workspace;
}

namespace halvex {

class EscClosableWindow;
class ModelContainer;
class ReviewPromptView;
class ThemeController;
class TranslationLoader;

// Owns the review window: a titled, closable window of 420 by 510 that
// cannot be resized, with the review form in the stored language and theme.
// There is at most one. While it is open the application holds the regular
// activation policy once, and gives it back whichever way the window closes
// (the form's buttons, the close button, Esc). Main thread only.
//
// The shell makes one controller for the run and hands it to the review
// prompt coordinator, which alone asks it to show.
class ReviewPromptWindowController final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReviewPromptWindowController)
public:
    struct Services {
        ThemeController &theme;
        TranslationLoader &translations;
        // Opens the form's links, and brings the window forward.
        platform::Workspace &workspace;
        fennimar::ActivationPolicyCoordinator &activationPolicy =
            fennimar::ActivationPolicyCoordinator::shared();
        std::function<fennimar::ReviewPrompt *()> reviewPrompt = &fennimar::Fennimar::reviewPrompt;
    };

    static constexpr QSize contentSize{420, 510};

    explicit ReviewPromptWindowController(Services services, QObject *parent = nullptr);
    ~ReviewPromptWindowController() override;

    // Opens a fresh window with an empty form, centred on the active screen,
    // and brings it forward (without taking the focus from another
    // application). Does nothing before the first launch is complete, or
    // while a review window exists: that one keeps its place and content.
    void show(ModelContainer &container);

    // The open window, or null.
    QWidget *window() const;
    ReviewPromptView *view() const;
    bool holdsDockPolicy() const { return m_holdsDockPolicy; }

private:
    void windowWillClose();

    Services m_services;
    QPointer<EscClosableWindow> m_window;
    QPointer<ReviewPromptView> m_view;
    bool m_holdsDockPolicy = false;
};

} // namespace halvex
