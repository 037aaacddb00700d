#include "fake_clock.h"

namespace ql::testing {

class FakeClock::FakeTimer final : public Clock::Timer {
public:
    FakeTimer(FakeClock* clock, Key key) : clock_(clock), key_(key) {}
    ~FakeTimer() override {
        if (clock_) clock_->timers_.erase(key_);
    }
    void fire_now() override {
        if (!clock_) return;
        auto node = clock_->timers_.extract(key_);
        if (node.empty()) return;
        key_ = Key{clock_->now_, clock_->next_id_++};
        node.key() = key_;
        clock_->timers_.insert(std::move(node));
    }

private:
    FakeClock* clock_;
    Key key_;
};

FakeClock::~FakeClock() = default;

std::unique_ptr<Clock::Timer> FakeClock::start_timer(double seconds, std::function<void()> fire) {
    ++waits_;
    const Key key{now_ + (seconds > 0 ? seconds : 0.0), next_id_++};
    timers_.emplace(key, std::move(fire));
    return std::make_unique<FakeTimer>(this, key);
}

void FakeClock::move_to(double t) {
    if (t > now_) {
        waited_ += t - now_;
        now_ = t;
    }
}

bool FakeClock::step() {
    if (timers_.empty()) return false;
    const auto first = timers_.begin();
    if (!actions_.empty() && actions_.begin()->first <= first->first.first) {
        auto it = actions_.begin();
        move_to(it->first);
        auto action = std::move(it->second);
        actions_.erase(it);
        action();
        return true;
    }
    move_to(first->first.first);
    auto fire = std::move(first->second);
    timers_.erase(first);
    fire();
    return true;
}

void FakeClock::run() {
    while (step()) {
    }
}

bool FakeClock::run_while(const std::function<bool()>& more) {
    while (more())
        if (!step()) return false;
    return true;
}

}  // namespace ql::testing
