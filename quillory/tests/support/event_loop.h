#pragma once
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <functional>

namespace ql::testing {

// Lets the event loop take one turn: timers due, posted events and deferred deletions run.
inline void event_loop_turn() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until `done` holds (sessions run on from it meanwhile), or at most
// `limit_ms`, so that a fault fails the test instead of hanging it. Returns whether `done` held.
inline bool run_until(const std::function<bool()>& done, int limit_ms = 60000) {
    if (done()) return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    QTimer::singleShot(limit_ms, &loop, &QEventLoop::quit);
    poll.start(1);
    loop.exec();
    return done();
}

}  // namespace ql::testing
