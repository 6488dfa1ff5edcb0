#include "FramePacer.h"
#include "Stopwatch.h"
#include "TimerResolution.h"
#include <algorithm>
#include <cmath>

double FramePacer::DisplayRefreshRate() {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmDisplayFrequency >= 24 &&
        mode.dmDisplayFrequency <= 360)
        return mode.dmDisplayFrequency;
    return 60;
}

int FramePacer::Run(SaverWindow& window) {
    const TimerResolution resolution;
    const Stopwatch clock;
    double nextFrame = 0;
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return static_cast<int>(message.wParam);
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        const double now = clock.Seconds();
        if (now >= nextFrame - 0.0005) {
            window.Advance();
            nextFrame += period_;
            // Late (a slow frame, a busy machine): drop the missed frames, keep the rhythm.
            if (nextFrame < now)
                nextFrame = now + period_;
            continue;
        }
        const DWORD wait = static_cast<DWORD>(std::max(1.0, std::floor((nextFrame - now) * 1000)));
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}
