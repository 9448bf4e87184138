#include "platform/WindowTimers.h"

#include <algorithm>

namespace korvat::platform {
namespace {

bool isDue(uint32_t due, uint32_t now) {
    return static_cast<int32_t>(now - due) >= 0;
}

}  // namespace

WindowTimers::Timer* WindowTimers::find(Page* owner, int id) {
    const auto hit = std::find_if(timers_.begin(), timers_.end(),
                                  [&](const Timer& t) { return t.owner == owner && t.id == id; });
    return hit != timers_.end() ? &*hit : nullptr;
}

void WindowTimers::set(Page* owner, int id, uint32_t periodMs, uint32_t now) {
    const uint32_t period = std::max<uint32_t>(periodMs, 1);
    if (Timer* timer = find(owner, id)) {
        timer->period = period;
        timer->due = now + period;
        return;
    }
    timers_.push_back(Timer{owner, id, period, now + period});
}

void WindowTimers::kill(Page* owner, int id) {
    std::erase_if(timers_, [&](const Timer& t) { return t.owner == owner && t.id == id; });
}

void WindowTimers::killAll(Page* owner) {
    std::erase_if(timers_, [&](const Timer& t) { return t.owner == owner; });
}

int32_t WindowTimers::msUntilNext(uint32_t now) const {
    int32_t nearest = -1;
    for (const Timer& timer : timers_) {
        const int32_t left = std::max<int32_t>(0, static_cast<int32_t>(timer.due - now));
        if (nearest < 0 || left < nearest) {
            nearest = left;
        }
    }
    return nearest;
}

void WindowTimers::fireDue(uint32_t now, const std::function<void(Page&, int)>& fire) {
    struct Key {
        Page* owner;
        int id;
    };
    std::vector<Key> due;
    for (const Timer& timer : timers_) {
        if (isDue(timer.due, now)) {
            due.push_back(Key{timer.owner, timer.id});
        }
    }
    for (const Key& key : due) {
        // Looked up again: an earlier handler may have killed, reset or already fired it.
        Timer* timer = find(key.owner, key.id);
        if (timer == nullptr || !isDue(timer->due, now)) {
            continue;
        }
        // Skip the periods missed while the thread was busy, so a late timer ticks once.
        const uint32_t late = now - timer->due;
        timer->due += timer->period * (late / timer->period + 1);
        fire(*key.owner, key.id);
    }
}

}  // namespace korvat::platform
