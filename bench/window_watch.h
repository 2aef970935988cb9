#pragma once

// Watches a program's windows from outside, as the X server sees them: when
// each top-level window is mapped and when it is first drawn into (the
// DAMAGE extension), the way a user sees a window appear.

#include <optional>
#include <string>
#include <vector>

namespace bench {

struct WindowTimes
{
    // From the program's start, in milliseconds.
    std::optional<double> firstFrame;    // any window's first drawing
    std::optional<double> mainPainted;   // the 830 x 530 window's first drawing
    std::optional<double> splashPainted; // the 350 x 232 window's first drawing
    double peakKiB = 0;
};

// Starts the command and watches until the main window has been drawn and,
// when waitForSplash, the splash too (or timeoutMs passes); then ends the
// program. Empty when the X server cannot be reached or lacks DAMAGE.
std::optional<WindowTimes> watchStart(const std::vector<std::string>& command, bool waitForSplash,
                                      int timeoutMs = 20000);

} // namespace bench
