#pragma once

namespace halvex {

// The process entry: checks the display, makes the application object,
// steps aside for a Halvex already running, starts the support library and
// hands over to the application delegate until the quit funnel ends the run.
class HalvexApp final {
public:
    HalvexApp() = delete;

    static constexpr const char *slug = "halvex";
    static constexpr const char *desktopFileName = "com.fennimar.halvex";
    static constexpr const char *applicationName = "Halvex";

    static int main(int argc, char **argv);
};

} // namespace halvex
