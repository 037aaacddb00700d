#pragma once
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <vector>

// Lets the event loop take a turn: what is pending (layout, paint, posted events) is delivered.
inline void deliver_pending_events() {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

// The reference wait: it spins for `seconds`, delivering events on every turn, as a busy-waiting loop does.
inline void spin_delivering_events(double seconds) {
    QEventLoop loop;
    QElapsedTimer elapsed;
    QTimer spin;
    QObject::connect(&spin, &QTimer::timeout, &loop, [&] {
        if (double(elapsed.nsecsElapsed()) / 1e9 >= seconds) loop.quit();
    });
    elapsed.start();
    spin.start(0);
    loop.exec();
}

// Wall time and this thread's processor time of one run of `f`, in milliseconds. Wall time suffers when
// the machine is shared; the processor time beside it says how much of it was the run's own.
struct RunTimes {
    double wall = 0, cpu = 0;
};

template <class F>
RunTimes time_run(F&& f) {
    timespec c0{}, c1{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c0);
    QElapsedTimer timer;
    timer.start();
    f();
    const double wall = double(timer.nsecsElapsed()) / 1e6;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c1);
    return RunTimes{wall, double(c1.tv_sec - c0.tv_sec) * 1e3 + double(c1.tv_nsec - c0.tv_nsec) / 1e6};
}

// The middle of a few timed runs: one slow run on a shared machine should not move the figure.
inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
