#pragma once
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <algorithm>
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

// The middle of a few timed runs: one slow run on a shared machine should not move the figure.
inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
