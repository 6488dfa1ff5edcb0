#include "ActivityMonitor.h"
#include <gtest/gtest.h>

namespace {

struct Move {
    int x;
    int y;
    bool ends;
};

// Each row is a sequence of moves fed to a fresh monitor, with whether each one ends the saver.
const std::vector<std::vector<Move>> kSequences = {
    {{500, 400, false}},                                    // the first move only anchors
    {{500, 400, false}, {503, 398, false}, {506, 406, false}},  // jitter
    {{500, 400, false}, {507, 400, true}},                  // just beyond the jitter
    {{500, 400, false}, {500, 393, true}},
    {{0, 0, false}, {300, 300, true}},
    {{500, 400, false}, {502, 401, false}, {520, 401, true}},
};

TEST(ActivityMonitor, IgnoresTheFirstMoveAndJitter) {
    for (size_t s = 0; s < kSequences.size(); ++s) {
        ActivityMonitor monitor;
        for (size_t m = 0; m < kSequences[s].size(); ++m) {
            const Move& move = kSequences[s][m];
            EXPECT_EQ(monitor.OnMouseMove(move.x, move.y), move.ends)
                << "sequence " << s << ", move " << m << " to " << move.x << "," << move.y;
        }
    }
}

} // namespace
