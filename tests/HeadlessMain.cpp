// Test programs that open a window or a sound device run on SDL's offscreen video and dummy
// sound drivers, under ctest and by hand alike; a driver already chosen in the environment wins.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
