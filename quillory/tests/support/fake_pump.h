#pragma once
#include "core/event_pump.h"

#include <functional>
#include <map>

namespace ql::testing {

// A clock that only moves when the code under test waits. Actions scheduled at a time run, as
// delivered events would, inside the wait that reaches that time.
class FakePump : public EventPump {
public:
    double now() override { return now_; }
    void wait_for_events(double deadline) override;
    void process_events() override;
    // Moves the clock without running any scheduled action.
    void sleep_until(double deadline) override {
        if (deadline > now_) {
            waited_ += deadline - now_;
            now_ = deadline;
        }
    }

    // Runs `action` when the fake clock reaches `at` (seconds) inside a wait.
    void at(double when, std::function<void()> action) { scheduled_.emplace(when, std::move(action)); }
    // Runs `action` after `delay` seconds of waiting from now.
    void after(double delay, std::function<void()> action) { at(now_ + delay, std::move(action)); }
    void advance(double seconds) { now_ += seconds; }
    double total_waited() const { return waited_; }
    int waits() const { return waits_; }

private:
    double now_ = 1000.0;
    double waited_ = 0;
    int waits_ = 0;
    std::multimap<double, std::function<void()>> scheduled_;
};

}  // namespace ql::testing
