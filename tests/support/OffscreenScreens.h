#pragma once

#include <functional>

namespace testing {

// Runs a widget test on the offscreen platform with the screens described by
// `screensJson` (the offscreen plugin's configfile format), so placement
// across several screens can be tested without a display.
int execOnScreens(int argc, char **argv, const char *screensJson, const std::function<int()> &run);

} // namespace testing
