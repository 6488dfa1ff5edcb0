#pragma once

// Decides when user activity ends the full-screen saver. Windows sends a mouse move when the
// window appears, and mice jitter: the first move only sets where the pointer rests, later
// moves count only beyond a few pixels from there.
class ActivityMonitor {
public:
    static constexpr int kJitterPixels = 6;

    // True when this move means the user is back.
    bool OnMouseMove(int x, int y);

private:
    bool anchored_ = false;
    int anchorX_ = 0;
    int anchorY_ = 0;
};
