#pragma once

#include <functional>
#include <memory>

#include <QObject>

#include "kit/Fennimar.h"
#include "platform/TimerScheduler.h"

namespace fennimar {
class ReviewPrompt;
}

namespace halvex {

class ModelContainer;
class ReviewPromptWindowController;

// Decides when the application asks for a review. It counts nothing itself:
// each opening of the popover records a day of use with the library's
// review component, and each closing schedules one check 0.6 s later (a
// reopening in between cancels it). The check opens the review window only
// when neither the popover nor a friction panel nor a titled window of ours
// is up, the first launch is complete and the library says a prompt is due;
// it then records the presentation with the library before the window shows.
// A failed condition ends the check silently; the next close tries again.
// Main thread only.
//
// The shell builds one each time it installs the menu-bar UI, drops it
// when it removes that UI, and feeds it the popover's open state through
// popoverOpenStateChanged.
class ReviewPromptCoordinator final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReviewPromptCoordinator)
public:
    struct Services {
        // The store; only handed on to the review window.
        ModelContainer &container;
        // Whether the menu-bar popover is shown now; false once it is gone.
        std::function<bool()> isPopoverShown;
        // Whether a friction panel is active now; false once it is gone.
        std::function<bool()> isFrictionPanelUp;
        ReviewPromptWindowController &window;
        platform::TimerScheduler &scheduler = platform::TimerScheduler::live();
        // Null before the library has started: no use is recorded, no prompt shown.
        std::function<fennimar::ReviewPrompt *()> reviewPrompt = &fennimar::Fennimar::reviewPrompt;
    };

    static constexpr double checkDelaySeconds = 0.6;

    explicit ReviewPromptCoordinator(Services services, QObject *parent = nullptr);
    ~ReviewPromptCoordinator() override;

    bool hasPendingCheck() const { return bool(m_pending); }

public slots:
    // True when the popover is about to show, false once it has closed.
    void popoverOpenStateChanged(bool isOpen);

private:
    void scheduleCheck(double delay);
    void cancelPendingCheck();
    void presentIfEligible();
    fennimar::ReviewPrompt *reviewPrompt() const;

    Services m_services;
    std::shared_ptr<platform::ScheduledTimer> m_pending;
};

} // namespace halvex
