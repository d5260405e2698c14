#pragma once

#include <memory>

#include <QObject>

#include "kit/Popover.h"
#include "platform/RunningApplications.h"

namespace platform {
class Workspace;
}

namespace fennimar {

// Closes a transient popover when the user turns to something else: this
// application stops being active, or another application comes to the front.
// Never while one of our modal windows is up. X11 tells no click outside the
// application as such; the focus leaving for another window covers it.
// Main thread only.
class PopoverFocusDismissal final : public QObject {
    Q_OBJECT
public:
    PopoverFocusDismissal(std::shared_ptr<Popover> popover, platform::Workspace &workspace,
                          QObject *parent = nullptr);
    ~PopoverFocusDismissal() override;
    Q_DISABLE_COPY_MOVE(PopoverFocusDismissal)

    const std::shared_ptr<Popover> &popover() const { return m_popover; }

private:
    void applicationActivated(const platform::RunningApplication &application);
    void closeUnless(bool activatedIsThisApplication);

    std::shared_ptr<Popover> m_popover;
    qint64 m_ownProcessIdentifier;
};

} // namespace fennimar
