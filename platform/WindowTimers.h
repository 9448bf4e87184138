#pragma once
// The periodic timers of the pages, kept apart from SDL so the firing rules can be tested with
// a made-up clock. Times are 32-bit milliseconds that wrap.
#include <cstdint>
#include <functional>
#include <vector>

namespace korvat::platform {

class Page;

class WindowTimers {
  public:
    // (Re)starts timer `id` of `owner`: first tick `periodMs` after `now`.
    void set(Page* owner, int id, uint32_t periodMs, uint32_t now);
    void kill(Page* owner, int id);
    void killAll(Page* owner);

    // Milliseconds until the next tick is due (0 when one is due already); -1 without timers.
    int32_t msUntilNext(uint32_t now) const;

    // Calls `fire` once for every timer due at `now`. A timer that missed several periods
    // ticks once and keeps its phase. `fire` may set or kill timers and run nested loops
    // that fire timers themselves; a timer that ticked meanwhile is not fired again.
    void fireDue(uint32_t now, const std::function<void(Page&, int)>& fire);

  private:
    struct Timer {
        Page* owner;
        int id;
        uint32_t period;
        uint32_t due;
    };
    Timer* find(Page* owner, int id);

    std::vector<Timer> timers_;
};

}  // namespace korvat::platform
