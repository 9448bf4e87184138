#pragma once
#include <cstdint>

namespace korvat {

// The six values kept in the per-user settings store ("maxmark", "playsound", "jump", "move",
// "bum", "appear"). bestScore has no default of its own: it starts from the high-score table.
struct Settings {
    uint32_t bestScore = 0;
    uint32_t soundOn = 1;
    uint32_t jumpDelay = 100;
    uint32_t moveDelay = 100;
    uint32_t explosionDelay = 100;
    uint32_t appearDelay = 100;
};

}  // namespace korvat
