#pragma once
#include "core/clock.h"

#include <QtGlobal>
#include <coroutine>
#include <functional>
#include <map>
#include <memory>
#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <qcoro/qcorotask.h>
#endif
#include <utility>

namespace ql::testing {

// A clock that moves only when the test drives it (run, run_until). Timers fire in deadline order;
// an action scheduled with at() or after() runs, as a delivered click would, before any timer due at
// the same time or later, and only while something waits.
class FakeClock : public Clock {
public:
    ~FakeClock() override;
    double now() override { return now_; }
    std::unique_ptr<Timer> start_timer(double seconds, std::function<void()> fire) override;

    // Runs `action` when the clock reaches `when` (seconds) while a session waits.
    void at(double when, std::function<void()> action) { actions_.emplace(when, std::move(action)); }
    // Runs `action` after `delay` seconds of waiting from now.
    void after(double delay, std::function<void()> action) { at(now_ + delay, std::move(action)); }
    void advance(double seconds) { now_ += seconds; }

    // Fires timers (and the actions due before them) until nothing waits any more.
    void run();
    // Drives the clock until `task` has finished (or nothing is left to wait for); returns its result.
    template <typename T>
    T run(QCoro::Task<T>&& task) {
        if constexpr (std::is_void_v<T>) {
            bool done = false;
            auto wrapper = [](QCoro::Task<T> t, bool& d) -> QCoro::Task<> {
                co_await std::move(t);
                d = true;
            }(std::move(task), done);
            run_while([&] { return !done; });
        } else {
            std::optional<T> result;
            auto wrapper = [](QCoro::Task<T> t, std::optional<T>& r) -> QCoro::Task<> {
                r = co_await std::move(t);
            }(std::move(task), result);
            run_while([&] { return !result; });
            Q_ASSERT(result);
            return std::move(*result);
        }
    }
    // Fires timers while `more` holds and something waits; returns false when nothing waited.
    bool run_while(const std::function<bool()>& more);
    // Whether a session waits on this clock.
    bool waiting() const { return !timers_.empty(); }

    double total_waited() const { return waited_; }
    // Timers started so far (each wait of a session is one).
    int waits() const { return waits_; }

private:
    class FakeTimer;
    using Key = std::pair<double, quint64>;
    void move_to(double t);
    bool step();

    double now_ = 1000.0;
    double waited_ = 0;
    int waits_ = 0;
    quint64 next_id_ = 0;
    std::map<Key, std::function<void()>> timers_;
    std::multimap<double, std::function<void()>> actions_;
};

}  // namespace ql::testing
