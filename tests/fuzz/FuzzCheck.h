#pragma once
// A broken property stops the fuzzer at once, with the input that broke it kept as a crash.
#include <cstdlib>

inline void require(bool holds) {
    if (!holds)
        std::abort();
}
