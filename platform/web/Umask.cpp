// The browser's C library (Emscripten 3.1.6) starts with a umask of 0777, under which every file
// the game makes gets no permissions at all, and cannot be read back after a reload. The usual
// 022, as a login shell would set it, before anything runs.
#include <sys/stat.h>

namespace {

[[gnu::constructor]] void setUsualUmask() {
    umask(022);
}

}  // namespace
