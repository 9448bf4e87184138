// The desktop's C library generator in the browser. The rules draw their colours and cells from
// srand/rand, and a game is the same game only when the same seed gives the same draws: the
// browser's C library (musl) has a plain linear congruential rand, the desktop's (glibc) an
// additive feedback one over 31 words. These definitions take the place of musl's at link time.
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kDegree = 31;
constexpr int kSeparation = 3;
constexpr int kDiscarded = 10 * kDegree;

struct Feedback {
    uint32_t words[kDegree];
    int front = kSeparation;
    int rear = 0;

    Feedback() { seed(1); }  // as if srand(1) had been called

    uint32_t next() {
        words[front] += words[rear];
        const uint32_t result = words[front] >> 1;
        front = (front + 1) % kDegree;
        rear = (rear + 1) % kDegree;
        return result;
    }

    void seed(unsigned seed) {
        if (seed == 0) {
            seed = 1;
        }
        words[0] = seed;
        // words[i] = 16807 * words[i - 1] mod (2^31 - 1), by Schrage's method as glibc does it.
        int64_t word = seed;
        for (int i = 1; i < kDegree; ++i) {
            const int64_t high = word / 127773;
            const int64_t low = word % 127773;
            word = 16807 * low - 2836 * high;
            if (word < 0) {
                word += 2147483647;
            }
            words[i] = static_cast<uint32_t>(word);
        }
        front = kSeparation;
        rear = 0;
        for (int i = 0; i < kDiscarded; ++i) {
            next();
        }
    }
};

Feedback& generator() {
    static Feedback feedback;
    return feedback;
}

}  // namespace

extern "C" void srand(unsigned seed) {
    generator().seed(seed);
}

extern "C" int rand() {
    return static_cast<int>(generator().next());
}
