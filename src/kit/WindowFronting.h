#pragma once

class QWidget;

namespace platform {
class Workspace;
}

namespace fennimar {

// Brings one of the application's windows forward. Main thread only.
class WindowFronting final {
public:
    // How long the task bar is asked to mark a window shown without the focus.
    static constexpr int attentionMs = 5000;

    explicit WindowFronting(platform::Workspace &workspace);

    // Brings the application to the front, whichever had the focus, then
    // gives the window the focus and raises it.
    void activateAndMakeKey(QWidget *window) const;
    // While the application has the focus: focuses and raises the window.
    // Otherwise: shows it above the application's other windows without
    // taking the focus from the application in front, and asks for the
    // user's attention for a moment.
    void bringToFront(QWidget *window) const;

private:
    platform::Workspace &m_workspace;
};

} // namespace fennimar
