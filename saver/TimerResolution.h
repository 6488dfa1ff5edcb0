#pragma once
#include <windows.h>
#include <mmsystem.h>

// 1 ms timer resolution while this lives, so waits between frames end close to when asked.
class TimerResolution {
public:
    TimerResolution() : active_(timeBeginPeriod(1) == TIMERR_NOERROR) {}
    TimerResolution(const TimerResolution&) = delete;
    TimerResolution& operator=(const TimerResolution&) = delete;
    ~TimerResolution() {
        if (active_)
            timeEndPeriod(1);
    }

private:
    bool active_;
};
