#include "clock.h"

#include <QElapsedTimer>
#include <QTimer>
#include <cmath>

namespace ql {

namespace {

class QtTimer final : public Clock::Timer {
public:
    QtTimer(double seconds, std::function<void()> fire) : timer_(new QTimer) {
        timer_->setSingleShot(true);
        timer_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer_, &QTimer::timeout, timer_, std::move(fire));
        timer_->start(seconds > 0 ? int(std::ceil(seconds * 1000.0)) : 0);
    }
    // The timer may be the one whose timeout is running right now: it goes at the next turn.
    ~QtTimer() override {
        timer_->stop();
        timer_->deleteLater();
    }
    void fire_now() override {
        if (timer_->isActive()) timer_->start(0);
    }

private:
    QTimer* timer_;
};

class QtClock final : public Clock {
public:
    QtClock() { elapsed_.start(); }
    double now() override { return double(elapsed_.nsecsElapsed()) / 1e9; }
    std::unique_ptr<Timer> start_timer(double seconds, std::function<void()> fire) override {
        return std::make_unique<QtTimer>(seconds, std::move(fire));
    }

private:
    QElapsedTimer elapsed_;
};

}  // namespace

Clock& qt_clock() {
    static QtClock clock;
    return clock;
}

}  // namespace ql
