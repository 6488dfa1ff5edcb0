#pragma once
#include "SaverWindow.h"

// The message loop of the saver: one frame per display refresh, sleeping in between (with
// 1 ms timer resolution) and waking early for input, so it never spins a core.
class FramePacer {
public:
    // The refresh rate of the primary display, or 60 when Windows does not say.
    static double DisplayRefreshRate();

    explicit FramePacer(double framesPerSecond) : period_(1.0 / framesPerSecond) {}
    // Runs until WM_QUIT; returns its exit code.
    int Run(SaverWindow& window);

private:
    double period_;
};
