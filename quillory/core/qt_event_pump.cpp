#include "event_pump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cmath>
#include <thread>

namespace ql {

namespace {

class QtEventPump final : public EventPump {
public:
    QtEventPump() { clock_.start(); }

    double now() override { return double(clock_.nsecsElapsed()) / 1e9; }

    void wait_for_events(double deadline) override {
        const double remaining = deadline - now();
        if (!QCoreApplication::instance()) {
            if (remaining > 0) std::this_thread::sleep_for(std::chrono::duration<double>(remaining));
            return;
        }
        if (remaining <= 0) {
            QCoreApplication::processEvents();
            return;
        }
        // The timer guarantees an event at the deadline, so the blocking call below never sleeps past it.
        QTimer wake;
        wake.setSingleShot(true);
        wake.setTimerType(Qt::PreciseTimer);
        wake.start(int(std::ceil(remaining * 1000.0)));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    void sleep_until(double deadline) override {
        const double remaining = deadline - now();
        if (remaining > 0) std::this_thread::sleep_for(std::chrono::duration<double>(remaining));
    }

    void process_events() override {
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
    }

private:
    QElapsedTimer clock_;
};

}  // namespace

EventPump& qt_event_pump() {
    static QtEventPump pump;
    return pump;
}

}  // namespace ql
