#pragma once

#include <memory>

#include "app/AppSurfaces.h"

namespace fennimar {
class TipJar;
class WindowFronting;
} // namespace fennimar

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

class AppDelegate;
class Streak;

// The surfaces of the running application that exist so far: the settings,
// statistics and streak editor windows, over the delegate's services. The other hooks stay
// empty until their windows exist. Made after the delegate and kept as long
// as it.
class LiveSurfaces final {
public:
    explicit LiveSurfaces(AppDelegate &delegate);
    ~LiveSurfaces();
    LiveSurfaces(const LiveSurfaces &) = delete;
    LiveSurfaces &operator=(const LiveSurfaces &) = delete;

    AppSurfaces surfaces();

private:
    void configureSettings();
    void openStats();
    // The streak in the editor window's detail mode; nothing until the
    // services exist.
    void openStreakEditor(const std::shared_ptr<Streak> &streak);
    static void closeWindows();

    AppDelegate &m_delegate;
    std::unique_ptr<fennimar::TipJar> m_tipJar;
    std::unique_ptr<fennimar::WindowFronting> m_fronting;
    // What the editor's application picker offers, read on first use.
    std::unique_ptr<platform::DesktopEntryIndex> m_applications;
};

} // namespace halvex
