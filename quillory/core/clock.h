#pragma once
#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <coroutine>
#endif
#include <functional>
#include <memory>
#include <vector>

namespace ql {

// Whether a drill, a test or a recording run goes on. Clicks made while a session waits (Pause,
// STOP, an answer, Exit) set it; every wait and loop step reads it. Idle is "never set this run".
enum class Playback {
    Idle,
    Running,
    Stop,  // pause a drill, end a recording run, or: the test's question was answered
    Quit,  // the test ends without judging the question on screen
};

// Which flags end a wait early.
enum class WaitEnds {
    OnStop,        // Stop or Quit
    OnStopOrSkip,  // Stop, Quit or a pending skip
};

// The one cancellation token of the running sessions: Stop/Quit (Pause, STOP, an answer, Exit,
// closing a window) and Skip (Skip, Mark Word As Known, # Repeats). A wait races against it: setting
// a flag that ends a wait wakes that wait at the event loop's next turn, never inside the click.
class CancelToken {
public:
    class Waiter {
    public:
        virtual void wake() = 0;
        WaitEnds ends = WaitEnds::OnStopOrSkip;

    protected:
        ~Waiter() = default;
    };

    Playback playback() const { return playback_; }
    bool skip() const { return skip_; }
    bool stopped() const { return playback_ == Playback::Stop || playback_ == Playback::Quit; }
    bool ends(WaitEnds e) const { return stopped() || (e == WaitEnds::OnStopOrSkip && skip_); }

    void set_playback(Playback p) {
        playback_ = p;
        wake_waiters();
    }
    void set_skip(bool skip) {
        skip_ = skip;
        wake_waiters();
    }

    // A new drill takes over from the one running, which ends at its next check: two drills never
    // sound at once. Returns the new drill's number.
    unsigned begin_drill() {
        ++drill_;
        const auto waiting = waiters_;
        for (Waiter* w : waiting) w->wake();
        return drill_;
    }
    bool drill_current(unsigned number) const { return number == drill_; }

    void add(Waiter* w) { waiters_.push_back(w); }
    void remove(Waiter* w) { std::erase(waiters_, w); }

private:
    void wake_waiters() {
        const auto waiting = waiters_;
        for (Waiter* w : waiting)
            if (ends(w->ends)) w->wake();
    }

    Playback playback_ = Playback::Idle;
    bool skip_ = false;
    unsigned drill_ = 0;
    std::vector<Waiter*> waiters_;
};

// Monotonic time and timers that fire from the event loop. The program's clock runs on Qt timers;
// tests use a clock that moves only when the test drives it.
class Clock {
public:
    class Timer {
    public:
        virtual ~Timer() = default;
        // Fires at the event loop's next turn instead of at the deadline.
        virtual void fire_now() = 0;
    };

    virtual ~Clock() = default;
    // Seconds.
    virtual double now() = 0;
    // Calls `fire` once, from the event loop, after `seconds` (at the next turn when 0 or less).
    // Destroying the timer before it fires cancels it.
    virtual std::unique_ptr<Timer> start_timer(double seconds, std::function<void()> fire) = 0;
};

// The program's clock over Qt timers (needs a running QCoreApplication event loop to fire).
Clock& qt_clock();

// `co_await sleep_for(clock, s, token)`: resumes after s seconds, or at the next turn once the
// token's flags end the wait. A token already ending the wait does not suspend at all.
class Sleep : private CancelToken::Waiter {
public:
    Sleep(Clock& clock, double seconds, CancelToken* token = nullptr, WaitEnds ends = WaitEnds::OnStopOrSkip)
        : clock_(clock), seconds_(seconds), token_(token) {
        this->ends = ends;
    }
    // Moved only before it is awaited (the coroutine machinery takes it by value).
    Sleep(Sleep&&) = default;
    Sleep& operator=(Sleep&&) = delete;
    ~Sleep() {
        if (registered_) token_->remove(this);
    }

    bool await_ready() const { return token_ && token_->ends(ends); }
    void await_suspend(std::coroutine_handle<> h) {
        timer_ = clock_.start_timer(seconds_, [h] { h.resume(); });
        if (token_) {
            token_->add(this);
            registered_ = true;
        }
    }
    void await_resume() {
        if (registered_) token_->remove(this);
        registered_ = false;
    }

private:
    void wake() override {
        if (timer_) timer_->fire_now();
    }

    Clock& clock_;
    double seconds_;
    CancelToken* token_;
    bool registered_ = false;
    std::unique_ptr<Clock::Timer> timer_;
};

inline Sleep sleep_for(Clock& clock, double seconds, CancelToken* token = nullptr,
                       WaitEnds ends = WaitEnds::OnStopOrSkip) {
    return Sleep(clock, seconds, token, ends);
}

// Lets the event loop take one turn (repaint, deliver clicks) before the session goes on.
inline Sleep next_turn(Clock& clock) { return Sleep(clock, 0.0); }

}  // namespace ql
