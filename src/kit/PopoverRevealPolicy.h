#pragma once

#include <QStringList>

namespace fennimar {

// Whether the application opens its popover by itself at launch.
class PopoverRevealPolicy final {
public:
    PopoverRevealPolicy() = delete;

    static constexpr const char *uiTestArgument = "--ui-test";

    // Only after the first launch has been completed, and never after a
    // launch at login or in a UI-test run.
    static constexpr bool shouldReveal(bool firstLaunchCompleted, bool isLoginLaunch,
                                       bool isUITestRun)
    {
        return firstLaunchCompleted && !isLoginLaunch && !isUITestRun;
    }
    static bool isUITestRun(const QStringList &arguments)
    {
        return arguments.contains(QString::fromLatin1(uiTestArgument));
    }
};

} // namespace fennimar
