#include "kit/StatusItemReveal.h"

#include <optional>

#include <QElapsedTimer>

namespace fennimar {

namespace {

// One reveal's state, shared by its scheduled steps.
struct Reveal {
    Reveal(std::shared_ptr<const StatusItemButton> button, StatusItemReveal::Handlers handlers,
           platform::TimerScheduler &scheduler, StatusItemReveal::Clock clock)
        : button(std::move(button))
        , handlers(std::move(handlers))
        , scheduler(scheduler)
        , clock(std::move(clock))
    {}

    std::shared_ptr<const StatusItemButton> button;
    StatusItemReveal::Handlers handlers;
    platform::TimerScheduler &scheduler;
    StatusItemReveal::Clock clock;

    std::optional<QRect> lastFrame;
    int stableCount = 0;
    double pollDeadline = 0;
    std::optional<QRect> anchorFrame;
    double settleDeadline = 0;
};

void settle(const std::shared_ptr<Reveal> &reveal)
{
    if (!reveal->handlers.isShown()) {
        reveal->handlers.finish();
        return;
    }
    const std::optional<QRect> frame = reveal->button->windowFrame();
    if (frame && frame != reveal->anchorFrame) {
        reveal->anchorFrame = frame;
        reveal->handlers.reposition();
    }
    if (reveal->clock() >= reveal->settleDeadline) {
        reveal->handlers.finish();
        return;
    }
    reveal->scheduler.scheduleOnce(StatusItemReveal::settleInterval, [reveal] { settle(reveal); });
}

void showAndSettle(const std::shared_ptr<Reveal> &reveal)
{
    reveal->handlers.show();
    reveal->anchorFrame = reveal->button->windowFrame();
    reveal->settleDeadline = reveal->clock() + StatusItemReveal::settleDuration;
    settle(reveal);
    reveal->handlers.completion();
}

void poll(const std::shared_ptr<Reveal> &reveal)
{
    const std::optional<QRect> frame = reveal->button->windowFrame();
    if (frame && reveal->lastFrame && *frame == *reveal->lastFrame)
        ++reveal->stableCount;
    else
        reveal->stableCount = 0;
    reveal->lastFrame = frame;

    if (reveal->stableCount >= StatusItemReveal::stableComparisons) {
        showAndSettle(reveal);
        return;
    }
    if (reveal->clock() >= reveal->pollDeadline) {
        // Moving to the end: shown where it was last seen. Never seen: given up.
        if (frame)
            showAndSettle(reveal);
        else
            reveal->handlers.completion();
        return;
    }
    reveal->scheduler.scheduleOnce(StatusItemReveal::pollInterval, [reveal] { poll(reveal); });
}

} // namespace

double StatusItemReveal::monotonicNow()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return double(clock.nsecsElapsed()) / 1e9;
}

void StatusItemReveal::revealWhenStable(std::shared_ptr<const StatusItemButton> button,
                                        Handlers handlers, platform::TimerScheduler &scheduler,
                                        Clock clock)
{
    if (handlers.isShown()) {
        handlers.completion();
        return;
    }
    auto reveal = std::make_shared<Reveal>(std::move(button), std::move(handlers), scheduler,
                                           clock ? std::move(clock) : Clock(&monotonicNow));
    reveal->pollDeadline = reveal->clock() + pollLimit;
    poll(reveal);
}

} // namespace fennimar
