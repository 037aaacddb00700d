#include "fake_pump.h"

namespace ql::testing {

void FakePump::wait_for_events(double deadline) {
    ++waits_;
    if (!scheduled_.empty() && scheduled_.begin()->first <= deadline) {
        auto it = scheduled_.begin();
        if (it->first > now_) {
            waited_ += it->first - now_;
            now_ = it->first;
        }
        auto action = std::move(it->second);
        scheduled_.erase(it);
        action();
        return;
    }
    if (deadline > now_) {
        waited_ += deadline - now_;
        now_ = deadline;
    }
}

void FakePump::process_events() {
    while (!scheduled_.empty() && scheduled_.begin()->first <= now_) {
        auto it = scheduled_.begin();
        auto action = std::move(it->second);
        scheduled_.erase(it);
        action();
    }
}

}  // namespace ql::testing
