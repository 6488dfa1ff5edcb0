#include "ActivityMonitor.h"
#include <cstdlib>

bool ActivityMonitor::OnMouseMove(int x, int y) {
    if (!anchored_) {
        anchored_ = true;
        anchorX_ = x;
        anchorY_ = y;
        return false;
    }
    return std::abs(x - anchorX_) > kJitterPixels || std::abs(y - anchorY_) > kJitterPixels;
}
