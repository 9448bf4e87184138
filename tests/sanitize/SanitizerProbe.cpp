// Does one thing each sanitizer must report, so that a clean run of the sanitized tests means
// the sanitizers were there and working, not silently off.
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

void* volatile sink = nullptr;
volatile int largest = INT_MAX;
volatile size_t blockSize = 8;

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "leak") == 0) {
        sink = std::malloc(48);
        sink = nullptr;  // the only pointer to the block is gone
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "overflow") == 0) {
        const int sum = largest + argc;  // signed overflow
        return sum == 0 ? 1 : 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "heap") == 0) {
        // The size is hidden from the compiler so that the overrun is AddressSanitizer's
        // to catch, not the object-size check's.
        char* block = static_cast<char*>(std::malloc(blockSize));
        block[argc + 6] = 1;  // one past the end
        const int value = block[0];
        std::free(block);
        return value;
    }
    return 2;
}
